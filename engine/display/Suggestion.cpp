#include "engine/display/Suggestion.h"

#include "engine/ExpertSeat.h"
#include "engine/display/TableLayout.h"
#include "rules/ExpertPlayer.h"

namespace zelvaro {

std::array<int, 2> Suggestion::expertChoice(const GameSession& session, bool changeQuestion) {
    const ExpertView view = expertView(session, kHumanSeat);
    if (!changeQuestion) return {expertPlayDecision(view), -1};
    const ExpertChange change = expertChangeDecision(view);
    if (!change.changes) return {-1, -1};
    return {change.first, change.second};
}

void Suggestion::offer(bool playerToAct) {
    hide();
    if (playerToAct == offered_) return;
    surface_.setVisible(ctl::SuggestionButton, playerToAct);
    offered_ = playerToAct;
}

std::array<int, 2> Suggestion::show(bool changeQuestion) {
    if (!offered_) return {-1, -1};
    hide();
    marked_ = expertChoice(session_, changeQuestion);
    for (int i = 0; i < 2; ++i)
        layout::markHandPlace(surface_, ctl::SuggestionMarks[i], marked_[i]);
    return marked_;
}

void Suggestion::hide() {
    for (int i = 0; i < 2; ++i) {
        if (marked_[i] >= 0) surface_.setVisible(ctl::SuggestionMarks[i], false);
        marked_[i] = -1;
    }
}

void Suggestion::readShown() {
    offered_ = surface_.visible(ctl::SuggestionButton);
    for (int i = 0; i < 2; ++i)
        marked_[i] = layout::markedHandPlace(surface_, ctl::SuggestionMarks[i]);
}

}  // namespace zelvaro
