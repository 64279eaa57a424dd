#include "core/app/TdmStorage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

TdmStorage::TdmStorage(QObject* parent)
    : QObject(parent)
{
    QLocale::setDefault(localeFor(m_language));
}

TdmStorage::~TdmStorage()
{
    removeTranslators();
}

QLocale TdmStorage::localeFor(int language)
{
    switch (language) {
    case German: return QLocale(QLocale::German, QLocale::Germany);
    case French: return QLocale(QLocale::French, QLocale::France);
    default: return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

QString TdmStorage::languageSuffix(int language)
{
    return QLatin1Char('_') + languageCode(language).toUpper();
}

QString TdmStorage::languageCode(int language)
{
    switch (language) {
    case German: return QStringLiteral("de");
    case French: return QStringLiteral("fr");
    default: return QStringLiteral("en");
    }
}

QString TdmStorage::untitledFileName()
{
    return QCoreApplication::translate("Common", "[Untitled]", "IDS_GlobUnbenannteDateiName");
}

void TdmStorage::removeTranslators()
{
    for (QTranslator** t : {&m_appTranslator, &m_qtTranslator}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
}

bool TdmStorage::setLanguage(int language)
{
    if (!isValidLanguage(language))
        return false;
    if (language == m_language && (language == English || m_appTranslator))
        return true;

    removeTranslators();
    m_language = language;
    QLocale::setDefault(localeFor(language));
    if (language != English) {
        const QString code = languageCode(language);
        auto* qt = new QTranslator(this);
        if (qt->load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
            m_qtTranslator = qt;
        } else {
            delete qt;
        }
        auto* app = new QTranslator(this);
        if (app->load(QStringLiteral(":/translations/sendora_") + code)) {
            QCoreApplication::installTranslator(app);
            m_appTranslator = app;
        } else {
            qWarning("Sendora: no translations for language %s", qPrintable(code));
            delete app;
        }
    }
    Q_EMIT languageChanged(language);
    return true;
}
