// A saved game written by a window with fewer controls, those it had being the head of
// today's list, still reads: its controls come back as they were saved, and the controls the
// window gained since stay as the window has them. A record of any other window is refused.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "engine/SessionRecord.h"
#include "primitives/MemorySurface.h"

namespace zelvaro {
namespace {

// A table whose every control says which it is, so that a control read into the wrong place
// shows.
MemorySurface namedWindow(const std::string& mark) {
    MemorySurface surface;
    forEachControl([&](Control c, const ControlInfo& info) {
        if (info.name.starts_with("Timer")) return;
        surface.setCaption(c, mark + objectName(c));
        surface.setLeft(c, static_cast<int>(c.id) * 15);
    });
    return surface;
}

// The record the window of the first `head` controls would have written of `surface`.
std::string recordOfEarlierWindow(const MemorySurface& surface, int head) {
    SavedGame game;
    game.window = snapshotSurface(surface);
    game.window.controls =
        static_cast<std::int64_t>(controlsFingerprint(std::span(detail::kControlInfo).first(head)));
    game.window.looks.resize(static_cast<std::size_t>(detail::kSlotRanges[head].first));
    return writeSavedGame(game);
}

TEST(EarlierWindowRecordTest, AnEarlierWindowsControlsComeBackAndTheNewOnesStay) {
    const MemorySurface saved = namedWindow("saved ");
    for (const int head : {kControlIdCount, kControlIdCount - 1, kControlIdCount - 3, 2}) {
        SCOPED_TRACE("the first " + std::to_string(head) + " controls");
        const SavedGame read = readSavedGame(recordOfEarlierWindow(saved, head));
        ASSERT_EQ(read.window.looks.size(),
                  static_cast<std::size_t>(detail::kSlotRanges[head].first));
        EXPECT_EQ(read.window.controls, static_cast<std::int64_t>(controlsFingerprint()));

        MemorySurface window = namedWindow("today ");
        applySurface(window, read.window);
        forEachControl([&](Control c, const ControlInfo& info) {
            if (info.name.starts_with("Timer")) return;
            const bool wasSaved = static_cast<int>(c.id) < head;
            EXPECT_EQ(window.caption(c), (wasSaved ? "saved " : "today ") + objectName(c));
            EXPECT_EQ(window.left(c), static_cast<int>(c.id) * 15);
        });
    }
}

TEST(EarlierWindowRecordTest, ARecordOfAnotherWindowIsRefused) {
    const MemorySurface saved = namedWindow("saved ");
    SavedGame game;
    game.window = snapshotSurface(saved);
    // The same number of controls, not the same controls.
    game.window.controls = static_cast<std::int64_t>(controlsFingerprint()) ^ 1;
    EXPECT_THROW(readSavedGame(writeSavedGame(game)), BadStateRecord);
    // A window that had controls today's has not, in a list longer than the head.
    game.window.looks.push_back(game.window.looks.back());
    game.window.controls = static_cast<std::int64_t>(controlsFingerprint());
    EXPECT_THROW(readSavedGame(writeSavedGame(game)), BadStateRecord);
}

}  // namespace
}  // namespace zelvaro
