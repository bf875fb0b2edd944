#include "front/ProfilePanel.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

#include "store/Database.h"
#include "store/PlayerNames.h"

namespace zelvaro {
namespace {

constexpr int kFirstYear = 1960;
constexpr int kLastYear = 2000;

const std::string kUserProfiles =
    "SELECT * FROM giocatori where profilo='" + std::string("1") + "'";

std::optional<int> birthYear(const std::string& text) {
    const std::optional<double> value = wholeTextNumber(text);
    if (!value || *value != std::floor(*value)) return std::nullopt;
    if (*value < kFirstYear || *value > kLastYear) return std::nullopt;
    return static_cast<int>(*value);
}

std::string displayName(const ResultSet& rows, int row) {
    return rows.at(0, row).text() + " " + rows.at(1, row).text();
}

std::string flagPicture(const std::string& nation) {
    return "bandiere/" + nation + ".jpg";
}

// Letter case ignored as the database does for its text columns.
bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ProfilePanel::populate() {
    surface_.clearItems(ctl::Combo6);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        surface_.addItem(ctl::Combo6, std::to_string(year));
    }
}

void ProfilePanel::prepareForOpening() {
    refreshProfileList();
    fillNationList();
    surface_.setCaption(ctl::Text1, "");
    surface_.setCaption(ctl::Text2, "");
    surface_.setCaption(ctl::Combo5, "Italia");
    surface_.setCaption(ctl::Combo6, "1980");
}

void ProfilePanel::fillNationList() {
    surface_.clearItems(ctl::Combo5);
    const ResultSet rows = db_.query("SELECT * FROM nazioni order by nazione asc ");
    std::string last;
    for (int row = 0; row < rows.rows(); ++row) {
        const std::string nation = rows.at(0, row).text();
        if (sameIgnoringCase(nation, last)) continue;
        surface_.addItem(ctl::Combo5, nation);
        last = nation;
    }
}

void ProfilePanel::refreshProfileList() {
    surface_.setCaption(ctl::Label24, "Anno di nascita");
    surface_.clearItems(ctl::Combo4);
    surface_.setCaption(ctl::Combo4, "");
    const ResultSet rows = db_.query(kUserProfiles + "order by cognome asc,nome asc ");
    if (rows.empty()) {
        surface_.setVisible(ctl::Image2, false);
    } else {
        for (int row = 0; row < rows.rows(); ++row) {
            surface_.addItem(ctl::Combo4, displayName(rows, row));
        }
        surface_.setCaption(ctl::Combo4, displayName(rows, 0));
        surface_.setPicture(ctl::Image2, flagPicture(rows.at(2, 0).text()));
        surface_.setVisible(ctl::Image2, true);
        surface_.setCaption(ctl::Label24,
                            surface_.caption(ctl::Label24) + "  " + rows.at(3, 0).text());
    }
    surface_.setCaption(ctl::Label22, surface_.caption(ctl::Combo4));
}

void ProfilePanel::showSelectedProfile() {
    const ResultSet rows = db_.query(kUserProfiles + "order by cognome asc,nome asc ");
    const std::string chosen = surface_.caption(ctl::Combo4);
    // Every matching row is shown in turn, so with two equal display names the last wins.
    bool shown = false;
    for (int row = 0; row < rows.rows(); ++row) {
        if (displayName(rows, row) != chosen) continue;
        surface_.setPicture(ctl::Image2, flagPicture(rows.at(2, row).text()));
        surface_.setVisible(ctl::Image2, true);
        surface_.setCaption(ctl::Label22, chosen);
        surface_.setCaption(ctl::Label24, "Data di nascita   " + rows.at(3, row).text());
        shown = true;
    }
    // A list text that is no profile shows none, so that neither "Elimina" nor "Avanti" can
    // act on the profile shown before it.
    if (!shown) {
        surface_.setVisible(ctl::Image2, false);
        surface_.setCaption(ctl::Label22, "");
        surface_.setCaption(ctl::Label24, "Anno di nascita");
    }
}

void ProfilePanel::createProfile() {
    const std::string surname = surface_.caption(ctl::Text1);
    const std::string firstName = surface_.caption(ctl::Text2);
    const std::string nation = surface_.caption(ctl::Combo5);

    if (!isAcceptableName(surname) || !isAcceptableName(firstName)) {
        surface_.showMessage("Controlla il nome ed il cognome.", MessageButtons::Ok);
        return;
    }
    if (!db_.query("SELECT * FROM giocatori where cognome='" + Database::fApici(surname) +
                   "'and nome='" + Database::fApici(firstName) + "' ")
             .empty()) {
        surface_.showMessage("Giocatore gia' esistente.", MessageButtons::Ok);
        return;
    }
    if (db_.query("SELECT * FROM nazioni where nazione='" + Database::fApici(nation) + "' ")
            .empty()) {
        surface_.showMessage("Nazionalita' inesistente.", MessageButtons::Ok);
        return;
    }
    const std::optional<int> year = birthYear(surface_.caption(ctl::Combo6));
    if (!year) {
        surface_.showMessage("Data di nascita errata.", MessageButtons::Ok);
        return;
    }

    db_.appendRow("giocatori", {{"cognome", surname},
                                {"nome", firstName},
                                {"nazionalita", nation},
                                {"anno", *year},
                                {"profilo", "1"},
                                {"cambiocarte", "0"},
                                {"aggressivita", "0"}});
    refreshProfileList();
    // The new profile is the one picked.
    surface_.setCaption(ctl::Combo4, surname + " " + firstName);
    showSelectedProfile();
}

void ProfilePanel::deleteProfile() {
    // Only the profile shown is ever deleted; with none shown there is nothing to ask.
    const ResultSet rows = db_.query(kUserProfiles + " ");
    const std::string shown = surface_.caption(ctl::Label22);
    std::string surname, firstName;
    bool found = false;
    for (int row = 0; row < rows.rows(); ++row) {
        if (displayName(rows, row) != shown) continue;
        surname = rows.at(0, row).text();
        firstName = rows.at(1, row).text();
        found = true;
    }
    if (!found) return;
    if (surface_.showMessage("Vuoi davvero eliminare questo profilo? ", MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return;
    }
    db_.execute("DELETE FROM giocatori where cognome='" + Database::fApici(surname) +
                "' and nome= '" + Database::fApici(firstName) + "'");
    refreshProfileList();
}

}  // namespace zelvaro
