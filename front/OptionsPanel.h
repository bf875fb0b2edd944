// The options panel: loads, validates and stores the one options row.
#pragma once

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class MainMenu;
class Random;

class OptionsPanel {
public:
    OptionsPanel(Surface& surface, Database& db, Random& random, MainMenu& menu)
        : surface_(surface), db_(db), random_(random), menu_(menu) {}

    // Fills the four combo lists with their items, in their order. Called once at start-up.
    void populate();
    void openOptions();    // Label10 "Opzioni"
    void applyPotRule();   // an item picked in Combo2; last step of loading
    void acceptOptions();  // Label12 "Accetta"
    void rejectOptions();  // Label13 "Rifiuta"

private:
    Surface& surface_;
    Database& db_;
    Random& random_;
    MainMenu& menu_;
};

}  // namespace zelvaro
