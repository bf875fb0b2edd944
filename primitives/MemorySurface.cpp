#include "primitives/MemorySurface.h"

#include <algorithm>
#include <stdexcept>

namespace zelvaro {

MemorySurface::MemorySurface() : states_(controlSlotCount()) {
    forEachControl([this](Control c, const ControlInfo& info) {
        const bool isTimer = info.name.starts_with("Timer");
        State& s = at(c);
        s.visible = info.visibleAtStart;
        s.enabled = !isTimer;
        s.timer = isTimer;
        if (isTimer) s.interval = timerStartInterval(c.id);
    });
}

void MemorySurface::throwNoSuchControl(Control c) {
    throw std::out_of_range("no such control element: " + objectName(c));
}

void MemorySurface::setCaption(Control c, const std::string& text) {
    State& s = at(c);
    s.caption = text;
    const auto item = std::find(s.items.begin(), s.items.end(), text);
    s.selected = item == s.items.end() ? -1 : static_cast<int>(item - s.items.begin());
}
std::string MemorySurface::caption(Control c) const {
    return at(c).caption;
}
void MemorySurface::setPicture(Control c, const std::string& path) {
    at(c).picture = path;
}
std::string MemorySurface::picture(Control c) const {
    return at(c).picture;
}
void MemorySurface::setVisible(Control c, bool visible) {
    at(c).visible = visible;
}
bool MemorySurface::visible(Control c) const {
    return at(c).visible;
}
void MemorySurface::setEnabled(Control c, bool enabled) {
    State& s = at(c);
    if (s.timer && enabled && !s.enabled) {
        ++s.starts;
        s.remaining = s.interval;
    }
    s.enabled = enabled;
}
bool MemorySurface::enabled(Control c) const {
    return at(c).enabled;
}
void MemorySurface::setLeft(Control c, int twips) {
    at(c).left = twips;
}
void MemorySurface::setTop(Control c, int twips) {
    at(c).top = twips;
}
void MemorySurface::setWidth(Control c, int twips) {
    at(c).width = twips;
}
void MemorySurface::setHeight(Control c, int twips) {
    at(c).height = twips;
}
int MemorySurface::left(Control c) const {
    return at(c).left;
}
int MemorySurface::top(Control c) const {
    return at(c).top;
}
int MemorySurface::width(Control c) const {
    return at(c).width;
}
int MemorySurface::height(Control c) const {
    return at(c).height;
}
void MemorySurface::setForeColor(Control c, std::uint32_t rgb) {
    at(c).color = rgb;
}
std::uint32_t MemorySurface::foreColor(Control c) const {
    return at(c).color;
}
void MemorySurface::setChecked(Control c, bool checked) {
    at(c).checked = checked;
}
bool MemorySurface::checked(Control c) const {
    return at(c).checked;
}
void MemorySurface::clearItems(Control c) {
    at(c).items.clear();
    at(c).selected = -1;
}
void MemorySurface::addItem(Control c, const std::string& item) {
    at(c).items.push_back(item);
}
std::vector<std::string> MemorySurface::items(Control c) const {
    return at(c).items;
}
void MemorySurface::selectItem(Control c, int index) {
    State& s = at(c);
    if (index < 0 || index >= static_cast<int>(s.items.size())) {
        s.selected = -1;
        return;
    }
    s.selected = index;
    s.caption = s.items[static_cast<std::size_t>(index)];
}
void MemorySurface::setInterval(Control timer, int ms) {
    State& s = at(timer);
    // A running timer given a new interval starts over, as the window's timers do.
    if (s.enabled && s.interval != ms) {
        ++s.starts;
        s.remaining = ms;
    }
    s.interval = ms;
}
int MemorySurface::timerRemaining(Control timer) const {
    const State& s = at(timer);
    return s.enabled ? s.remaining : s.interval;
}
void MemorySurface::resumeTimer(Control timer, int firstTickMs) {
    State& s = at(timer);
    ++s.starts;
    s.enabled = true;
    s.remaining = firstTickMs;
}
int MemorySurface::timerStarts(Control timer) const {
    return at(timer).starts;
}
int MemorySurface::interval(Control timer) const {
    return at(timer).interval;
}

MessageAnswer MemorySurface::showMessage(const std::string& text, MessageButtons buttons) {
    messages_.push_back({messageTitle_, text, buttons});
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty())
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Quit;
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void MemorySurface::setWindowSize(int widthTwips, int heightTwips) {
    windowWidth_ = widthTwips;
    windowHeight_ = heightTwips;
}

void MemorySurface::scriptAnswers(std::initializer_list<MessageAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

}  // namespace zelvaro
