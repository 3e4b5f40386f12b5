#include "dialog/layout.h"

#include <algorithm>

namespace zarn::layout {

std::array<const Control*, 6> TabOrder() {
    std::array<const Control*, 8> all{};
    for (std::size_t i = 0; i < kControls.size(); ++i) all[i] = &kControls[i];
    std::sort(all.begin(), all.end(), [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    std::array<const Control*, 6> order{};
    std::size_t n = 0;
    for (const Control* c : all)
        if (c->tabIndex >= 0 && c->kind != Kind::Label && c->kind != Kind::CommonDialog) order[n++] = c;
    return order;
}

}  // namespace zarn::layout
