#pragma once

#include <QSize>

#include <cstdint>

class Messages;

// What the start-up checks need to know of the screen; filled from the primary screen by
// the GUI, by hand in tests.
struct ScreenInfo
{
    int width = 0;
    int height = 0;
    int planes = 1;
    int bitsPerPixel = 24;
    double logicalDpiX = 96.0;
};

namespace DisplayCheck {

inline constexpr QSize kMainWindowSize {790, 595};
inline constexpr QSize kMainWindowSizeLargeFonts {792, 563};
inline constexpr QSize kMinimumResolution {800, 600};

// Initial and minimum size of the main window: smaller with large fonts (120 dpi).
QSize mainWindowSize(const ScreenInfo& screen);

// 2 to the power of (planes x bits per pixel) modulo 32.
std::int64_t colourCount(const ScreenInfo& screen);

// Shows the resolution message and returns false when the screen is narrower than 800
// or lower than 600 pixels: the program must then end.
bool checkResolution(const ScreenInfo& screen, Messages& messages);

// Warns when the screen shows only 16 or 256 colours.
void checkColours(const ScreenInfo& screen, Messages& messages);

} // namespace DisplayCheck
