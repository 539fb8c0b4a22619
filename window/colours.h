#pragma once

// The window's colours. The captions' colours of the layout (red, olive, blue,
// magenta) are designed for a light window; a high-contrast theme's own
// colours come before them.

#include <QPalette>

namespace window {

enum class ColourScheme {
    Desktop, // the desktop's palette, a light one, and the captions' colours
    Light,   // a dark desktop: lightPalette() for the whole application, and
             // the captions' colours
    System,  // a high-contrast theme: the system's palette alone, every
             // caption in its text colour
};

// desktop: the palette the application inherits from the desktop; dark when
// its window colour is darker than its text.
ColourScheme colourScheme(bool highContrast, const QPalette &desktop);

// The light palette the window is designed for, whatever the style and the
// platform theme: every role in every state.
QPalette lightPalette();

} // namespace window
