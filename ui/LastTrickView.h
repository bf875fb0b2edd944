// The last trick, in the corner of the table: its six cards in the order they were laid,
// each seat's name under its card and the winner's card framed in gold. Small while the game
// goes on; the mouse over it, or a click, shows it large until the mouse leaves.
#pragma once

#include <QRect>
#include <array>

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class ControlBuilder;
class PictureBox;

class LastTrickView : public ClickableLabel {
    Q_OBJECT
public:
    // `compact` is its place on the table; it grows leftwards and upwards from there.
    LastTrickView(const QRect& compact, QWidget* parent = nullptr);
    // Creates the six cards and names as its children.
    void build(ControlBuilder& make);
    bool large() const { return large_; }
    // The card framed as the winner's: the one whose seat's name is lit (-1 for none).
    int framedSlot() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A name lit or put out moves the frame, which lies outside the names and the cards.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLarge(bool large);
    void arrange();
    void markWinner();

    QRect compact_;
    bool large_ = false;
    std::array<PictureBox*, 6> cards_{};
    std::array<ClickableLabel*, 6> names_{};
};

}  // namespace zelvaro::ui
