#include "setup/layout.h"

#include <algorithm>

namespace zarn::layout {

std::array<const Control*, kControlCount> ControlsByTabIndex() {
    std::array<const Control*, kControlCount> order{};
    for (std::size_t n = 0; n < kControls.size(); ++n) order[n] = &kControls[n];
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

const Control* ControlWithId(int id) {
    for (const Control& c : kControls)
        if (c.id == id) return &c;
    return nullptr;
}

const Control* ControlNamed(std::string_view name) {
    for (const Control& c : kControls)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace zarn::layout
