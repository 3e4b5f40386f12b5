#include "win32/dialog_painter.h"

#include <string_view>
#include <utility>

namespace zarn::win32 {

namespace {

std::size_t RowOf(const layout::Control& design) {
    return static_cast<std::size_t>(&design - layout::kControls.data());
}

bool IsTransparent(const layout::Control& design) { return design.backColour == layout::kTransparent; }

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// In high contrast the buttons (the check box is one) take the system's button colours
// (background, text), the other controls its window colours.
std::pair<int, int> SystemColours(const layout::Control& design) {
    const bool button = std::wstring_view(KindOf(design.kind).windowClass) == L"BUTTON";
    return button ? std::pair{COLOR_BTNFACE, COLOR_BTNTEXT} : std::pair{COLOR_WINDOW, COLOR_WINDOWTEXT};
}

}  // namespace

PaintColours::PaintColours(HBRUSH background) : background_(background), highContrast_(HighContrastOn()) {
    for (const layout::Control& design : layout::kControls)
        if (!IsTransparent(design)) brushes_[RowOf(design)].reset(CreateSolidBrush(design.backColour));
}

bool PaintColours::FollowHighContrast() {
    const bool was = std::exchange(highContrast_, HighContrastOn());
    return highContrast_ != was;
}

Colours PaintColours::Of(const layout::Control& design, bool busy) const {
    if (!highContrast_) return {design.backColour, busy ? layout::kBusyTextColour : design.textColour};
    const auto [back, text] = SystemColours(design);
    return {GetSysColor(back), GetSysColor(busy ? COLOR_GRAYTEXT : text)};
}

// A transparent control shows the background picture, but in high contrast the system's colour.
bool PaintColours::ShowsBackground(const layout::Control& design) const {
    return !highContrast_ && IsTransparent(design);
}

HBRUSH PaintColours::BackBrush(const layout::Control& design) const {
    if (ShowsBackground(design)) return background_;
    return highContrast_ ? GetSysColorBrush(SystemColours(design).first) : brushes_[RowOf(design)].get();
}

COLORREF PaintColours::BusyHatch() const {
    return highContrast_ ? GetSysColor(COLOR_GRAYTEXT) : layout::kBusyHatchColour;
}

}  // namespace zarn::win32
