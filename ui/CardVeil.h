// Keeps a card control from painting while something else draws its card: a card on its way
// to the place, or the player's card lifted above it. The control itself stays where the game
// put it, shown or hidden as the game said; only its paint is held back. Veils are counted,
// so a card both lifted and on its way shows again only when both are over.
#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace zelvaro::ui {

class CardVeil : public QObject {
public:
    explicit CardVeil(QObject* parent = nullptr) : QObject(parent) {}

    void veil(QWidget* card);
    void unveil(QWidget* card);
    bool veiled(const QWidget* card) const { return counts_.contains(card); }
    // How many controls are veiled now.
    int count() const { return static_cast<int>(counts_.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QWidget*, int> counts_;
};

}  // namespace zelvaro::ui
