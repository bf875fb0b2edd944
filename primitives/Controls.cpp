#include "primitives/Controls.h"

namespace zelvaro {

std::string objectName(Control c) {
    std::string name(controlInfo(c.id).name);
    if (c.index >= 0) {
        name += '(';
        name += std::to_string(c.index);
        name += ')';
    }
    return name;
}

}  // namespace zelvaro
