#include "front/RulesPanel.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "engine/Random.h"
#include "front/MainMenu.h"
#include "store/Database.h"
#include "store/Nummag.h"

namespace zelvaro {
namespace {

constexpr const char* kRulesMissing = "Il file regolamento.txt non e' stato trovato.";

constexpr const char* kCredits =
    "Zelvaro e' un videogioco ideato e realizzato dal team di Zelvaro.\n"
    "Grazie per aver giocato!\n"
    "Buon divertimento al tavolo.";

// The rules text with every line followed by a line feed; nothing when the file cannot be
// opened.
std::optional<std::string> readRules(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text, line;
    // getline also yields a last line that has no line end.
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace

void RulesPanel::showRules() {
    updateNummag(db_, random_, nummag::kShowRules);
    menu_.disableMenu();
    surface_.setCaption(ctl::Label16, "");
    surface_.setVisible(ctl::Frame2, true);

    std::optional<std::string> text = readRules(kRulesFile);
    if (!text) text = readRules(programFolder_ / kRulesFile);
    surface_.setCaption(ctl::Label16, text ? *text : std::string(kRulesMissing));
}

void RulesPanel::closeRules() {
    updateNummag(db_, random_, nummag::kCloseRules);
    surface_.setVisible(ctl::Frame2, false);
    menu_.enableMenu();
}

void RulesPanel::showCredits() {
    updateNummag(db_, random_, nummag::kCredits);
    menu_.disableMenu();
    surface_.showMessage(kCredits, MessageButtons::Ok);
    menu_.enableMenu();
}

}  // namespace zelvaro
