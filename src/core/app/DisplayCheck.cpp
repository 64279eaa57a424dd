#include "core/app/DisplayCheck.h"

#include "core/platform/Messages.h"

#include <QCoreApplication>

#include <cmath>

namespace DisplayCheck {

QSize mainWindowSize(const ScreenInfo& screen)
{
    return std::lround(screen.logicalDpiX) == 120 ? kMainWindowSizeLargeFonts
                                                  : kMainWindowSize;
}

std::int64_t colourCount(const ScreenInfo& screen)
{
    const std::int64_t bits = (std::int64_t(screen.planes) * screen.bitsPerPixel) % 32;
    if (bits < 0)
        return 1;
    return std::int64_t(1) << bits;
}

bool checkResolution(const ScreenInfo& screen, Messages& messages)
{
    if (screen.width >= kMinimumResolution.width()
        && screen.height >= kMinimumResolution.height())
        return true;
    messages.information(
        QCoreApplication::translate("Startup",
                                    "Please select a higher screen resolution. %1 cannot be run "
                                    "with the currently set resolution of %2 x %3.",
                                    "IDS_Aufloesung")
            .arg(QCoreApplication::translate("Startup", "Sendora! Special Edition",
                                             "IDS_ProgName"))
            .arg(screen.width)
            .arg(screen.height));
    return false;
}

void checkColours(const ScreenInfo& screen, Messages& messages)
{
    const std::int64_t colours = colourCount(screen);
    if (colours != 256 && colours != 16)
        return;
    messages.warning(QCoreApplication::translate(
                         "Startup",
                         "Your system is currently set to only %1 colors. Please change the "
                         "color settings in the control panel to a higher number of colors to "
                         "gain a better display of the program elements!",
                         "IDS_Farben")
                         .arg(colours));
}

} // namespace DisplayCheck
