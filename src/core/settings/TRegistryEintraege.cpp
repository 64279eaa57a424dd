#include "core/settings/TRegistryEintraege.h"

#include "core/platform/IniFile.h"
#include "core/platform/SdError.h"
#include "core/settings/StringCipher.h"
#include "core/settings/VersionNumber.h"

#include <QDir>

namespace {

// The keys of the hint switches by kind.
constexpr std::array<const char16_t*, TRegistryEintraege::kHintCount> kHintKeys = {
    u"IDMsgH_Assistent", u"IDMsgH_SDAuswahl",   u"IDMsgH_EdtSuchen",  u"IDMsgH_Codes",
    u"IDMsgH_Keywords",  u"IDMsgH_ChkAuswahl",  u"IDMsgH_ChkFilter",  u"IDMsgH_Upmanager",
    u"IDMsgT_Email",     u"IDMsgT_Kontextmenu", u"IDMsgT_RTF",        u"IDMsgT_Threads",
    u"IDMsgW_Kennwort",  u"IDMsgW_URL",         u"IDMsgH_Kategorien",
};

// The order of the hint switches in the file: kind 15 came later and sits after kind 8.
constexpr std::array<int, TRegistryEintraege::kHintCount> kHintFileOrder = {
    1, 2, 3, 4, 5, 6, 7, 8, 15, 9, 10, 11, 12, 13, 14,
};

QString key(const char16_t* name)
{
    return QString::fromUtf16(name);
}

class ResetVisitor
{
public:
    void integer(const QString&, int& field, int def) { field = def; }
    void boolean(const QString&, bool& field, bool def) { field = def; }
    void string(const QString&, QString& field, const QString& def) { field = def; }
    void password(const QString&, QString& field) { field.clear(); }
    void version(const QString&, QString& field, QLatin1String builtIn) { field = builtIn; }
    void country(const QString&, bool&) { }
};

class LoadVisitor
{
public:
    explicit LoadVisitor(const IniFile& ini)
        : m_ini(ini)
    { }

    void integer(const QString& key, int& field, int def)
    {
        field = m_ini.readInteger(TRegistryEintraege::kSection, key, def);
    }
    void boolean(const QString& key, bool& field, bool def)
    {
        field = m_ini.readBool(TRegistryEintraege::kSection, key, def);
    }
    void string(const QString& key, QString& field, const QString& def)
    {
        field = m_ini.readString(TRegistryEintraege::kSection, key, def);
    }
    void password(const QString& key, QString& field)
    {
        try {
            field = DecryptText(m_ini.readString(TRegistryEintraege::kSection, key));
        } catch (const SdError&) {
            // A hand-edited or damaged value: the user types the password again.
            field.clear();
        }
    }
    void version(const QString& key, QString& field, QLatin1String builtIn)
    {
        field = m_ini.readString(TRegistryEintraege::kSection, key, builtIn);
        if (VersionToNumber(field) < VersionToNumber(builtIn))
            field = builtIn;
    }
    void country(const QString& key, bool& field) { boolean(key, field, false); }

private:
    const IniFile& m_ini;
};

class SaveVisitor
{
public:
    explicit SaveVisitor(IniFile& ini)
        : m_ini(ini)
    { }

    void integer(const QString& key, int& field, int)
    {
        m_ini.writeInteger(TRegistryEintraege::kSection, key, field);
    }
    void boolean(const QString& key, bool& field, bool)
    {
        m_ini.writeBool(TRegistryEintraege::kSection, key, field);
    }
    void string(const QString& key, QString& field, const QString&)
    {
        m_ini.writeString(TRegistryEintraege::kSection, key, field);
    }
    void password(const QString& key, QString& field)
    {
        QString stored;
        try {
            stored = EncryptText(field);
        } catch (const SdError&) {
            // Better no password than one that deciphers to something else.
        }
        m_ini.writeString(TRegistryEintraege::kSection, key, stored);
    }
    void version(const QString& key, QString& field, QLatin1String)
    {
        m_ini.writeString(TRegistryEintraege::kSection, key, field);
    }
    void country(const QString& key, bool& field) { boolean(key, field, false); }

private:
    IniFile& m_ini;
};

} // namespace

// Every key of the record, in the order of the file, with its default.
template<class Visitor> void TRegistryEintraege::visit(Visitor& v)
{
    v.integer(QStringLiteral("IDGlobAnzThreads"), globAnzThreads, 5);
    v.integer(QStringLiteral("IDGlobAnzAutoV"), globAnzAutoV, 35);
    v.integer(QStringLiteral("IDGlobDropDownAnzAutoV"), globDropDownAnzAutoV, 8);
    v.string(QStringLiteral("IDGlobProxy"), globProxy, QString());
    v.string(QStringLiteral("IDGlobProxyPort"), globProxyPort, QString());
    v.string(QStringLiteral("IDGlobProxyUsername"), globProxyUsername, QString());
    v.password(QStringLiteral("IDGlobProxyKennwort"), globProxyKennwort);
    v.integer(QStringLiteral("IDProxyVorauswahl"), proxyVorauswahl, 0);
    v.boolean(QStringLiteral("IDTDT"), tdt, true);
    v.boolean(QStringLiteral("IDAssi"), assi, false);
    v.boolean(QStringLiteral("IDInfoFenster"), infoFenster, true);
    v.boolean(QStringLiteral("IDInfoFensterMausSensitiv"), infoFensterMausSensitiv, false);
    v.integer(QStringLiteral("IDInfoFensterPos"), infoFensterPos, 1);
    for (int i = 0; i < kCountryCount; ++i)
        v.country(u'C' + QString::number(i), countries[std::size_t(i)]);
    v.version(QStringLiteral("IDVerOH"), verOH, kBuiltInVerOH);
    v.version(QStringLiteral("IDVerSD"), verSD, kBuiltInVerSD);
    v.version(QStringLiteral("IDVerDK"), verDK, kBuiltInVerDK);
    v.version(QStringLiteral("IDVerGS"), verGS, kBuiltInVerGS);
    for (const int kind : kHintFileOrder)
        v.boolean(hintKey(kind), hints[std::size_t(kind - 1)], true);
    v.integer(QStringLiteral("IDTimeOut"), timeOut, 60);
    v.string(QStringLiteral("IDPfadRTFSchablone"), pfadRTFSchablone,
             m_folder + QStringLiteral("schablone.rtf"));
    v.boolean(QStringLiteral("IDAutoUpdatesSuche"), autoUpdatesSuche, false);
    v.string(QStringLiteral("IDStammRTF"), stammRTF, m_folder + QStringLiteral("Reports/"));
    v.string(QStringLiteral("IDStammHTML"), stammHTML, m_folder + QStringLiteral("HTML/"));
    v.integer(QStringLiteral("IDRTFDirTyp"), rtfDirTyp, 0);
    v.integer(QStringLiteral("IDHTMLDirTyp"), htmlDirTyp, 0);
    v.integer(QStringLiteral("IDUISprache"), uiSprache, 1);
}

TRegistryEintraege::TRegistryEintraege(const QString& settingsFolder)
{
    setSettingsFolder(settingsFolder);
    resetToDefaults(1);
}

void TRegistryEintraege::resetToDefaults(int language)
{
    ResetVisitor reset;
    visit(reset);
    uiSprache = (language >= 1 && language <= 3) ? language : 1;
}

void TRegistryEintraege::setSettingsFolder(const QString& folder)
{
    m_folder = QDir::fromNativeSeparators(folder);
    if (!m_folder.isEmpty() && !m_folder.endsWith(u'/'))
        m_folder += u'/';
}

bool TRegistryEintraege::load()
{
    m_error.clear();
    IniFile ini(iniPath());
    if (!ini.load()) {
        m_error = ini.errorString();
        resetToDefaults(1);
        return false;
    }
    LoadVisitor reader(ini);
    visit(reader);
    return true;
}

bool TRegistryEintraege::save()
{
    m_error.clear();
    IniFile ini(iniPath());
    // A file that cannot be read is replaced (IniFile keeps a copy of an unusable one);
    // every other section and key of a readable one is written back as it was.
    ini.load();
    SaveVisitor writer(ini);
    visit(writer);
    if (!ini.save()) {
        m_error = ini.errorString();
        resetToDefaults(1);
        return false;
    }
    return true;
}

bool TRegistryEintraege::hint(int kind) const
{
    if (kind < 1 || kind > kHintCount)
        return true;
    return hints[std::size_t(kind - 1)];
}

void TRegistryEintraege::setHint(int kind, bool show)
{
    if (kind >= 1 && kind <= kHintCount)
        hints[std::size_t(kind - 1)] = show;
}

QString TRegistryEintraege::hintKey(int kind)
{
    if (kind < 1 || kind > kHintCount)
        return {};
    return key(kHintKeys[std::size_t(kind - 1)]);
}
