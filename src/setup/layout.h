#pragma once
// The setup dialog as designed: the window and its eight controls. Positions and sizes
// are in twips from the client area's top-left corner, made for 12 twips per pixel.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zarn::layout {

inline constexpr int kTwipsPerPixel = 12;  // at 96 DPI; other DPIs scale by DPI/96

inline constexpr std::string_view kCaption = "Select your screen resolution";
inline constexpr std::string_view kWindowClass = "ZarnResDialog";
inline constexpr int kClientWidth = 3888;
inline constexpr int kClientHeight = 2892;

// The window's font, Tahoma 7.8 pt: 13 pixels high at the design's ratio.
inline constexpr std::string_view kFontFace = "Tahoma";
inline constexpr std::string_view kButtonFontFace = "MS Sans Serif";  // the Browse button's own
inline constexpr int kFontPixelHeight = 13;

// Colours as 0x00BBGGRR.
inline constexpr std::uint32_t kDarkBlue = 0x00C00000;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kSilver = 0x00C0C0C0;
inline constexpr std::uint32_t kPlatformDefault = 0xFFFFFFFF;

enum class Kind { PictureButton, CommonDialog, TextBox, PictureCheckBox, DropDownList, Label };
enum class Picture { None, Browse, Run, Check };

struct Control {
    std::string_view name;
    Kind kind;
    int id;  // the window's control id
    int left, top, width, height;
    int tabIndex;           // -1: not in the tab order
    std::string_view text;  // caption, or the accessible name of a picture button
    Picture picture;
    std::uint32_t backColour;
    std::uint32_t textColour;
};

namespace id {
inline constexpr int kRunButton = 100;
inline constexpr int kResolutionList = 101;
inline constexpr int kColourList = 102;
inline constexpr int kSkipDialogCheck = 103;
inline constexpr int kGamePathEdit = 104;
inline constexpr int kGamePathLabel = 105;
inline constexpr int kBrowseButton = 106;
}  // namespace id

// In the order the window creates them.
inline constexpr std::size_t kControlCount = 8;
inline constexpr std::size_t kWindowControlCount = kControlCount - 1;  // all but the file-open box

inline constexpr std::array<Control, kControlCount> kControls{{
    {"browseButton", Kind::PictureButton, id::kBrowseButton, 2760, 1560, 972, 372, 6, "Browse", Picture::Browse, kWhite,
     kPlatformDefault},
    {"fileOpenBox", Kind::CommonDialog, 0, 2280, 1560, 0, 0, -1, "", Picture::None, kPlatformDefault, kPlatformDefault},
    {"gamePathEdit", Kind::TextBox, id::kGamePathEdit, 120, 1200, 3612, 288, 4, "", Picture::None, kDarkBlue, kWhite},
    {"skipDialogCheck", Kind::PictureCheckBox, id::kSkipDialogCheck, 120, 2040, 1812, 252, 3, "Don't show me again",
     Picture::Check, kPlatformDefault, kWhite},
    {"colourList", Kind::DropDownList, id::kColourList, 120, 600, 3612, 288, 2, "", Picture::None, kDarkBlue, kWhite},
    {"resolutionList", Kind::DropDownList, id::kResolutionList, 120, 120, 3612, 288, 1, "", Picture::None, kDarkBlue,
     kWhite},
    {"runButton", Kind::PictureButton, id::kRunButton, 120, 2400, 3615, 375, 0, "Run Vantreel!", Picture::Run, kSilver,
     kPlatformDefault},
    {"gamePathLabel", Kind::Label, id::kGamePathLabel, 120, 960, 1692, 252, 5, "The location of zarnsl.exe",
     Picture::None, kPlatformDefault, kWhite},
}};

// The file-open box of the browse button.
inline constexpr std::string_view kFileOpenTitle = "Please select the location of zarnsl.exe";
inline constexpr std::string_view kFileOpenFilter = "zarnsl.exe|zarnsl.exe";
inline constexpr std::string_view kFileOpenInitialFolder = "C:\\";

// Twips to pixels at a given DPI, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerPixel * 96 / 2) / (kTwipsPerPixel * 96); }

// The window's controls (all but the file-open box) by tab index: the order in which
// the window creates them, which the keyboard's Tab follows.
std::array<const Control*, kWindowControlCount> ControlsByTabIndex();

// The design of the window's control with this id, or nullptr.
const Control* ControlWithId(int id);

// The design of the control with this name, or nullptr.
const Control* ControlNamed(std::string_view name);

}  // namespace zarn::layout
