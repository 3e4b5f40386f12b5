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

namespace uidriver {

namespace layout = zarn::layout;

// How long a verb waits for a window (-t SECONDS).
extern double g_timeout_s;

// Prints "error: ..." and ends the driver with exit code 1.
[[noreturn]] void fail(const char* fmt, const char* arg = "");

// Text printed on one line: line breaks become the two characters "\n".
std::string one_line(std::wstring_view w);

LRESULT send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
std::wstring text_of(HWND hwnd);
std::wstring class_of(HWND hwnd);
std::wstring caption_of(HWND hwnd);

std::vector<HWND> visible_top_level();

template <class Pred>
HWND find_top_level(Pred pred) {
    for (HWND h : visible_top_level())
        if (pred(h)) return h;
    return nullptr;
}

// The first visible top-level window that fits, waited for up to g_timeout_s.
template <class Pred>
HWND wait_for(Pred pred, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(g_timeout_s);
    for (;;) {
        if (HWND h = find_top_level(pred)) return h;
        if (std::chrono::steady_clock::now() > deadline) fail("timed out waiting for %s", what);
        Sleep(50);
    }
}

bool is_box(HWND h);
bool is_dialog(HWND h);
bool is_file_open(HWND h);
HWND wait_dialog();

// The dialog's child windows, by tab index; the file-open box is no window of its own.
extern const std::array<const layout::Control*, layout::kWindowControlCount> kWindowControls;

// The design name of a child of the dialog ("<none>", "<dialog>" or "<id N>" otherwise).
std::string name_of(HWND dialog, HWND child);

// A control of the dialog by its design, id or name; fails when there is none.
HWND control(HWND dialog, const layout::Control& c);
HWND control(HWND dialog, int control_id);
HWND control(HWND dialog, std::string_view name);

std::wstring combo_row(HWND combo, LRESULT row);

// The window with the keyboard focus in the thread that owns this window.
HWND focus_in(HWND window);

// A window's rectangle in its dialog's client coordinates.
RECT rect_in(HWND dialog, HWND child);

// The dialog's tab order walked from the focused control until it closes, as
// " name name ... -> name"; empty when no control has the focus.
std::string tab_order(HWND dialog);

// The standard icon a message box shows ("critical", "information", ...), told by its pixels.
const char* icon_name(HWND box);

}  // namespace uidriver
