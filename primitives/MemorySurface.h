// A surface held in memory: every property a window would show, readable by tests and the
// simulator; message boxes are answered from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "primitives/Surface.h"

namespace zelvaro {

class MemorySurface : public Surface {
public:
    MemorySurface();

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
    void setDescription(Control c, const std::string& text) override { at(c).description = text; }
    std::string description(Control c) const override { return at(c).description; }
    void setRows(Control c, const Rows& rows) override { at(c).rows = rows; }
    Rows rows(Control c) const override { return at(c).rows; }
    void clearItems(Control c) override;
    void addItem(Control c, const std::string& item) override;
    std::vector<std::string> items(Control c) const override;
    void selectItem(Control c, int index) override;
    int selectedItem(Control c) const override { return at(c).selected; }
    void setInterval(Control timer, int ms) override;
    int interval(Control timer) const override;
    int timerStarts(Control timer) const override;
    // What the clock last told, or the interval since the timer last started.
    int timerRemaining(Control timer) const override;
    void resumeTimer(Control timer, int firstTickMs) override;
    void tellTimerRemaining(Control timer, int ms) override { at(timer).remaining = ms; }
    // Nothing waits in memory; the holds asked for are counted.
    void holdTable(int ms) override {
        ++tableHolds_;
        lastHoldMs_ = ms;
    }
    int tableHolds() const { return tableHolds_; }
    int lastHoldMs() const { return lastHoldMs_; }

    MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override;
    void setMessageTitle(const std::string& title) override { messageTitle_ = title; }
    // The window's preferences are the window's: in memory their showings and keepings are
    // counted.
    void showWindowPreferences() override { ++preferencesShown_; }
    void keepWindowPreferences() override { ++preferencesKept_; }
    int preferencesShown() const { return preferencesShown_; }
    int preferencesKept() const { return preferencesKept_; }
    void setWindowSize(int widthTwips, int heightTwips) override;
    void setWindowEnabled(bool enabled) override { windowEnabled_ = enabled; }
    bool windowEnabled() const override { return windowEnabled_; }
    void processEvents() override { ++processedEvents_; }
    void closeWindow() override { windowClosed_ = true; }
    bool windowClosed() const { return windowClosed_; }

    // Answers for the next boxes that ask, in order; an unscripted box gets the answer that
    // changes nothing (No, Esci).
    void scriptAnswers(std::initializer_list<MessageAnswer> answers);
    struct ShownMessage {
        std::string title;
        std::string text;
        MessageButtons buttons;
    };
    const std::vector<ShownMessage>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    const std::string& messageTitle() const { return messageTitle_; }
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }
    int processedEvents() const { return processedEvents_; }

private:
    struct State {
        std::string caption;
        std::string picture;
        std::string description;
        std::vector<std::string> items;
        Rows rows;
        int left = 0, top = 0, width = 0, height = 0, interval = 0, starts = 0, selected = -1;
        int remaining = 0;  // timers: to the next tick
        std::uint32_t color = kButtonTextColor;
        bool visible = true, enabled = true, checked = false, timer = false;
    };
    // The state of a control; a control the window does not have is a programming error.
    State& at(Control c) {
        const int slot = controlSlot(c);
        if (slot < 0) throwNoSuchControl(c);
        return states_[static_cast<std::size_t>(slot)];
    }
    const State& at(Control c) const { return const_cast<MemorySurface*>(this)->at(c); }
    [[noreturn]] static void throwNoSuchControl(Control c);

    std::vector<State> states_;
    std::deque<MessageAnswer> answers_;
    std::vector<ShownMessage> messages_;
    std::string messageTitle_;
    int windowWidth_ = 0, windowHeight_ = 0, processedEvents_ = 0, tableHolds_ = 0, lastHoldMs_ = 0;
    int preferencesShown_ = 0, preferencesKept_ = 0;
    bool windowEnabled_ = true;
    bool windowClosed_ = false;
};

}  // namespace zelvaro
