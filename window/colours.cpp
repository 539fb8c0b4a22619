#include "window/colours.h"

#include <array>

namespace window {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb active, inactive, disabled;
};

// The colours of the window's reference pictures: Qt's light standard
// palette.
// clang-format off
constexpr std::array<RoleColours, 20> LightColours{{
    // role                        active                  inactive                disabled
    {QPalette::WindowText,      qRgb(0, 0, 0),          qRgb(0, 0, 0),          qRgb(190, 190, 190)},
    {QPalette::Button,          qRgb(239, 239, 239),    qRgb(239, 239, 239),    qRgb(239, 239, 239)},
    {QPalette::Light,           qRgb(255, 255, 255),    qRgb(255, 255, 255),    qRgb(255, 255, 255)},
    {QPalette::Midlight,        qRgb(202, 202, 202),    qRgb(202, 202, 202),    qRgb(202, 202, 202)},
    {QPalette::Dark,            qRgb(159, 159, 159),    qRgb(159, 159, 159),    qRgb(190, 190, 190)},
    {QPalette::Mid,             qRgb(184, 184, 184),    qRgb(184, 184, 184),    qRgb(184, 184, 184)},
    {QPalette::Text,            qRgb(0, 0, 0),          qRgb(0, 0, 0),          qRgb(190, 190, 190)},
    {QPalette::BrightText,      qRgb(255, 255, 255),    qRgb(255, 255, 255),    qRgb(255, 255, 255)},
    {QPalette::ButtonText,      qRgb(0, 0, 0),          qRgb(0, 0, 0),          qRgb(190, 190, 190)},
    {QPalette::Base,            qRgb(255, 255, 255),    qRgb(255, 255, 255),    qRgb(239, 239, 239)},
    {QPalette::Window,          qRgb(239, 239, 239),    qRgb(239, 239, 239),    qRgb(239, 239, 239)},
    {QPalette::Shadow,          qRgb(118, 118, 118),    qRgb(118, 118, 118),    qRgb(177, 177, 177)},
    {QPalette::Highlight,       qRgb(48, 140, 198),     qRgb(48, 140, 198),     qRgb(145, 145, 145)},
    {QPalette::HighlightedText, qRgb(255, 255, 255),    qRgb(255, 255, 255),    qRgb(255, 255, 255)},
    {QPalette::Link,            qRgb(0, 0, 255),        qRgb(0, 0, 255),        qRgb(0, 0, 255)},
    {QPalette::LinkVisited,     qRgb(255, 0, 255),      qRgb(255, 0, 255),      qRgb(255, 0, 255)},
    {QPalette::AlternateBase,   qRgb(247, 247, 247),    qRgb(247, 247, 247),    qRgb(247, 247, 247)},
    {QPalette::ToolTipBase,     qRgb(255, 255, 220),    qRgb(255, 255, 220),    qRgb(255, 255, 220)},
    {QPalette::ToolTipText,     qRgb(0, 0, 0),          qRgb(0, 0, 0),          qRgb(0, 0, 0)},
    {QPalette::PlaceholderText, qRgba(0, 0, 0, 128),    qRgba(0, 0, 0, 128),    qRgba(0, 0, 0, 128)},
}};
// clang-format on

} // namespace

ColourScheme colourScheme(bool highContrast, const QPalette &desktop)
{
    if (highContrast)
        return ColourScheme::System;
    const bool dark = desktop.color(QPalette::Window).lightness() <
                      desktop.color(QPalette::WindowText).lightness();
    return dark ? ColourScheme::Light : ColourScheme::Desktop;
}

QPalette lightPalette()
{
    QPalette palette;
    for (const RoleColours &colours : LightColours) {
        palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.active));
        palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.inactive));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}

} // namespace window
