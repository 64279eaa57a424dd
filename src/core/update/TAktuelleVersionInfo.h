#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

class TRegistryEintraege;

// What the update manager compares the information file with: where the file is, which
// distribution, language and edition this program is, and the installed version of each
// component. Filled once from the settings when the main window is created.
struct TAktuelleVersionInfo
{
    // The distribution codes the update server knows; field 1 of every line must be one.
    static const QStringList& distributionCodes();
    static constexpr QLatin1String kOwnDistributionCode { "SDSE-STD" };
    static constexpr QLatin1String kEditionFull { "VOLL" };
    static constexpr QLatin1String kEditionEvery { "BEIDES" };
    static constexpr QLatin1String kEditionOther { "DEMO" };
    // The version of this program, compared with PROGRAMM lines.
    static constexpr QLatin1String kProgramVersion { SENDORA_VERSION };

    QString infoFileUrl; // the information file; empty: no address known
    QString serverRoot; // the update files are serverRoot + their name, with a final "/"
    QString distributionCode = QString(kOwnDistributionCode);
    QString languageWord = QStringLiteral("ENGLISCH");
    QString editionWord = QString(kEditionFull);
    QString verGS;
    QString verSD;
    QString verOH;
    QString verDK;
    QString programVersion = QString(kProgramVersion);

    // "ENGLISCH", "DEUTSCH" or "FRANZ" for the interface language 1, 2 or 3.
    static QString languageWordFor(int language);

    // Versions from the settings, the address from UpdateServer, the language word of
    // the given interface language.
    static TAktuelleVersionInfo fromSettings(const TRegistryEintraege& settings, int language);
};
