// The menu, the surface and the stored options shared by the menu's panel tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "front/MainMenu.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro::paneltest {

inline const std::array<Control, 6> kMenu{ctl::Label2,  ctl::Label3,  ctl::Label10,
                                          ctl::Label20, ctl::Label15, ctl::Label35};

// Records whether the menu was usable at the moment each message box came up.
class RecordingSurface : public MemorySurface {
public:
    MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
        bool anyEnabled = false;
        for (const Control c : kMenu) anyEnabled = anyEnabled || enabled(c);
        menuEnabledDuringMessage.push_back(anyEnabled);
        return MemorySurface::showMessage(text, buttons);
    }
    std::vector<bool> menuEnabledDuringMessage;
};

inline ::testing::AssertionResult menuIs(const Surface& surface, bool expected) {
    for (const Control c : kMenu) {
        if (surface.enabled(c) != expected) {
            return ::testing::AssertionFailure()
                   << objectName(c) << " is " << (expected ? "disabled" : "enabled");
        }
    }
    return ::testing::AssertionSuccess();
}

// A database shared by the options and rules tests; each test starts from the seed options
// row and its own surface.
class StoredDatabase : public testsupport::SharedDatabaseTest<StoredDatabase> {
protected:
    void SetUp() override {
        db().execute("DELETE FROM opzioni");
        db().appendRow("opzioni", {{"tipopartita", "Normale"},
                                   {"cambiocarte", "Si"},
                                   {"2superaasso", "No"},
                                   {"punteggio", "25 Punti"},
                                   {"premio", "1 Carta"},
                                   {"limite", "Senza Limite"}});
    }

    std::vector<std::string> optionsRow() {
        const ResultSet rs = db().query("SELECT * FROM opzioni ");
        std::vector<std::string> row;
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) row.push_back(rs.at(c, r).text());
        }
        return row;
    }
    void storeOption(const std::string& column, const std::string& value) {
        db().execute("UPDATE opzioni SET \"" + column + "\"='" + Database::fApici(value) + "'");
    }

    RecordingSurface surface;
    Random random;
    MainMenu menu{surface};
};

}  // namespace zelvaro::paneltest
