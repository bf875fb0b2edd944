#include "ui/TextScrollArea.h"

#include <QEvent>
#include <QScrollBar>

namespace zelvaro::ui {

TextScrollArea::TextScrollArea(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so the text's width never changes under it; gold on a dark track so
    // that it shows beside the paper and on the dark panel alike.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #2a2410; width: 14px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #c9a43a; min-height: 40px; border-radius: 5px;"
        " margin: 2px; }"
        "QScrollBar::handle:vertical:hover { background: #e2bf55; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
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
