#include "setup/layout.h"

#include <algorithm>

namespace zarn::layout {

std::array<const Control*, kWindowControlCount> ControlsByTabIndex() {
    std::array<const Control*, kWindowControlCount> order{};
    std::size_t n = 0;
    for (const Control& c : kControls)
        if (c.kind != Kind::CommonDialog) order[n++] = &c;
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

const Control* ControlWithId(int id) {
    for (const Control& c : kControls)
        if (c.id == id && c.kind != Kind::CommonDialog) return &c;
    return nullptr;
}

const Control* ControlNamed(std::string_view name) {
    for (const Control& c : kControls)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace zarn::layout
