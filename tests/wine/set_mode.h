#pragma once
// Switches the display to "WxHxB" and records it as the user's mode, as a game
// leaving the desktop behind would. Shared by the stand-in game and the UI driver.

#include <windows.h>

#include <cwchar>

// Returns the DISP_CHANGE code, or DISP_CHANGE_BADPARAM for text that is not WxHxB.
inline LONG SetModeFromText(const wchar_t* mode) {
    unsigned w = 0, h = 0, b = 0;
    if (std::swscanf(mode, L"%ux%ux%u", &w, &h, &b) != 3) return DISP_CHANGE_BADPARAM;
    DEVMODEW dm{};
    dm.dmSize = sizeof dm;
    dm.dmPelsWidth = w;
    dm.dmPelsHeight = h;
    dm.dmBitsPerPel = b;
    dm.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    return ChangeDisplaySettingsW(&dm, CDS_UPDATEREGISTRY);
}
