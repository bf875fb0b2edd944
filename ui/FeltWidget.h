// The window's own background (Form1): the felt of the main menu with a gold border and two
// fans of cards. It reports mouse moves over the bare background.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zelvaro::ui {

class FeltWidget : public QWidget {
    Q_OBJECT
public:
    // Card pictures for the decoration are read from `assetFolder`/carte.
    explicit FeltWidget(const QString& assetFolder, QWidget* parent = nullptr);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintBackground();
    void paintFan(QPainter& painter, QPointF pivot, const QStringList& cards, qreal firstAngle,
                  qreal step);

    QString assetFolder_;
    QPixmap background_;
};

}  // namespace zelvaro::ui
