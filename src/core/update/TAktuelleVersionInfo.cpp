#include "core/update/TAktuelleVersionInfo.h"

#include "core/settings/TRegistryEintraege.h"
#include "core/update/UpdateServer.h"

const QStringList& TAktuelleVersionInfo::distributionCodes()
{
    static const QStringList codes = {
        QStringLiteral("SDSE-STD"),   QStringLiteral("SDSE-PRO"),   QStringLiteral("SDSE-OEM"),
        QStringLiteral("SDSE-EDU"),   QStringLiteral("SDSE-NET"),   QStringLiteral("SDSE-CD"),
        QStringLiteral("SDSE-PRESS"), QStringLiteral("SDSE-TRIAL"),
    };
    return codes;
}

QString TAktuelleVersionInfo::languageWordFor(int language)
{
    switch (language) {
    case 2:
        return QStringLiteral("DEUTSCH");
    case 3:
        return QStringLiteral("FRANZ");
    default:
        return QStringLiteral("ENGLISCH");
    }
}

TAktuelleVersionInfo TAktuelleVersionInfo::fromSettings(const TRegistryEintraege& settings,
                                                        int language)
{
    TAktuelleVersionInfo info;
    info.serverRoot = UpdateServer::address();
    info.infoFileUrl = UpdateServer::infoFileUrl();
    info.languageWord = languageWordFor(language);
    info.verGS = settings.verGS;
    info.verSD = settings.verSD;
    info.verOH = settings.verOH;
    info.verDK = settings.verDK;
    return info;
}
