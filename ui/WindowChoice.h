// A preference of the window picked from a short list, each caption with its factor (a share
// of the trick's pause, of a card's move), kept in the user's settings.
#pragma once

#include <QString>
#include <span>

namespace zelvaro::ui {

struct ScaledChoice {
    const char* caption;
    double factor;  // 0: none at all
};

class WindowChoice {
public:
    constexpr WindowChoice(const char* key, const char* fallback,
                           std::span<const ScaledChoice> choices)
        : key_(key), fallback_(fallback), choices_(choices) {}

    // The caption in force: the fallback when none was kept or the kept one is unknown.
    QString current() const;
    // Keeps `caption` when it is one of the list; anything else changes nothing.
    void keep(const QString& caption) const;
    // The factor of the choice in force.
    double factor() const;
    std::span<const ScaledChoice> choices() const { return choices_; }

private:
    const ScaledChoice* find(const QString& caption) const;

    const char* key_;
    const char* fallback_;
    std::span<const ScaledChoice> choices_;
};

}  // namespace zelvaro::ui
