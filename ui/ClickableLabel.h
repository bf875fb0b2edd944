// A caption of the game window: it reports clicks, presses and mouse moves, and can draw
// itself as a label button, as a plate behind short notices, as a progress bar, or as a
// list whose lines keep a fixed pitch (so pictures beside it line up with its rows).
#pragma once

#include <QLabel>
#include <QSizeF>
#include <QStringList>

namespace zelvaro::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    enum class Look {
        Plain,     // the text alone
        Button,    // a clickable word on a soft outlined plate
        Plate,     // text on a dark plate; nothing at all while the text is empty
        Progress,  // a gold bar carrying the text
    };

    explicit ClickableLabel(QWidget* parent = nullptr);

    void setLook(Look look);
    Look look() const { return look_; }
    // Lines drawn one per row of this height; 0 leaves the text to QLabel.
    void setRowHeight(int pixels);
    int rowHeight() const { return rowHeight_; }
    // A caption too long for the label is set smaller (down to seven tenths of its size), or
    // broken in two lines where the label is tall enough; only what even so does not fit is
    // cut with an ellipsis, and shown whole in its tooltip.
    void setFitToWidth(bool fit);
    bool fitsToWidth() const { return fitToWidth_; }

    // How a text is set in a box: the font, its lines, and whether it is whole (not cut).
    struct Fit {
        QFont font;
        QStringList lines;
        bool whole = true;
    };
    // How the label's paint sets `line` at the design size: one row of a list, or the whole
    // caption of a label that fits itself to its width.
    Fit fitOf(const QString& line) const;
    // The whole text of the line at `point` when the label shows it cut; empty otherwise.
    QString cutTextAt(const QPoint& point) const;
    // A caption that acts as a button: Tab reaches it, a gold ring shows it has the focus,
    // and Space or Enter click it.
    void setTabStop(bool stop);
    // Whether a click at the widget's middle would reach it: it is shown, and no screen or
    // panel lies over it.
    static bool reachable(const QWidget* widget);

signals:
    void clicked();
    void mouseMoved();
    void mousePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The caption's colour as the game set it, dimmed while disabled.
    QColor textColor() const;
    void paintRows(QPainter& painter, const QRectF& area) const;
    void paintFitted(QPainter& painter) const;
    // The caption in its look, without the focus ring.
    void paintCaption(QPaintEvent* event);

private:
    // `text` in `font` made smaller, to seven tenths at most, until it fits `box`; broken at a
    // blank into two lines when `wrap` allows and one line does not fit at that size; cut with
    // an ellipsis when nothing fits.
    static Fit fit(const QFont& font, const QString& text, const QSizeF& box, bool wrap);

    Look look_ = Look::Plain;
    int rowHeight_ = 0;
    bool fitToWidth_ = false;
    bool pressed_ = false;
};

}  // namespace zelvaro::ui
