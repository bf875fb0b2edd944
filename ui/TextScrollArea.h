// A scrolling sheet for one long word-wrapped text: the text keeps the sheet's width and
// grows downwards as far as its lines need, whenever it changes or the sheet is shown.
#pragma once

#include <QScrollArea>

namespace zelvaro::ui {

class TextScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit TextScrollArea(QWidget* parent = nullptr);

    // The text widget; it must answer heightForWidth (a word-wrapped label does).
    void setText(QWidget* text);

protected:
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();
};

}  // namespace zelvaro::ui
