#include "engine/Controls.h"

#include <array>

namespace zelvaro {
namespace {

constexpr std::array<ControlInfo, kControlIdCount> kInfo{{
#define ZELVARO_INFO(name, elements, visible) {#name, elements, visible != 0},
    ZELVARO_CONTROLS(ZELVARO_INFO)
#undef ZELVARO_INFO
}};

constexpr std::array<int, kControlIdCount + 1> makeOffsets() {
    std::array<int, kControlIdCount + 1> offsets{};
    for (int i = 0; i < kControlIdCount; ++i) {
        offsets[i + 1] = offsets[i] + (kInfo[i].elements == 0 ? 1 : kInfo[i].elements);
    }
    return offsets;
}

constexpr auto kOffsets = makeOffsets();

}  // namespace

const ControlInfo& controlInfo(ControlId id) { return kInfo[static_cast<int>(id)]; }

std::string objectName(Control c) {
    std::string name(controlInfo(c.id).name);
    if (c.index >= 0) {
        name += '(';
        name += std::to_string(c.index);
        name += ')';
    }
    return name;
}

int controlSlotCount() { return kOffsets[kControlIdCount]; }

int controlSlot(Control c) {
    const int base = kOffsets[static_cast<int>(c.id)];
    return c.index < 0 ? base : base + c.index;
}

}  // namespace zelvaro
