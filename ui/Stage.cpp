#include "ui/Stage.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "engine/display/TableLayout.h"

namespace zelvaro::ui {
namespace {

// Kept on each widget, so that a widget carries its design wherever it goes.
constexpr char kDesignPlace[] = "zelvaroDesignPlace";
constexpr char kDesignFont[] = "zelvaroDesignFont";
// Kept on the stage.
constexpr char kStageScale[] = "zelvaroStageScale";
constexpr char kStageOrigin[] = "zelvaroStageOrigin";

// Widgets whose children are their own business (a list's box, a text box's parts, a
// scrolled page): the stage places them but not what they hold.
bool placesItsOwnChildren(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr;
}

template <class Visit>
void forEachPlaced(QWidget* parent, const Visit& visit) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        visit(widget);
        if (!placesItsOwnChildren(widget)) forEachPlaced(widget, visit);
    }
}

bool onStage(const QWidget* widget) {
    return widget != nullptr && widget->property(kStageScale).isValid();
}

// A screen fills the whole design straight on the stage.
bool isScreen(const QWidget* widget) {
    return onStage(widget->parentWidget()) &&
           Stage::design(widget) == QRect(QPoint(0, 0), Stage::designSize());
}

}  // namespace

QSize Stage::designSize() {
    return {layout::kWindowWidth, layout::kWindowHeight};
}

const QWidget* Stage::stageOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (onStage(w)) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

qreal Stage::scale(const QWidget* widget) {
    const QWidget* stage = stageOf(widget);
    return stage != nullptr ? stage->property(kStageScale).toReal() : 1.0;
}

QPointF Stage::contentOrigin(const QWidget* widget) {
    if (onStage(widget)) return widget->property(kStageOrigin).toPointF();
    if (widget != nullptr && isScreen(widget)) return contentOrigin(widget->parentWidget());
    return {};
}

QRect Stage::design(const QWidget* widget) {
    const QVariant kept = widget->property(kDesignPlace);
    return kept.isValid() ? kept.toRect() : widget->geometry();
}

QRectF Stage::designArea(const QWidget* widget) {
    const qreal s = scale(widget);
    const QPointF origin = contentOrigin(widget);
    if (isScreen(widget) || onStage(widget)) {
        return {-origin.x() / s, -origin.y() / s, widget->width() / s, widget->height() / s};
    }
    return {QPointF(0, 0), QSizeF(design(widget).size())};
}

QPointF Stage::toDesign(const QWidget* widget, const QPointF& point) {
    return (point - contentOrigin(widget)) / scale(widget);
}

void Stage::place(QWidget* widget, const QRect& design) {
    const QVariant kept = widget->property(kDesignPlace);
    if (kept.isValid() && kept.toRect() == design) return;
    widget->setProperty(kDesignPlace, design);
    applyPlace(widget);
}

void Stage::applyPlace(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    const QRect d = design(widget);
    if (parent == nullptr || stageOf(parent) == nullptr) {
        if (widget->geometry() != d) widget->setGeometry(d);
        return;
    }
    if (isScreen(widget)) {
        if (widget->geometry() != parent->rect()) widget->setGeometry(parent->rect());
        return;
    }
    const QRect place = shown(parent, d);
    if (widget->geometry() != place) widget->setGeometry(place);
}

QRect Stage::shown(const QWidget* parent, const QRectF& design) {
    const qreal s = scale(parent);
    const QPointF origin = contentOrigin(parent);
    const int left = qRound(origin.x() + design.left() * s);
    const int top = qRound(origin.y() + design.top() * s);
    const int right = qRound(origin.x() + (design.left() + design.width()) * s);
    const int bottom = qRound(origin.y() + (design.top() + design.height()) * s);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

QFont Stage::designFont(const QWidget* widget) {
    const QVariant kept = widget->property(kDesignFont);
    if (kept.isValid()) return kept.value<QFont>();
    // A font not set on the widget comes from its parent's.
    const QWidget* parent = widget->parentWidget();
    if (!onStage(widget) && !widget->isWindow() && parent != nullptr &&
        stageOf(parent) != nullptr) {
        return designFont(parent);
    }
    return widget->font();
}

void Stage::setDesignFont(QWidget* widget, const QFont& font) {
    widget->setProperty(kDesignFont, font);
    applyFont(widget);
}

void Stage::applyFont(QWidget* widget) {
    QFont font = designFont(widget);
    const qreal s = scale(widget);
    if (s != 1.0 && font.pixelSize() > 0) {
        // A fractional size keeps every caption in proportion to its box.
        font.setPointSizeF(font.pixelSize() * s * 72.0 / widget->logicalDpiY());
    }
    if (widget->font() != font) widget->setFont(font);
}

void Stage::useDesignCoordinates(QPainter& painter, const QWidget* widget) {
    painter.translate(contentOrigin(widget));
    const qreal s = scale(widget);
    painter.scale(s, s);
}

QPen Stage::outline(const QPainter& painter, const QColor& color, qreal width, Qt::PenStyle style) {
    QPen pen(color, width * painter.transform().m11(), style);
    pen.setCosmetic(true);
    return pen;
}

void Stage::adopt(QWidget* form) {
    form->setProperty(kStageScale, 1.0);
    form->setProperty(kStageOrigin, QPointF());
    forEachPlaced(form, [](QWidget* widget) {
        if (!widget->property(kDesignPlace).isValid())
            widget->setProperty(kDesignPlace, widget->geometry());
    });
    form->setProperty(kDesignFont, form->font());
    // Fonts are set on inner widgets too (the text of a scrolled page).
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetFont) && !widget->property(kDesignFont).isValid()) {
            widget->setProperty(kDesignFont, widget->font());
        }
    }
}

void Stage::fit(QWidget* form) {
    const QSize design = designSize();
    const qreal s =
        std::min(form->width() / qreal(design.width()), form->height() / qreal(design.height()));
    if (s <= 0) return;
    const QPointF origin((form->width() - design.width() * s) / 2.0,
                         (form->height() - design.height() * s) / 2.0);
    // The same scale and margins mean the same size: nothing moves.
    if (form->property(kStageScale).toReal() == s &&
        form->property(kStageOrigin).toPointF() == origin)
        return;
    form->setProperty(kStageScale, s);
    form->setProperty(kStageOrigin, origin);
    forEachPlaced(form, [](QWidget* widget) {
        if (widget->property(kDesignPlace).isValid()) applyPlace(widget);
    });
    applyFont(form);
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->property(kDesignFont).isValid()) applyFont(widget);
    }
    form->update();
}

}  // namespace zelvaro::ui
