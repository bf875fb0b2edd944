// The window's own background (Form1): the felt of the main menu with a gold border and two
// fans of cards. It reports mouse moves over the bare background.
#pragma once

#include <QStringList>
#include <memory>

#include "ui/PaintedScreen.h"

namespace zelvaro::ui {

class PictureCache;

class FeltWidget : public PaintedScreen {
    Q_OBJECT
public:
    // The fans' cards come from `pictures`.
    explicit FeltWidget(std::shared_ptr<PictureCache> pictures, QWidget* parent = nullptr);

protected:
    void paintBackground(QPainter& painter) override;

private:
    void paintFan(QPainter& painter, QPointF pivot, const QStringList& cards, qreal firstAngle,
                  qreal step);

    std::shared_ptr<PictureCache> pictures_;
};

}  // namespace zelvaro::ui
