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

// Kept in the user's settings; "Normali" when none was chosen or the kept one is unknown.
inline constexpr WindowChoice kAnimations{"tavolo/animazioni", "Normali", kAnimationChoices};

}  // namespace zelvaro::ui
