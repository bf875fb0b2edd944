// "Animazioni": whether the cards move from place to place on the table, and how quickly. A
// preference of the window, kept in the user's settings beside "Pausa dopo la presa".
#pragma once

#include <QString>
#include <array>

#include "ui/WindowChoice.h"

namespace zelvaro::ui {

// Each a share of a move's usual length; "Nessuna" moves nothing.
inline constexpr std::array<ScaledChoice, 3> kAnimationChoices{
    {{"Nessuna", 0.0}, {"Rapide", 0.6}, {"Normali", 1.0}}};
// The object name of its list on the options panel.
inline constexpr char kAnimationList[] = "animazioni";

// The caption of the choice in force ("Normali" when none was made or the stored one is
// unknown), and the share of a move's length it gives.
inline constexpr WindowChoice kAnimations{"tavolo/animazioni", "Normali", kAnimationChoices};
inline QString animations() {
    return kAnimations.current();
}
inline void setAnimations(const QString& caption) {
    kAnimations.keep(caption);
}
inline double animationPace() {
    return kAnimations.factor();
}

}  // namespace zelvaro::ui
