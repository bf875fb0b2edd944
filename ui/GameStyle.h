// The look of the input widgets (text boxes, lists, check boxes): Fusion, with larger check
// boxes drawn in the game's colours.
#pragma once

#include <QProxyStyle>

namespace zelvaro::ui {

class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    GameStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // Cream fields with dark text and a gold selection, for text boxes and lists.
    static QPalette inputPalette(const QPalette& base);
};

}  // namespace zelvaro::ui
