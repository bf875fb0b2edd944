// The window's own background (Form1): the felt of the main menu with a gold border and two
// fans of cards. It reports mouse moves over the bare background.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include "ui/PaintedScreen.h"

namespace zelvaro::ui {

class FeltWidget : public PaintedScreen {
    Q_OBJECT
public:
    // Card pictures for the decoration are read from `assetFolder`/carte.
    explicit FeltWidget(const QString& assetFolder, QWidget* parent = nullptr);

protected:
    void paintBackground(QPixmap& background) override;

private:
    void paintFan(QPainter& painter, QPointF pivot, const QStringList& cards, qreal firstAngle,
                  qreal step);

    QString assetFolder_;
};

}  // namespace zelvaro::ui
