#pragma once

// The main window as data: one row per control, in reading order. Positions
// and sizes are in twips (1/1440 inch); at 96 dpi 15 twips make one pixel and
// every value here is a whole number of pixels.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace window {

// What each control is; the table's name column keeps the form names
// ("Text1", ...) as the widgets' object names.
enum class ControlId {
    DrawPrompt,        // Label1
    FirstDigit,        // Text1
    SecondDigit,       // Text2
    ThirdDigit,        // Text3
    Calculate,         // Command1
    Clear,             // Command2
    FirstSetLabel,     // Label2
    FirstSet,          // Text4
    SecondSetLabel,    // Label3
    SecondSet,         // Text5
    SharedDigitsLabel, // Label4
    SharedDigits,      // Text7
    Copy,              // Command3
    TwoLineText,       // Text6
};
inline constexpr std::size_t ControlCount = 14;

enum class ControlKind { Label, TextBox, MultiLineTextBox, Button };

struct Rgb {
    std::uint8_t red, green, blue;
};

// A font of its own; a control without one (family == nullptr) uses the
// window's default font.
struct FontSpec {
    const char *family = nullptr; // UTF-8
    int size = 0;                 // twips: 20 to a point, so 14.25 pt is 285
    int weight = 0;               // 400 regular, 700 bold
};

struct ControlSpec {
    ControlId id;
    const char *name;
    ControlKind kind;
    int left, top, width, height; // twips
    const char *caption;          // UTF-8; the initial text of a box is empty
    FontSpec font;
    std::optional<Rgb> colour;  // the text colour; none: the toolkit's default
    int tabIndex;               // labels hold one but never take the focus
    const char *accessibleName; // UTF-8; what a screen reader says the control is
};

inline constexpr const char *SongTi = "宋体";
inline constexpr const char *HeiTi = "黑体";
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Olive{128, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Magenta{255, 0, 255};
inline constexpr int Regular = 400;
inline constexpr int Bold = 700;

// clang-format off
inline constexpr std::array<ControlSpec, ControlCount> ControlTable{{
    // id                            name        kind                          left   top  width height caption              font (size in twips)         colour    tab  accessible name
    {ControlId::DrawPrompt,          "Label1",   ControlKind::Label,            600,  480, 2295, 375, "请输入3码奖号：", {HeiTi, 285, Bold},    Red,          0, "请输入3码奖号"},
    {ControlId::FirstDigit,          "Text1",    ControlKind::TextBox,         2880,  360,  495, 495, "",              {SongTi, 315, Bold},   std::nullopt, 1, "开奖号码第一位"},
    {ControlId::SecondDigit,         "Text2",    ControlKind::TextBox,         3480,  360,  495, 495, "",              {SongTi, 315, Bold},   std::nullopt, 3, "开奖号码第二位"},
    {ControlId::ThirdDigit,          "Text3",    ControlKind::TextBox,         4080,  360,  495, 495, "",              {SongTi, 315, Bold},   std::nullopt, 6, "开奖号码第三位"},
    {ControlId::Calculate,           "Command1", ControlKind::Button,           840, 1200, 1335, 495, "计算",          {},                      std::nullopt, 4, "计算"},
    {ControlId::Clear,               "Command2", ControlKind::Button,          3120, 1200, 1455, 495, "清空",          {},                      std::nullopt, 5, "清空"},
    {ControlId::FirstSetLabel,       "Label2",   ControlKind::Label,            840, 2040, 1575, 375, "Morvelin一：",  {HeiTi, 240, Bold},       Red,          8, "Morvelin一"},
    {ControlId::FirstSet,            "Text4",    ControlKind::TextBox,         2400, 1920, 2175, 495, "",              {SongTi, 300, Regular},   std::nullopt, 2, "Morvelin一"},
    {ControlId::SecondSetLabel,      "Label3",   ControlKind::Label,            840, 2760, 1575, 375, "Morvelin二：",  {HeiTi, 240, Bold},       Olive,        9, "Morvelin二"},
    {ControlId::SecondSet,           "Text5",    ControlKind::TextBox,         2400, 2640, 2175, 495, "",              {SongTi, 300, Regular},   std::nullopt, 7, "Morvelin二"},
    {ControlId::SharedDigitsLabel,   "Label4",   ControlKind::Label,           1200, 3480, 1215, 375, "四胆码：",      {HeiTi, 240, Regular},    Blue,        12, "四胆码"},
    {ControlId::SharedDigits,        "Text7",    ControlKind::TextBox,         2400, 3360, 2175, 495, "",              {SongTi, 300, Regular},   std::nullopt, 13, "四胆码"},
    {ControlId::Copy,                "Command3", ControlKind::Button,           840, 4200, 1335, 495, "复制",          {},                      std::nullopt, 11, "复制"},
    {ControlId::TwoLineText,         "Text6",    ControlKind::MultiLineTextBox, 2400, 4080, 2175, 735, "",             {SongTi, 240, Regular},   Magenta,     10, "要复制的两行文本"},
}};
// clang-format on

inline constexpr const char *WindowTitle = "Morvelin";
inline constexpr int ClientWidth = 5535;  // twips
inline constexpr int ClientHeight = 5100; // twips

// The message boxes are at least this wide, so that a title bar has room for
// the whole caption beside its close button.
inline constexpr int MessageBoxMinimumWidth = 3600; // twips

inline constexpr int TwipsPerPixel = 15;

// Device-independent pixels; the toolkit scales them on high-density screens.
// Font sizes convert the same way, so text scales together with the boxes:
// 12 pt (240 twips) is 16 px, 14.25 pt 19, 15 pt 20 and 15.75 pt 21.
constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr const ControlSpec &specOf(ControlId id)
{
    return ControlTable[static_cast<std::size_t>(id)];
}

// What the code relies on, checked when it compiles.
namespace detail {

constexpr bool rowsFollowTheIds()
{
    for (std::size_t row = 0; row < ControlTable.size(); ++row)
        if (static_cast<std::size_t>(ControlTable[row].id) != row)
            return false;
    return true;
}

constexpr bool tabIndicesAreAnOrder()
{
    std::array<bool, ControlCount> taken{};
    for (const ControlSpec &spec : ControlTable) {
        if (spec.tabIndex < 0 || static_cast<std::size_t>(spec.tabIndex) >= ControlCount ||
            taken[static_cast<std::size_t>(spec.tabIndex)])
            return false;
        taken[static_cast<std::size_t>(spec.tabIndex)] = true;
    }
    return true;
}

constexpr bool wholePixels(int twips)
{
    return twips % TwipsPerPixel == 0;
}

constexpr bool everyControlIsWholePixels()
{
    return std::all_of(ControlTable.begin(), ControlTable.end(), [](const ControlSpec &spec) {
        const std::array<int, 5> twips{spec.left, spec.top, spec.width, spec.height,
                                       spec.font.size};
        return std::all_of(twips.begin(), twips.end(), wholePixels);
    });
}

} // namespace detail

static_assert(detail::rowsFollowTheIds(), "row i of ControlTable describes ControlId i");
static_assert(detail::tabIndicesAreAnOrder(), "the tab indices are 0 to 13, each once");
static_assert(detail::everyControlIsWholePixels() && detail::wholePixels(ClientWidth) &&
                  detail::wholePixels(ClientHeight) && detail::wholePixels(MessageBoxMinimumWidth),
              "every position, size and font size is whole pixels at 96 dpi");

} // namespace window
