// The tournament standings screen (Picture27): a ruled sheet of twenty rows with flags, seven
// text columns under their header, and the page controls.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zelvaro::ui {

class ControlBuilder;

class StandingsPanel : public QWidget {
    Q_OBJECT
public:
    explicit StandingsPanel(QWidget* parent = nullptr);

    void build(ControlBuilder& make);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintSheet();

    QPixmap sheet_;
};

}  // namespace zelvaro::ui
