#include "ui/CardVeil.h"

#include <QEvent>
#include <QWidget>

namespace zelvaro::ui {

void CardVeil::veil(QWidget* card) {
    int& count = counts_[card];
    if (count++ > 0) return;
    card->installEventFilter(this);
    card->update();
}

void CardVeil::unveil(QWidget* card) {
    const auto found = counts_.find(card);
    if (found == counts_.end()) return;
    if (--*found > 0) return;
    counts_.erase(found);
    card->removeEventFilter(this);
    card->update();
}

bool CardVeil::eventFilter(QObject* watched, QEvent* event) {
    // The card is not opaque: what lies under it shows where it does not paint.
    if (event->type() == QEvent::Paint) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace zelvaro::ui
