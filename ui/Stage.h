// The table is designed once, at 1030 × 750 pixels, and shown in a window of any size. Every
// widget keeps the place and the font it has in that design, and the stage maps them to the
// window: scaled uniformly and centred. The screens that fill the design (the menu's felt,
// the table, the standings, the panels' dimming) fill the whole window, so their felt or
// shade covers the margins too, and their contents are moved by the margin.
//
// A widget that is on no stage (a widget tested alone) keeps its design as its geometry.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QWidget>

namespace zelvaro::ui {

class Stage {
public:
    // The design's size, in its own pixels.
    static QSize designSize();

    // Makes `form` the stage and takes the place and font of every widget built on it as
    // their design. Widgets made later join when they are placed with `place`.
    static void adopt(QWidget* form);
    // Fits the design into the form's current size and places every widget again.
    static void fit(QWidget* form);

    // How many window pixels one design pixel covers where `widget` is shown.
    static qreal scale(const QWidget* widget);
    // Where the design's origin lies in the widget's own coordinates: the margin on the stage
    // and its screens, none elsewhere.
    static QPointF contentOrigin(const QWidget* widget);

    // A widget's place in its parent's design coordinates.
    static QRect design(const QWidget* widget);
    static void place(QWidget* widget, const QRect& design);
    // Where a rectangle of the design inside `parent` shows, in the parent's pixels: each
    // edge rounded on its own, so that neighbours that touch in the design still touch.
    static QRect shown(const QWidget* parent, const QRectF& design);
    // The widget's own area in design coordinates: its design rectangle at 0,0, or for a
    // screen everything it covers, margins included.
    static QRectF designArea(const QWidget* widget);
    static QPointF toDesign(const QWidget* widget, const QPointF& point);

    // The font a widget has in the design; setting it shows it at the current scale.
    static QFont designFont(const QWidget* widget);
    static void setDesignFont(QWidget* widget, const QFont& font);

    // Makes `painter` (on `widget`) draw in the widget's design coordinates.
    static void useDesignCoordinates(QPainter& painter, const QWidget* widget);
    // A thin line `width` design pixels wide for a painter in design coordinates. It is drawn
    // by the quick stroker of fixed-width lines: the usual one is slow on large shapes.
    static QPen outline(const QPainter& painter, const QColor& color, qreal width,
                        Qt::PenStyle style = Qt::SolidLine);

private:
    static void applyPlace(QWidget* widget);
    static void applyFont(QWidget* widget);
    static const QWidget* stageOf(const QWidget* widget);
};

// A painter that draws in the design coordinates of its widget, so a painted panel looks the
// same, only bigger or smaller, at every window size; text and lines stay sharp.
class DesignPainter : public QPainter {
public:
    explicit DesignPainter(QWidget* widget) : QPainter(widget) {
        Stage::useDesignCoordinates(*this, widget);
    }
};

}  // namespace zelvaro::ui
