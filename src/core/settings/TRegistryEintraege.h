#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

class IniFile;

// The program's global settings, one key of section "Sdt" of sd.ini per field. The windows
// of the program read and write the fields directly; load() runs once at start-up, save()
// after the options dialog, after a hint dialog and at shutdown.
class TRegistryEintraege
{
public:
    static constexpr QLatin1String kSection { "Sdt" };
    static constexpr QLatin1String kFileName { "sd.ini" };
    static constexpr int kHintCount = 15;
    static constexpr int kCountryCount = 56;

    // Versions of the parts that ship with this program. A stored version older than
    // these is replaced on load: the installation itself proves the newer one.
    static constexpr QLatin1String kBuiltInVerOH { "3.2.0.0" };
    static constexpr QLatin1String kBuiltInVerSD { "3.0.0.0" };
    static constexpr QLatin1String kBuiltInVerDK { "3.2.0.0" };
    static constexpr QLatin1String kBuiltInVerGS { "3.2" };

    // The folder may be given with or without a trailing "/". The record starts with
    // the defaults for language 1.
    explicit TRegistryEintraege(const QString& settingsFolder = {});

    // Every field to its default and the interface language to language (1 English,
    // 2 German, 3 French; anything else means 1). The country filter is left as it is.
    void resetToDefaults(int language);

    // The folder of sd.ini, also the base of the default paths; kept with a trailing "/".
    // Setting it changes no field: the new default paths apply from the next reset or
    // the next load of a file that lacks them.
    void setSettingsFolder(const QString& folder);
    QString settingsFolder() const { return m_folder; }
    QString iniPath() const { return m_folder + QString(kFileName); }

    // Reads every key; a missing key gives its default. A missing file is no error (all
    // defaults, true). A file that cannot be read resets the record to the defaults for
    // language 1 and returns false. Other sections of the file are not looked at.
    bool load();
    // Writes every key into the existing file, keeping its other keys and sections.
    // On failure the record is reset to the defaults for language 1 and false returned.
    bool save();
    QString errorString() const { return m_error; }

    // Hint switches by hint kind 1 to 15: true = show the hint. An unknown kind has no
    // switch: hint() says true (show), setHint() does nothing.
    bool hint(int kind) const;
    void setHint(int kind, bool show);
    // The key of a hint kind; empty for an unknown kind.
    static QString hintKey(int kind);

    // The defaults and the keys of the fields are listed once, in visit().
    int globAnzThreads = 0;
    int globAnzAutoV = 0;
    int globDropDownAnzAutoV = 0;
    QString globProxy;
    QString globProxyPort;
    QString globProxyUsername;
    QString globProxyKennwort; // plain here, enciphered in the file
    int proxyVorauswahl = 0;
    bool tdt = false;
    bool assi = false;
    bool infoFenster = false;
    bool infoFensterMausSensitiv = false;
    int infoFensterPos = 0;
    std::array<bool, kCountryCount> countries {}; // ticked countries of the service filter
    QString verOH;
    QString verSD;
    QString verDK;
    QString verGS;
    std::array<bool, kHintCount> hints {}; // index = kind - 1
    int timeOut = 0;
    QString pfadRTFSchablone;
    bool autoUpdatesSuche = false;
    QString stammRTF;
    QString stammHTML;
    int rtfDirTyp = 0;
    int htmlDirTyp = 0;
    int uiSprache = 0;

private:
    template<class Visitor> void visit(Visitor& visitor);

    QString m_folder;
    QString m_error;
};
