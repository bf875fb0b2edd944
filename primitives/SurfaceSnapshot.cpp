#include "primitives/SurfaceSnapshot.h"

namespace zelvaro {
namespace {

// A control with nothing read or looked at yet.
ControlLook blankLook(Control c, const ControlInfo& info) {
    ControlLook look;
    look.control = c;
    look.timer = info.name.starts_with("Timer");
    return look;
}

}  // namespace

SavedSurface snapshotSurface(const Surface& surface) {
    SavedSurface saved;
    saved.windowEnabled = surface.windowEnabled();
    forEachControl([&](Control c, const ControlInfo& info) {
        ControlLook look = blankLook(c, info);
        look.enabled = surface.enabled(c);
        if (look.timer) {
            look.interval = surface.interval(c);
            look.remaining = look.enabled ? surface.timerRemaining(c) : 0;
        } else {
            look.caption = surface.caption(c);
            look.picture = surface.picture(c);
            look.visible = surface.visible(c);
            look.checked = surface.checked(c);
            look.left = surface.left(c);
            look.top = surface.top(c);
            look.width = surface.width(c);
            look.height = surface.height(c);
            look.color = surface.foreColor(c);
            look.items = surface.items(c);
        }
        saved.looks.push_back(std::move(look));
    });
    return saved;
}

int controlsWithFingerprint(std::int64_t opening) {
    for (int head = kControlIdCount; head > 0; --head) {
        const auto controls = std::span(detail::kControlInfo).first(head);
        if (static_cast<std::int64_t>(controlsFingerprint(controls)) == opening) return head;
    }
    return -1;
}

int controlsWithSlotCount(std::int64_t slots, std::uint64_t window) {
    for (int head = kControlIdCount; head > 0; --head) {
        const auto controls = std::span(detail::kControlInfo).first(head);
        if (detail::kSlotRanges[head].first == slots && controlsFingerprint(controls) == window) {
            return head;
        }
    }
    return -1;
}

SavedSurface blankSurface(std::int64_t controls, int head) {
    SavedSurface blank;
    blank.controls = controls;
    blank.looks.reserve(static_cast<std::size_t>(detail::kSlotRanges[head].first));
    forEachControl([&](Control c, const ControlInfo& info) {
        if (static_cast<int>(c.id) < head) blank.looks.push_back(blankLook(c, info));
    });
    return blank;
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
