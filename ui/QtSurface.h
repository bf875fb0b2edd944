// The game's surface over the real window: every control property the game sets lands on
// the widget of the same name. Setting a property to the value it already has does nothing,
// so the frequent refreshes of the table cost no repaint.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "primitives/Surface.h"
#include "ui/ControlSlots.h"
#include "ui/MotionPlan.h"
#include "ui/PictureCache.h"

class QTimer;
class QWidget;

namespace zelvaro::ui {

class MainWindow;

class QtSurface : public Surface {
public:
    // Pictures are read from `assetFolder`. Throws std::logic_error when the window lacks
    // a control of the game.
    QtSurface(MainWindow& window, const QString& assetFolder);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    void setCaption(Control c, const std::string& text) override;
    std::string caption(Control c) const override;
    void setPicture(Control c, const std::string& path) override;
    std::string picture(Control c) const override;
    void setVisible(Control c, bool visible) override;
    bool visible(Control c) const override;
    void setEnabled(Control c, bool enabled) override;
    bool enabled(Control c) const override;
    void setLeft(Control c, int twips) override;
    void setTop(Control c, int twips) override;
    void setWidth(Control c, int twips) override;
    void setHeight(Control c, int twips) override;
    int left(Control c) const override;
    int top(Control c) const override;
    int width(Control c) const override;
    int height(Control c) const override;
    void setForeColor(Control c, std::uint32_t rgb) override;
    std::uint32_t foreColor(Control c) const override;
    void setChecked(Control c, bool checked) override;
    bool checked(Control c) const override;
    // The widget's accessible name.
    void setDescription(Control c, const std::string& text) override;
    std::string description(Control c) const override;
    // The rows of a statistics table; other controls have none.
    void setRows(Control c, const Rows& rows) override;
    Rows rows(Control c) const override;
    void clearItems(Control c) override;
    void addItem(Control c, const std::string& item) override;
    std::vector<std::string> items(Control c) const override;
    void selectItem(Control c, int index) override;
    int selectedItem(Control c) const override;
    void setInterval(Control timer, int ms) override;
    int interval(Control timer) const override;
    int timerStarts(Control timer) const override;
    int timerRemaining(Control timer) const override;

    void holdTable(int ms) override;
    void resumeTimer(Control timer, int firstTickMs) override;
    MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
    void setMessageTitle(const std::string& title) override;
    // "Pausa dopo la presa" and "Animazioni", kept in the player's settings.
    void showWindowPreferences() override;
    void keepWindowPreferences() override;

    void setWindowSize(int widthTwips, int heightTwips) override;
    void setWindowEnabled(bool enabled) override;
    bool windowEnabled() const override;
    void processEvents() override;
    void closeWindow() override;

    // The widget behind a control (nullptr for timers).
    QWidget* widget(Control c) const;
    QTimer* timer(Control c) const;

private:
    // How long the cards of a move that begins now may travel: nothing with "Animazioni" on
    // "Nessuna", during "Avanti veloce" or in a "Turbo" game.
    MotionPace motionPace() const;
    // Tells the card motion what a card control shows before it changes.
    void noteCard(Control c);
    // Sets one of the four edges of a control's place, in twips.
    void place(Control c, int ControlSlot::*edge, int twips);

    MainWindow& window_;
    // Shared with the picture boxes, which read their pictures again at each new size.
    std::shared_ptr<PictureCache> pictures_;
    ControlSlots slots_;
    // "Animazioni" as the player last kept it.
    double animationPace_;
};

}  // namespace zelvaro::ui
