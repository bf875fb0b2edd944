// A panel of the game (options, rules, profiles, ...). As an overlay it covers the whole
// window, dims what lies beneath and shows its controls on a card in the middle; as a group
// it is a titled section inside another panel. Its caption is the card's title.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace zelvaro::ui {

class PanelFrame : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Overlay, Group };

    PanelFrame(Mode mode, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    const QString& title() const { return title_; }
    // The card, in this widget's coordinates (overlays only; a group is its own card).
    void setCardRect(const QRect& card);
    QRect cardRect() const;
    // The first y below the title, where the panel's own controls may start.
    int contentTop() const;

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Mode mode_;
    QString title_;
    QRect card_;
};

}  // namespace zelvaro::ui
