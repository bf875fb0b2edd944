#include "primitives/SurfaceSnapshot.h"

namespace zelvaro {
namespace {

bool isTimer(const ControlInfo& info) { return info.name.starts_with("Timer"); }

}  // namespace

void saveSurface(const Surface& surface, StateWriter& out) {
    int count = 0;
    forEachControl([&](Control, const ControlInfo&) { ++count; });
    out.number(count);
    out.flag(surface.windowEnabled());
    forEachControl([&](Control c, const ControlInfo& info) {
        if (isTimer(info)) {
            out.flag(surface.enabled(c));
            out.number(surface.interval(c));
            out.number(surface.enabled(c) ? surface.timerRemaining(c) : 0);
            return;
        }
        out.text(surface.caption(c));
        out.text(surface.picture(c));
        out.flag(surface.visible(c));
        out.flag(surface.enabled(c));
        out.flag(surface.checked(c));
        for (const int twips : {surface.left(c), surface.top(c), surface.width(c), surface.height(c)}) out.number(twips);
        out.number(surface.foreColor(c));
        const std::vector<std::string> items = surface.items(c);
        out.number(static_cast<std::int64_t>(items.size()));
        for (const std::string& item : items) out.text(item);
    });
}

SavedSurface readSurface(StateReader& in) {
    int count = 0;
    forEachControl([&](Control, const ControlInfo&) { ++count; });
    if (in.number() != count) throw BadStateRecord("another window");
    SavedSurface saved;
    saved.windowEnabled = in.flag();
    std::vector<ControlLook>& looks = saved.looks;
    looks.reserve(static_cast<std::size_t>(count));
    constexpr std::int64_t kFarTwips = 1'000'000;
    forEachControl([&](Control c, const ControlInfo& info) {
        ControlLook look;
        look.control = c;
        look.timer = isTimer(info);
        if (look.timer) {
            look.enabled = in.flag();
            look.interval = static_cast<int>(in.number(0, 86'400'000));
            look.remaining = static_cast<int>(in.number(0, 86'400'000));
        } else {
            look.caption = in.text();
            look.picture = in.text();
            look.visible = in.flag();
            look.enabled = in.flag();
            look.checked = in.flag();
            for (int* twips : {&look.left, &look.top, &look.width, &look.height}) {
                *twips = static_cast<int>(in.number(-kFarTwips, kFarTwips));
            }
            look.color = static_cast<std::uint32_t>(in.number(0, 0xFFFFFFFF));
            const auto items = in.number(0, 100'000);
            for (std::int64_t i = 0; i < items; ++i) look.items.push_back(in.text());
        }
        looks.push_back(std::move(look));
    });
    return saved;
}

void applySurface(Surface& surface, const SavedSurface& saved) {
    for (const ControlLook& look : saved.looks) {
        const Control c = look.control;
        if (look.timer) {
            surface.setEnabled(c, false);
            surface.setInterval(c, look.interval);
            if (look.enabled) surface.resumeTimer(c, look.remaining);
            continue;
        }
        if (!look.items.empty() || !surface.items(c).empty()) {
            surface.clearItems(c);
            for (const std::string& item : look.items) surface.addItem(c, item);
        }
        surface.setCaption(c, look.caption);
        surface.setPicture(c, look.picture);
        // Only what the game moved: the window lays out the rest itself.
        if (surface.left(c) != look.left) surface.setLeft(c, look.left);
        if (surface.top(c) != look.top) surface.setTop(c, look.top);
        if (surface.width(c) != look.width) surface.setWidth(c, look.width);
        if (surface.height(c) != look.height) surface.setHeight(c, look.height);
        surface.setForeColor(c, look.color);
        surface.setChecked(c, look.checked);
        surface.setEnabled(c, look.enabled);
        surface.setVisible(c, look.visible);
    }
    surface.setWindowEnabled(saved.windowEnabled);
}

}  // namespace zelvaro
