#include "ui/TextScrollArea.h"

#include <QEvent>
#include <QScrollBar>

namespace zelvaro::ui {

TextScrollArea::TextScrollArea(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so the text's width never changes under it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TextScrollArea::setText(QWidget* text) {
    setWidget(text);
    fitText();
}

void TextScrollArea::fitText() {
    QWidget* text = widget();
    if (text == nullptr) return;
    const int width = viewport()->width();
    const int height = std::max(viewport()->height(), text->heightForWidth(width));
    if (text->size() != QSize(width, height)) text->resize(width, height);
}

bool TextScrollArea::viewportEvent(QEvent* event) {
    // A new text asks its parent, the viewport, for a new layout.
    if (event->type() == QEvent::LayoutRequest) fitText();
    return QScrollArea::viewportEvent(event);
}

void TextScrollArea::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    fitText();
}

void TextScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fitText();
}

}  // namespace zelvaro::ui
