// The stored number that decides which stretch of the random sequence a game uses.
#pragma once

namespace zelvaro {

class Database;
class Random;

// Factors by which menu actions move the number.
namespace nummag {
inline constexpr float kStartUp = 1000;
inline constexpr float kRejectOptions = 3000;
inline constexpr float kCloseRules = 4790;
inline constexpr float kCredits = 2458;
inline constexpr float kShowRules = 2458;
}  // namespace nummag

double readNummag(Database& db);
// Adds one draw times `factor`, wraps past 27000 once, stores and returns the new number.
double updateNummag(Database& db, Random& random, float factor);
// The wrap alone: above 27000 loses 27000 once; 27000 itself stays.
double wrapNummag(double value);

}  // namespace zelvaro
