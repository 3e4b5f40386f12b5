#pragma once
// The setup dialog as designed: the window and its seven controls, and all the dialog paints
// itself: colours, fonts and pictures. Positions and sizes are in twips from the client
// area's top-left corner, made for 12 twips per pixel.

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

// The fonts, 13 pixels high at the design's ratio: the window's, Tahoma 7.8 pt, and
// the classic one of the Browse button.
inline constexpr std::string_view kFontFace = "Tahoma";
inline constexpr std::string_view kClassicFontFace = "MS Sans Serif";
inline constexpr int kFontPixelHeight = 13;

// Colours as 0x00BBGGRR. A transparent control shows the window's background picture.
// A list's highlighted row takes the system's highlight colours.
inline constexpr std::uint32_t kBlack = 0x00000000;
inline constexpr std::uint32_t kDarkBlue = 0x00C00000;
inline constexpr std::uint32_t kSilver = 0x00C0C0C0;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kTransparent = 0xFFFFFFFF;

// While a game runs the inputs' text and tick show dimmed, readable; the picture buttons hatched.
inline constexpr std::uint32_t kBusyTextColour = 0x00A0A0A0;
inline constexpr std::uint32_t kBusyHatchColour = kBlack;

enum class Kind { PictureButton, TextBox, PictureCheckBox, DropDownList, Label };
enum class Picture { None, Background, Browse, Run, Check };  // Background: the window's, on its colour
enum class Font { Window, Classic };

struct Control {
    std::string_view name;
    Kind kind;
    int id;  // the window's control id
    int left, top, width, height;
    int tabIndex;
    std::string_view text = "";       // caption, or the accessible name of a picture button
    Picture picture = Picture::None;  // a button's face; the check box's, behind its tick and caption
    Font font = Font::Window;
    std::uint32_t backColour = kTransparent;
    std::uint32_t textColour = kBlack;  // also the check box's tick
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

inline constexpr std::size_t kControlCount = 7;

// clang-format off
inline constexpr std::array<Control, kControlCount> kControls{{
    {.name = "browseButton", .kind = Kind::PictureButton, .id = id::kBrowseButton,
     .left = 2760, .top = 1560, .width = 972, .height = 372, .tabIndex = 6,
     .text = "Browse", .picture = Picture::Browse, .font = Font::Classic, .backColour = kWhite},
    {.name = "gamePathEdit", .kind = Kind::TextBox, .id = id::kGamePathEdit,
     .left = 120, .top = 1200, .width = 3612, .height = 288, .tabIndex = 4,
     .backColour = kDarkBlue, .textColour = kWhite},
    {.name = "skipDialogCheck", .kind = Kind::PictureCheckBox, .id = id::kSkipDialogCheck,
     .left = 120, .top = 2040, .width = 1812, .height = 252, .tabIndex = 3,
     .text = "Don't show me again", .picture = Picture::Check, .textColour = kWhite},
    {.name = "colourList", .kind = Kind::DropDownList, .id = id::kColourList,
     .left = 120, .top = 600, .width = 3612, .height = 288, .tabIndex = 2,
     .backColour = kDarkBlue, .textColour = kWhite},
    {.name = "resolutionList", .kind = Kind::DropDownList, .id = id::kResolutionList,
     .left = 120, .top = 120, .width = 3612, .height = 288, .tabIndex = 1,
     .backColour = kDarkBlue, .textColour = kWhite},
    {.name = "runButton", .kind = Kind::PictureButton, .id = id::kRunButton,
     .left = 120, .top = 2400, .width = 3615, .height = 375, .tabIndex = 0,
     .text = "Run Vantreel!", .picture = Picture::Run, .backColour = kSilver},
    {.name = "gamePathLabel", .kind = Kind::Label, .id = id::kGamePathLabel,
     .left = 120, .top = 960, .width = 1692, .height = 252, .tabIndex = 5,
     .text = "The location of zarnsl.exe", .textColour = kWhite},
}};
// clang-format on

// The browse button's file-open box, which is no window of the dialog's.
inline constexpr std::string_view kFileOpenTitle = "Please select the location of zarnsl.exe";
inline constexpr std::string_view kFileOpenFilter = "zarnsl.exe|zarnsl.exe";
inline constexpr std::string_view kFileOpenInitialFolder = "C:\\";

// Twips to pixels at a given DPI, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dpi) { return (twips * dpi + kTwipsPerPixel * 96 / 2) / (kTwipsPerPixel * 96); }

// The window's controls by tab index: the order in which the window creates them, which Tab follows.
std::array<const Control*, kControlCount> ControlsByTabIndex();

// The design of the control with this id, or with this name; nullptr when there is none.
const Control* ControlWithId(int id);
const Control* ControlNamed(std::string_view name);

}  // namespace zarn::layout
