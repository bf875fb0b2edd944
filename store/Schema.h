// The six tables of the game's database and the rows a new file starts with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvaro {

class Database;

struct NationNames {
    std::string nation;
    std::string kind;  // "cognome" or "nome"
    std::vector<std::string> names;
};

// The column of a nazioni row holding its i-th name (i = 1 to 20): "n1" to "n20".
std::string nameColumn(int i);

// Parses the name lists ("Nation|kind|name;name;..." lines, '#' comments).
std::vector<NationNames> parseNationNames(std::string_view text);

// The name lists built into the program.
std::string_view builtInNationNames();

// Builds again, once, every table of an earlier version's file that declared its text
// columns COLLATE NOCASE (rows, rowids and indexes kept, in the game's name order under its
// own name), creates whatever of the six tables and their indexes is missing, and adds the
// fixed rows a game cannot start without: the options row, the stored number, the nation
// name lists. All in one transaction.
void ensureSchema(Database& db);

// What a file that opens with the game's key holds: nothing yet (a new file), the game's
// six tables with their columns in their order, or tables of some other program.
enum class Layout { Empty, Game, Foreign };
Layout databaseLayout(Database& db);

// The columns of one of the game's six tables, in their order, as the game makes them.
const std::vector<std::string>& gameTableColumns(const std::string& table);

}  // namespace zelvaro
