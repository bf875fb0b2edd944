// The gold outline around the hand card that the keys act on. It is drawn where the game's
// keyboard play says (ZelvaroApp::outlinedPlace) and lets every click through to the card.
#pragma once

#include <QWidget>

namespace zelvaro::ui {

class HandFocusFrame : public QWidget {
public:
    explicit HandFocusFrame(QWidget* parent);
    // Stands around `card`, above it.
    void frame(const QWidget* card);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvaro::ui
