#pragma once
// Finding ZarnRes's windows, waiting for them, and reading what they show. Every
// message to the program is bounded in time, so a hung target fails a check
// instead of hanging the test.
#include <windows.h>

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "setup/layout.h"
#include "win32/text.h"

namespace uidriver {

namespace layout = zarn::layout;
using zarn::win32::Narrow;
using zarn::win32::Widen;

// How long a verb waits for a window (-t SECONDS).
extern double timeoutSeconds;

// Prints "error: ..." and ends the driver with exit code 1.
[[noreturn]] void Fail(const char* fmt, const char* arg = "");

// Text printed on one line: line breaks become the two characters "\n".
std::string OneLine(std::wstring_view w);

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
std::wstring CaptionOf(HWND hwnd);

std::vector<HWND> VisibleTopLevel();

template <class Pred>
HWND FindTopLevel(Pred pred) {
    for (HWND h : VisibleTopLevel())
        if (pred(h)) return h;
    return nullptr;
}

// Asks every 50 ms until done() answers true or the seconds have passed; whether it did.
template <class Done>
bool Within(double seconds, Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(50);
    }
}

// The first visible top-level window that fits, waited for up to timeoutSeconds.
template <class Pred>
HWND WaitFor(Pred pred, const char* what) {
    HWND h = nullptr;
    if (!Within(timeoutSeconds, [&] { return (h = FindTopLevel(pred)) != nullptr; }))
        Fail("timed out waiting for %s", what);
    return h;
}

bool IsBox(HWND h);
// A message box's text on one line.
std::string BoxText(HWND box);
bool IsDialog(HWND h);
bool IsFileOpen(HWND h);
HWND WaitDialog();

// The dialog's child windows, by tab index; the file-open box is no window of its own.
extern const std::array<const layout::Control*, layout::kControlCount> kWindowControls;

// The design name of a child of the dialog ("<none>", "<dialog>" or "<id N>" otherwise).
std::string NameOf(HWND dialog, HWND child);

// A control of the dialog by its design, id or name; fails when there is none.
HWND ControlWindow(HWND dialog, const layout::Control& c);
HWND ControlWindow(HWND dialog, int controlId);
HWND ControlWindow(HWND dialog, std::string_view name);

std::wstring ComboRow(HWND combo, LRESULT row);
// The selected row's text of a list, "<none>" when none is selected.
std::string SelectedRowText(HWND combo);

// The window with the keyboard focus in the thread that owns this window.
HWND FocusIn(HWND window);

// A window's rectangle in its dialog's client coordinates.
RECT RectIn(HWND dialog, HWND child);

// The dialog's tab order walked from the focused control until it closes, as
// " name name ... -> name"; empty when no control has the focus.
std::string TabOrder(HWND dialog);

// The standard icon a message box shows ("critical", "information", ...), told by its pixels.
const char* IconName(HWND box);

}  // namespace uidriver
