#include "ui/CardLift.h"

#include <QEvent>
#include <QWidget>

#include "primitives/Controls.h"
#include "ui/CardSprite.h"
#include "ui/CardVeil.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"

namespace zelvaro::ui {

CardLift::CardLift(QWidget& table, CardVeil& veil) : QObject(&table), table_(table), veil_(veil) {
    for (int i = 0; i < 12; ++i) {
        cards_[i] = table.findChild<QWidget*>(
            QString::fromStdString(zelvaro::objectName(ctl::Picture2[i])));
        if (cards_[i] != nullptr) cards_[i]->installEventFilter(this);
    }
}

void CardLift::setEnabled(bool enabled) {
    enabled_ = enabled;
    follow();
}

void CardLift::setOutlined(int place) {
    outlined_ = place;
    follow();
}

bool CardLift::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave) {
        for (int i = 0; i < 12; ++i) {
            if (cards_[i] != watched) continue;
            if (type == QEvent::Enter) {
                hovered_ = i;
            } else if (hovered_ == i) {
                hovered_ = -1;
            }
            follow();
        }
    }
    return QObject::eventFilter(watched, event);
}

void CardLift::follow() {
    const int place = hovered_ >= 0 ? hovered_ : outlined_;
    QWidget* card = enabled_ && place >= 0 && place < 12 ? cards_[place] : nullptr;
    const auto* box = qobject_cast<const PictureBox*>(card);
    if (box == nullptr || card->isHidden() || !table_.isVisible() || box->picture().isNull()) {
        lower();
        return;
    }
    if (sprite_ == nullptr) sprite_ = new CardSprite(box->picture(), &table_);
    if (card != lifted_) {
        lower();
        lifted_ = card;
        veil_.veil(card);
        // Right above its own place: the next card of the fan still covers its edge.
        sprite_->stackUnder(card);
        card->stackUnder(sprite_);
    }
    if (sprite_->picture().cacheKey() != box->picture().cacheKey())
        sprite_->setPicture(box->picture());
    const QRect raised = Stage::shown(&table_, QRectF(Stage::design(card).translated(0, -kRise)));
    if (sprite_->geometry() != raised) sprite_->setGeometry(raised);
    sprite_->show();
}

void CardLift::lower() {
    if (sprite_ != nullptr) sprite_->hide();
    if (lifted_ != nullptr) veil_.unveil(lifted_);
    lifted_ = nullptr;
}

}  // namespace zelvaro::ui
