#include "dialog/layout.h"

#include <algorithm>
#include <stdexcept>

namespace zarn::layout {

std::array<const Control*, 7> ControlsByTabIndex() {
    std::array<const Control*, 7> order{};
    std::size_t n = 0;
    for (const Control& c : kControls)
        if (c.kind != Kind::CommonDialog) order[n++] = &c;
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

const Control& ControlWithId(int id) {
    for (const Control& c : kControls)
        if (c.id == id && c.kind != Kind::CommonDialog) return c;
    throw std::out_of_range("no control with that id");
}

}  // namespace zarn::layout
