#include "front/OptionsPanel.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "front/MainMenu.h"
#include "primitives/Random.h"
#include "rules/MatchOptions.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "store/OpponentLevel.h"

namespace zelvaro {
namespace {

// In the pot game types the cards are never changed.
constexpr std::array<std::string_view, 3> kPotTypes{"Piatto 2000", "Piatto 1000", "Piatto 500"};

template <std::size_t N>
bool isOneOf(const std::array<std::string_view, N>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

template <std::size_t N>
void fill(Surface& surface, Control combo, const std::array<std::string_view, N>& list) {
    surface.clearItems(combo);
    for (const std::string_view item : list) surface.addItem(combo, std::string(item));
}

std::string yesNo(bool ticked) {
    return ticked ? "Si" : "No";
}

}  // namespace

void OptionsPanel::populate() {
    fill(surface_, ctl::Combo1, kSpeeds);
    fill(surface_, ctl::Combo2, kGameTypes);
    fill(surface_, ctl::Combo3, kPrizes);
    fill(surface_, ctl::Combo8, kHandLimits);
    fill(surface_, ctl::OpponentsList, kOpponentLevels);
}

void OptionsPanel::openOptions() {
    const ResultSet row = db_.query("SELECT * FROM opzioni ");
    if (!row.empty()) {
        surface_.setCaption(ctl::Combo1, row.at(0, 0).text());
        surface_.setCaption(ctl::Combo2, row.at(3, 0).text());
        surface_.setCaption(ctl::Combo3, row.at(4, 0).text());
        surface_.setCaption(ctl::Combo8, row.at(5, 0).text());
        surface_.setChecked(ctl::Check1, row.at(1, 0).text() == "Si");
        surface_.setChecked(ctl::Check2, row.at(2, 0).text() == "Si");
    }
    surface_.setCaption(ctl::OpponentsList, readOpponentLevel(db_));
    applyPotRule();
    surface_.showWindowPreferences();
    menu_.disableMenu();
    surface_.setVisible(ctl::Frame1, true);
}

void OptionsPanel::applyPotRule() {
    if (isOneOf(kPotTypes, surface_.caption(ctl::Combo2))) {
        surface_.setChecked(ctl::Check1, false);
        surface_.setEnabled(ctl::Check1, false);
    } else {
        surface_.setEnabled(ctl::Check1, true);
    }
}

void OptionsPanel::acceptOptions() {
    const std::string speed = surface_.caption(ctl::Combo1);
    const std::string gameType = surface_.caption(ctl::Combo2);
    const std::string prize = surface_.caption(ctl::Combo3);
    // The three lists are checked against their items, so only known words reach the
    // statements below; the hand limit is free text and is quoted.
    if (!isOneOf(kSpeeds, speed)) {
        surface_.showMessage("Controlla il tipo di partita.", MessageButtons::Ok);
        return;
    }
    if (!isOneOf(kGameTypes, gameType)) {
        surface_.showMessage("Controlla il punteggio.", MessageButtons::Ok);
        return;
    }
    if (!isOneOf(kPrizes, prize)) {
        surface_.showMessage("Controlla il premio.", MessageButtons::Ok);
        return;
    }
    const std::string opponents = surface_.caption(ctl::OpponentsList);
    if (!isOneOf(kOpponentLevels, opponents)) {
        surface_.showMessage("Controlla gli avversari.", MessageButtons::Ok);
        return;
    }
    const std::string handLimit = Database::fApici(surface_.caption(ctl::Combo8));

    Transaction transaction(db_);
    db_.execute("UPDATE opzioni SET tipopartita='" + speed + "'");
    db_.execute("UPDATE opzioni SET cambiocarte='" + yesNo(surface_.checked(ctl::Check1)) + "'");
    db_.execute("UPDATE opzioni SET \"2superaasso\"='" + yesNo(surface_.checked(ctl::Check2)) +
                "'");
    db_.execute("UPDATE opzioni SET punteggio='" + gameType + "'");
    db_.execute("UPDATE opzioni SET premio='" + prize + "'");
    db_.execute("UPDATE opzioni SET limite='" + handLimit + "'");
    writeOpponentLevel(db_, opponents);
    transaction.commit();
    // The window's preferences on the panel go with its options: kept only when they are.
    surface_.keepWindowPreferences();

    surface_.setVisible(ctl::Frame1, false);
    menu_.enableMenu();
}

void OptionsPanel::rejectOptions() {
    surface_.setVisible(ctl::Frame1, false);
    menu_.enableMenu();
    updateNummag(db_, random_, nummag::kRejectOptions);
}

}  // namespace zelvaro
