// The window's own preferences on the options panel ("Pausa dopo la presa") go with the
// panel's options: shown at every opening, kept only when the options are.
#include <gtest/gtest.h>

#include <string>

#include "front/MainMenu.h"
#include "front/OptionsPanel.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

TEST(WindowPreferencesTest, KeptByAnAcceptedChoiceOnly) {
    const struct {
        const char* name;
        const char* gameType;  // what the panel shows when it is closed
        bool accept;           // "Accetta", else "Rifiuta"
        int kept;
    } rows[] = {
        {"accepted", "Chips", true, 1},
        {"refused: unknown game type", "30 Punti", true, 0},
        {"rejected", "Chips", false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::SeededDatabase stored;
        MemorySurface surface;
        Random random;
        MainMenu menu(surface);
        OptionsPanel options(surface, stored.db, random, menu);
        options.populate();
        options.openOptions();
        EXPECT_EQ(surface.preferencesShown(), 1);
        EXPECT_EQ(surface.preferencesKept(), 0);
        surface.setCaption(ctl::Combo2, row.gameType);
        if (row.accept) {
            options.acceptOptions();
        } else {
            options.rejectOptions();
        }
        EXPECT_EQ(surface.preferencesKept(), row.kept);
        // Refused options leave the panel open.
        EXPECT_EQ(surface.visible(ctl::Frame1), row.accept && row.kept == 0);
    }
}

}  // namespace
}  // namespace zelvaro
