// The rules panel, filled from regolamento.txt, and the credits message.
#pragma once

#include <filesystem>
#include <vector>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class MainMenu;
class Random;

class RulesPanel {
public:
    // The rules text is looked for in the current folder, then in each of `folders`.
    RulesPanel(Surface& surface, Database& db, Random& random, MainMenu& menu,
               std::vector<std::filesystem::path> folders)
        : surface_(surface), db_(db), random_(random), menu_(menu), folders_(std::move(folders)) {}
    RulesPanel(Surface& surface, Database& db, Random& random, MainMenu& menu,
               const std::filesystem::path& programFolder)
        : RulesPanel(surface, db, random, menu, std::vector<std::filesystem::path>{programFolder}) {
    }

    void showRules();    // Label15 "Regole"
    void closeRules();   // Label17 "Indietro"
    void showCredits();  // Label20 "Crediti"

    static constexpr const char* kRulesFile = "regolamento.txt";

private:
    Surface& surface_;
    Database& db_;
    Random& random_;
    MainMenu& menu_;
    std::vector<std::filesystem::path> folders_;
};

}  // namespace zelvaro
