// The one narrow interface through which the game shows anything: control properties,
// timers and message boxes, addressed by control name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "primitives/Controls.h"

namespace zelvaro {

enum class MessageButtons { Ok, YesNo, CopyOrQuit };
enum class MessageAnswer { Ok, Yes, No, Copy, Quit };

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kHighlightColor = 0xC0C000;     // red 192, green 192, blue 0
inline constexpr std::uint32_t kButtonTextColor = 0xFFFFFFFF;  // the system colour for button text

inline constexpr int kTwipsPerPixel = 15;

class Surface {
public:
    virtual ~Surface() = default;

    // Caption of a label, text of a text box or combo box.
    virtual void setCaption(Control c, const std::string& text) = 0;
    virtual std::string caption(Control c) const = 0;
    // Picture path relative to the program folder ("carte/14 c.jpg"); empty clears it.
    virtual void setPicture(Control c, const std::string& path) = 0;
    virtual std::string picture(Control c) const = 0;
    virtual void setVisible(Control c, bool visible) = 0;
    virtual bool visible(Control c) const = 0;
    virtual void setEnabled(Control c, bool enabled) = 0;
    virtual bool enabled(Control c) const = 0;
    // Geometry in twips.
    virtual void setLeft(Control c, int twips) = 0;
    virtual void setTop(Control c, int twips) = 0;
    virtual void setWidth(Control c, int twips) = 0;
    virtual void setHeight(Control c, int twips) = 0;
    virtual int left(Control c) const = 0;
    virtual int top(Control c) const = 0;
    virtual int width(Control c) const = 0;
    virtual int height(Control c) const = 0;
    // Text colour; kButtonTextColor restores the system colour.
    virtual void setForeColor(Control c, std::uint32_t rgb) = 0;
    virtual std::uint32_t foreColor(Control c) const = 0;
    // Check boxes.
    virtual void setChecked(Control c, bool checked) = 0;
    virtual bool checked(Control c) const = 0;
    // What a screen reader says of the control (a card of the hand: "Asso di cuori"); empty
    // leaves it to the control's kind.
    virtual void setDescription(Control c, const std::string& text) = 0;
    virtual std::string description(Control c) const = 0;
    // A table's rows, the header first, each row its cells from the left.
    using Rows = std::vector<std::vector<std::string>>;
    virtual void setRows(Control c, const Rows& rows) = 0;
    virtual Rows rows(Control c) const = 0;
    // Combo-box lists.
    virtual void clearItems(Control c) = 0;
    virtual void addItem(Control c, const std::string& item) = 0;
    virtual std::vector<std::string> items(Control c) const = 0;
    // The list's item that is shown, by position: what tells apart two items that read
    // alike. -1 when the shown text is no item's (typed, or set to a text the list lacks).
    // A caption set to a listed text shows the first item that reads so.
    virtual void selectItem(Control c, int index) = 0;
    virtual int selectedItem(Control c) const = 0;
    // Timers: enabled through setEnabled, interval in milliseconds.
    virtual void setInterval(Control timer, int ms) = 0;
    virtual int interval(Control timer) const = 0;
    // How often the timer was started: enabled while it was off, or given a new interval
    // while it ran (which starts it over). A clock that fires the timers itself counts the
    // next tick from each start.
    virtual int timerStarts(Control timer) const = 0;
    // Milliseconds until the running timer's next tick (its interval where time is not real).
    virtual int timerRemaining(Control timer) const { return interval(timer); }
    // Starts the timer with its first tick after `firstTickMs`, then every interval: a timer
    // going on where it stood when the game was saved.
    virtual void resumeTimer(Control timer, int firstTickMs) = 0;
    // A clock that fires the timers itself tells the surface, before each tick, how long
    // each running timer has left, so that the game can save where the timers stand.
    virtual void tellTimerRemaining(Control timer, int ms) { (void)timer, (void)ms; }
    // Keeps the table as it is for `ms` of the player's time: no timer ticks sooner, and every
    // running timer's next tick moves by the same amount, so their order stays as it was.
    // Where time is not real, or while the window runs the ticks itself, nothing waits.
    virtual void holdTable(int ms) { (void)ms; }

    // A modal message box titled with the message title; returns the button pressed.
    // No timer tick runs while it is open.
    virtual MessageAnswer showMessage(const std::string& text, MessageButtons buttons) = 0;
    virtual void setMessageTitle(const std::string& title) = 0;

    // The window's own preferences, shown on the options panel beside the game's options (the
    // pause after a trick): shown as they stand when the panel opens, kept when its options are
    // accepted, and left as they were when the options are refused or rejected.
    virtual void showWindowPreferences() = 0;
    virtual void keepWindowPreferences() = 0;

    // The whole window: size in twips, input on or off, pending events.
    virtual void setWindowSize(int widthTwips, int heightTwips) = 0;
    virtual void setWindowEnabled(bool enabled) = 0;
    virtual bool windowEnabled() const = 0;
    virtual void processEvents() = 0;
    // Unloads the window, which ends the program.
    virtual void closeWindow() = 0;
};

}  // namespace zelvaro
