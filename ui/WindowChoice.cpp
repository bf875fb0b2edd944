#include "ui/WindowChoice.h"

#include <QSettings>

namespace zelvaro::ui {

const ScaledChoice* WindowChoice::find(const QString& caption) const {
    for (const ScaledChoice& choice : choices_) {
        if (caption == QLatin1String(choice.caption)) return &choice;
    }
    return nullptr;
}

QString WindowChoice::current() const {
    const QString stored = QSettings().value(QLatin1String(key_), fallback_).toString();
    return find(stored) != nullptr ? stored : QString::fromLatin1(fallback_);
}

void WindowChoice::keep(const QString& caption) const {
    if (find(caption) != nullptr) QSettings().setValue(QLatin1String(key_), caption);
}

double WindowChoice::factor() const {
    return find(current())->factor;
}

}  // namespace zelvaro::ui
