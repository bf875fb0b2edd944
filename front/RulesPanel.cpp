#include "front/RulesPanel.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "front/MainMenu.h"
#include "primitives/Random.h"
#include "store/Database.h"
#include "store/Nummag.h"

namespace zelvaro {
namespace {

constexpr const char* kRulesMissing = "Il file regolamento.txt non è stato trovato.";

constexpr const char* kCredits =
    "Zelvaro è un videogioco ideato e realizzato dal team di Zelvaro.\n"
    "Grazie per aver giocato!\n"
    "Buon divertimento al tavolo.";

// A rules text longer than this is shown only up to here: a window label laid out with
// megabytes of text would freeze the game for seconds.
constexpr std::size_t kLongestRules = 64 * 1024;
constexpr const char* kRulesCut =
    "\n[...]\nIl regolamento è troppo lungo: ne è mostrata solo la prima parte.\n";

// The rules text with every line followed by a line feed, up to kLongestRules bytes and
// then a note that it was cut; nothing when the file cannot be opened.
std::optional<std::string> readRules(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text, line;
    // getline also yields a last line that has no line end.
    while (text.size() < kLongestRules && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        text += line;
        text += '\n';
    }
    if (text.size() < kLongestRules && in.eof()) return text;
    // Cut at the end of a character: a UTF-8 continuation byte never starts one.
    std::size_t cut = std::min(text.size(), kLongestRules);
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
    return text + kRulesCut;
}

}  // namespace

void RulesPanel::showRules() {
    updateNummag(db_, random_, nummag::kShowRules);
    menu_.disableMenu();
    surface_.setCaption(ctl::Label16, "");
    surface_.setVisible(ctl::Frame2, true);

    std::optional<std::string> text = readRules(kRulesFile);
    for (const std::filesystem::path& folder : folders_) {
        if (!text) text = readRules(folder / kRulesFile);
    }
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
