#include "front/ProfilePanel.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/PlayerNames.h"
#include "store/ProfileRows.h"
#include "store/StatisticsStore.h"

namespace zelvaro {
namespace {

constexpr int kFirstYear = 1960;
constexpr int kLastYear = 2000;

// The user's profiles with their row, which tells apart two that read alike.
const std::string kUserProfiles = "SELECT *, rowid FROM giocatori where profilo='1'";

std::int64_t rowIdOf(const ResultSet& rows, int row) {
    return rows.at("rowid", row).integer();
}

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
    const ResultSet rows = db_.query("SELECT nazione FROM nazioni order by nazione asc ");
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
    listedRows_.clear();
    shownRow_.reset();
    const ResultSet rows = db_.query(kUserProfiles + "order by cognome asc,nome asc ");
    if (rows.empty()) {
        surface_.setVisible(ctl::Image2, false);
    } else {
        for (int row = 0; row < rows.rows(); ++row) {
            surface_.addItem(ctl::Combo4, displayName(rows, row));
            listedRows_.push_back(rowIdOf(rows, row));
        }
        surface_.selectItem(ctl::Combo4, 0);
        shownRow_ = listedRows_.front();
        surface_.setPicture(ctl::Image2, flagPicture(rows.at(2, 0).text()));
        surface_.setVisible(ctl::Image2, true);
        surface_.setCaption(ctl::Label24,
                            surface_.caption(ctl::Label24) + "  " + rows.at(3, 0).text());
    }
    surface_.setCaption(ctl::Label22, surface_.caption(ctl::Combo4));
}

void ProfilePanel::showSelectedProfile() {
    // The list's entry tells the row, so two profiles that read alike are never mixed up.
    const int item = surface_.selectedItem(ctl::Combo4);
    shownRow_.reset();
    if (item >= 0 && item < static_cast<int>(listedRows_.size())) {
        const ResultSet rows = db_.query(kUserProfiles + " and rowid=? ",
                                         {listedRows_[static_cast<std::size_t>(item)]});
        if (!rows.empty()) {
            shownRow_ = rowIdOf(rows, 0);
            surface_.setPicture(ctl::Image2, flagPicture(rows.at(2, 0).text()));
            surface_.setVisible(ctl::Image2, true);
            surface_.setCaption(ctl::Label22, displayName(rows, 0));
            surface_.setCaption(ctl::Label24, "Data di nascita   " + rows.at(3, 0).text());
            return;
        }
    }
    // A list text that is no profile shows none, so that neither "Elimina" nor "Avanti" can
    // act on the profile shown before it.
    surface_.setVisible(ctl::Image2, false);
    surface_.setCaption(ctl::Label22, "");
    surface_.setCaption(ctl::Label24, "Anno di nascita");
}

bool ProfilePanel::loadShownProfile(PlayerProfile& human) const {
    return shownRow_ && loadUserProfile(db_, *shownRow_, human);
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
    const std::int64_t created = db_.query("SELECT last_insert_rowid() ").at(0, 0).integer();
    refreshProfileList();
    // The new profile is the one picked, even beside one that reads alike.
    const auto item = std::find(listedRows_.begin(), listedRows_.end(), created);
    surface_.selectItem(ctl::Combo4, static_cast<int>(item - listedRows_.begin()));
    showSelectedProfile();
}

void ProfilePanel::deleteProfile() {
    // Only the profile shown is ever deleted; with none shown there is nothing to ask.
    if (!shownRow_) return;
    const ResultSet shown =
        db_.query("SELECT cognome, nome FROM giocatori where rowid=?", {*shownRow_});
    const bool playing =
        !shown.empty() && checkpointPlayedBy(db_, shown.at(0, 0).text(), shown.at(1, 0).text());
    const char* question =
        playing ? "Questo profilo ha una partita in corso, che andrà persa: vuoi davvero "
                  "eliminarlo?"
                : "Vuoi davvero eliminare questo profilo? ";
    if (surface_.showMessage(question, MessageButtons::YesNo) != MessageAnswer::Yes) return;
    // The profile, its record and its saved game go together.
    Transaction transaction(db_);
    if (playing) removeCheckpoint(db_);
    clearStatisticsOfRow(db_, *shownRow_);
    db_.execute("DELETE FROM giocatori where rowid=? and profilo='1'", {*shownRow_});
    transaction.commit();
    refreshProfileList();
}

}  // namespace zelvaro
