#pragma once

#include "core/app/DisplayCheck.h"

#include <QSize>
#include <QString>

class Messages;
class TdmStorage;
class TRegistryEintraege;

// The steps that run while the splash window is shown, and the settings write-back at
// shutdown. Kept free of widgets so that tests can run them with a made-up screen.
namespace StartupSteps {

struct SplashResult
{
    bool proceed = true;      // false: the screen is too small, the process must end
    bool settingsLoaded = true;
    QSize mainWindowSize = DisplayCheck::kMainWindowSize;
};

// Resets the settings to their defaults, loads them from the settings folder (a failure
// is reported and start-up goes on with the defaults), activates the stored language and
// checks the screen.
SplashResult runSplashSteps(TRegistryEintraege& settings, TdmStorage& storage,
                            const ScreenInfo& screen, Messages& messages);

// Writes the settings; reports a failure. Returns whether they were written.
bool saveSettingsAtShutdown(TRegistryEintraege& settings, Messages& messages);

QString readErrorText();
QString writeErrorText();

} // namespace StartupSteps
