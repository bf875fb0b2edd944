// "Pausa dopo la presa": how long a full trick stays on the table before it is taken, as a
// share of the game's own pause. A preference of the window, kept in the user's settings.
#pragma once

#include <QString>
#include <array>

#include "ui/WindowChoice.h"

namespace zelvaro::ui {

inline constexpr std::array<ScaledChoice, 4> kTablePauseChoices{
    {{"Nessuna", 0.0}, {"Breve", 0.5}, {"Normale", 1.0}, {"Lunga", 2.0}}};
// The object name of its list on the options panel.
inline constexpr char kTablePauseList[] = "pausaDopoPresa";

// Kept in the user's settings; "Normale" when none was chosen or the kept one is unknown.
inline constexpr WindowChoice kTablePause{"tavolo/pausaDopoPresa", "Normale", kTablePauseChoices};

}  // namespace zelvaro::ui
