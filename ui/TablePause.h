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

// The caption of the choice in force ("Normale" when none was made or the stored one is
// unknown), and the share of the pause it gives.
inline constexpr WindowChoice kTablePause{"tavolo/pausaDopoPresa", "Normale", kTablePauseChoices};
inline QString tablePause() {
    return kTablePause.current();
}
inline void setTablePause(const QString& caption) {
    kTablePause.keep(caption);
}
inline double tablePauseFactor() {
    return kTablePause.factor();
}

}  // namespace zelvaro::ui
