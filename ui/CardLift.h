// The player's own card lifts a little while the pointer or the keys' outline is on it. The
// hand's control stays where the game put it; a copy of its card is drawn raised above it.
#pragma once

#include <QObject>
#include <array>

class QWidget;

namespace zelvaro::ui {

class CardSprite;
class CardVeil;

class CardLift : public QObject {
public:
    // How far the card rises, in design pixels.
    static constexpr int kRise = 12;

    // `table` holds the player's twelve hand places.
    CardLift(QWidget& table, CardVeil& veil);

    // Off, no card lifts (the player chose no animations).
    void setEnabled(bool enabled);
    // The hand place the keys' outline is on, -1 for none.
    void setOutlined(int place);
    // Lifts the card the pointer or the outline is on, as it looks now, or lowers it.
    void follow();
    // The lifted card, nullptr when none is.
    const QWidget* lifted() const { return lifted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lower();

    QWidget& table_;
    CardVeil& veil_;
    std::array<QWidget*, 12> cards_{};
    CardSprite* sprite_ = nullptr;
    QWidget* lifted_ = nullptr;
    bool enabled_ = true;
    int hovered_ = -1;
    int outlined_ = -1;
};

}  // namespace zelvaro::ui
