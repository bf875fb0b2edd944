// Everything the window shows, every control's properties and where the timers stand, saved
// into a state record and put back: the table of a saved game, exactly as it was left.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "primitives/Controls.h"
#include "primitives/StateRecord.h"
#include "primitives/Surface.h"

namespace zelvaro {

// A fingerprint of a list of controls: each one's name and element count, in order. A control
// renamed, added, taken away, moved or resized to another number of elements changes it.
constexpr std::uint64_t controlsFingerprint(std::span<const ControlInfo> controls) {
    std::uint64_t hash = fnv1a("");
    for (const ControlInfo& info : controls) {
        hash = fnv1a(info.name, hash);
        const char elements[] = {'(', static_cast<char>(info.elements & 0xFF),
                                 static_cast<char>((info.elements >> 8) & 0xFF), ')'};
        hash = fnv1a(std::string_view(elements, sizeof elements), hash);
    }
    return hash;
}
// That of the window's own controls.
constexpr std::uint64_t controlsFingerprint() {
    return controlsFingerprint(detail::kControlInfo);
}
// A control the window gains goes at the end of its list, so that the controls of an earlier
// window are the head of today's: how many, for a record that opens its window's part with
// `opening`, the fingerprint of those controls; -1 when no head of the list has it.
int controlsWithFingerprint(std::int64_t opening);
// The same for the first records, which opened with the number of the controls' slots and
// were all written by the window of fingerprint `window`.
int controlsWithSlotCount(std::int64_t slots, std::uint64_t window);

// One control as the window shows it.
struct ControlLook {
    Control control{};
    bool timer = false;
    std::string caption, picture;
    bool visible = false, enabled = false, checked = false;
    int left = 0, top = 0, width = 0, height = 0;
    std::uint32_t color = 0;
    std::vector<std::string> items;
    int interval = 0, remaining = 0;
};

// A timer: whether it runs, its interval, and what is left to its next tick while it runs;
// any other control: what it shows and where.
template <class Io, Saved<ControlLook> L>
void fields(Io& io, L& look) {
    constexpr std::int64_t kDayMs = 86'400'000, kFarTwips = 1'000'000;
    if (look.timer) {
        io(look.enabled);
        io(look.interval, 0, kDayMs);
        io(look.remaining, 0, kDayMs);
        return;
    }
    io(look.caption);
    io(look.picture);
    io(look.visible);
    io(look.enabled);
    io(look.checked);
    for (auto* twips : {&look.left, &look.top, &look.width, &look.height}) {
        io(*twips, -kFarTwips, kFarTwips);
    }
    io(look.color);
    io(look.items);
}

struct SavedSurface {
    // What the window's part opens with: the fingerprint of the controls it was written with,
    // so that a record of another window is refused as of another version, not misread.
    std::int64_t controls = static_cast<std::int64_t>(controlsFingerprint());
    bool windowEnabled = true;
    std::vector<ControlLook> looks;  // one a control, in the list's order
};

template <class Io, Saved<SavedSurface> S>
void fields(Io& io, S& saved) {
    io.expect(saved.controls);
    io(saved.windowEnabled);
    for (auto& look : saved.looks) io(look);
}

// The window as it stands.
SavedSurface snapshotSurface(const Surface& surface);
// The window's first `head` controls (all of them unless told), blank, to read a record into:
// the record must open with `controls`. Reading changes nothing, so that a record that does
// not read leaves the window as it was; put back, it leaves the controls past the head as
// the window has them.
SavedSurface blankSurface(std::int64_t controls, int head = kControlIdCount);
void applySurface(Surface& surface, const SavedSurface& saved);

}  // namespace zelvaro
