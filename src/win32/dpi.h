#pragma once
// The screen's dots per inch, and the scaling of the design's figures to it: the
// design is drawn for 96 DPI, and every length grows by DPI/96.

#include <windows.h>

#include "setup/layout.h"
#include "win32/gdi.h"

namespace zarn::win32 {

class Dpi {
public:
    static constexpr int kDesign = 96;

    explicit Dpi(int dotsPerInch = kDesign) : value_(dotsPerInch > 0 ? dotsPerInch : kDesign) {}

    // The system DPI (the program is system DPI aware).
    static Dpi OfScreen() {
        const WindowDc screen;
        return Dpi(screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : kDesign);
    }

    int value() const { return value_; }

    // A length in pixels at 96 DPI, in pixels at this DPI, rounded to the nearest.
    int Scale(int px96) const { return MulDiv(px96, value_, kDesign); }
    SIZE Scale(SIZE px96) const { return {Scale(px96.cx), Scale(px96.cy)}; }

    // A length of the design table, in twips, in pixels at this DPI.
    int FromTwips(int twips) const { return layout::ToPixels(twips, value_); }

private:
    int value_;
};

}  // namespace zarn::win32
