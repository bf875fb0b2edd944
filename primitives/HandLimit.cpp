#include "primitives/HandLimit.h"

#include <cstdint>

#include "primitives/Surface.h"
#include "primitives/Tournament.h"

namespace zelvaro {

std::string handLimitCaption(int hands) {
    std::string caption = "Max ";
    caption += std::to_string(hands);
    caption += " Mani al Termine";
    return caption;
}

void applyHandLimit(Surface& surface, Tournament& tournament, const std::string& limite,
                    LimitScope scope) {
    int hands = 0;
    if (limite == "Senza Limite")
        hands = -1;
    else if (limite == "Limite 10 Mani")
        hands = 10;
    else if (limite == "Limite 20 Mani")
        hands = 20;
    else
        return;
    surface.setCaption(ctl::Label48, hands < 0 ? kNoHandLimitCaption : handLimitCaption(hands));
    tournament.handsleft = static_cast<std::int16_t>(hands);
    if (scope == LimitScope::AllTables) tournament.passesleft = static_cast<std::int16_t>(hands);
}

}  // namespace zelvaro
