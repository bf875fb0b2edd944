// "Pausa dopo la presa": how long a full trick stays on the table before it is taken, as a
// share of the game's own pause. A preference of the window, kept in the user's settings.
#pragma once

#include <QString>
#include <array>

namespace zelvaro::ui {

struct TablePauseChoice {
    const char* caption;
    double factor;
};

inline constexpr std::array<TablePauseChoice, 4> kTablePauseChoices{
    {{"Nessuna", 0.0}, {"Breve", 0.5}, {"Normale", 1.0}, {"Lunga", 2.0}}};
// The object name of its list on the options panel.
inline constexpr char kTablePauseList[] = "pausaDopoPresa";

// The caption of the choice in force ("Normale" when none was made or the stored one is
// unknown), and the share of the pause it gives.
QString tablePause();
void setTablePause(const QString& caption);
double tablePauseFactor();

}  // namespace zelvaro::ui
