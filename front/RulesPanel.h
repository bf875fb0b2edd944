// The rules panel, filled from regolamento.txt, and the credits message.
#pragma once

#include <filesystem>

#include "engine/Surface.h"

namespace zelvaro {

class Database;
class MainMenu;
class Random;

class RulesPanel {
public:
    RulesPanel(Surface& surface, Database& db, Random& random, MainMenu& menu,
               std::filesystem::path programFolder)
        : surface_(surface), db_(db), random_(random), menu_(menu),
          programFolder_(std::move(programFolder)) {}

    void showRules();    // Label15 "Regole"
    void closeRules();   // Label17 "Indietro"
    void showCredits();  // Label20 "Crediti"

    static constexpr const char* kRulesFile = "regolamento.txt";

private:
    Surface& surface_;
    Database& db_;
    Random& random_;
    MainMenu& menu_;
    std::filesystem::path programFolder_;
};

}  // namespace zelvaro
