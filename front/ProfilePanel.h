// The profile panel: the user's own profiles, listed, shown, created and deleted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "primitives/PlayerProfile.h"
#include "primitives/Surface.h"

namespace zelvaro {

class Database;

class ProfilePanel {
public:
    ProfilePanel(Surface& surface, Database& db) : surface_(surface), db_(db) {}

    // Fills Combo6 with the years "1960" to "2000". Called once at start-up.
    void populate();
    // What both game entries do when they open the panel: the profile list, each nation
    // once in Combo5, empty name boxes, "Italia" and "1980".
    void prepareForOpening();
    void refreshProfileList();   // after opening, creating and deleting
    void showSelectedProfile();  // a pick in the Combo4 list
    void createProfile();        // Label26 "Crea"
    void deleteProfile();        // Label27 "Elimina"
    // The profile shown goes into `human`; false, and `human` untouched, when none is shown.
    bool loadShownProfile(PlayerProfile& human) const;

private:
    void fillNationList();

    Surface& surface_;
    Database& db_;
    std::vector<std::int64_t> listedRows_;  // the rows of Combo4's entries, in their order
    std::optional<std::int64_t> shownRow_;  // the profile that Label22 shows
};

}  // namespace zelvaro
