#include "core/app/StartupSteps.h"

#include "core/app/TdmStorage.h"
#include "core/platform/Messages.h"
#include "core/settings/TRegistryEintraege.h"

#include <QCoreApplication>

namespace {

QString accessRightsText()
{
    return QCoreApplication::translate(
        "Startup", "(The current user might not have sufficient access rights!)",
        "IDS_Zugriffsrechte");
}

} // namespace

namespace StartupSteps {

QString readErrorText()
{
    return QCoreApplication::translate(
               "Startup", "Error during reading of registry data. Please check your system!",
               "IDS_RegLesen")
        + QStringLiteral("\r\r") + accessRightsText();
}

QString writeErrorText()
{
    return QCoreApplication::translate(
               "Startup", "Error has occured while writing to registry. Check your system!",
               "IDS_RegSchreiben")
        + QStringLiteral("\r\r") + accessRightsText();
}

SplashResult runSplashSteps(TRegistryEintraege& settings, TdmStorage& storage,
                            const ScreenInfo& screen, Messages& messages)
{
    SplashResult result;
    settings.resetToDefaults(TdmStorage::English);
    result.settingsLoaded = settings.load();
    if (!result.settingsLoaded)
        messages.error(readErrorText());

    // A hand-edited language number outside 1 to 3 leaves the program in English.
    if (!storage.setLanguage(settings.uiSprache)) {
        settings.uiSprache = TdmStorage::English;
        storage.setLanguage(TdmStorage::English);
    }

    result.mainWindowSize = DisplayCheck::mainWindowSize(screen);
    if (!DisplayCheck::checkResolution(screen, messages)) {
        result.proceed = false;
        return result;
    }
    DisplayCheck::checkColours(screen, messages);
    return result;
}

bool saveSettingsAtShutdown(TRegistryEintraege& settings, Messages& messages)
{
    if (settings.save())
        return true;
    messages.error(writeErrorText());
    return false;
}

} // namespace StartupSteps
