#include "ui/Animations.h"

#include <QSettings>

namespace zelvaro::ui {
namespace {

constexpr const char* kKey = "tavolo/animazioni";
constexpr const char* kDefault = "Normali";

const AnimationChoice* choiceFor(const QString& caption) {
    for (const AnimationChoice& choice : kAnimationChoices) {
        if (caption == QLatin1String(choice.caption)) return &choice;
    }
    return nullptr;
}

}  // namespace

QString animations() {
    const QString stored = QSettings().value(kKey, kDefault).toString();
    return choiceFor(stored) != nullptr ? stored : QString(kDefault);
}

void setAnimations(const QString& caption) {
    if (choiceFor(caption) != nullptr) QSettings().setValue(kKey, caption);
}

double animationPace() {
    return choiceFor(animations())->pace;
}

}  // namespace zelvaro::ui
