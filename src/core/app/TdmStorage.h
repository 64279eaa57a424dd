#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

class QTranslator;

// Holds the active user-interface language and the texts several windows share.
// Languages are numbered 1 English, 2 German, 3 French. Switching installs the
// translations of the language (ours and Qt's own, for standard dialogs); Qt then sends
// every widget a LanguageChange event, and each window re-texts itself.
class TdmStorage final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TdmStorage)

public:
    enum Language { English = 1, German = 2, French = 3 };

    explicit TdmStorage(QObject* parent = nullptr);
    ~TdmStorage() override;

    int language() const { return m_language; }
    // Returns false (and changes nothing) for a number outside 1 to 3. Switching to the
    // active language again is a no-op.
    bool setLanguage(int language);

    static bool isValidLanguage(int language) { return language >= English && language <= French; }
    static QLocale localeFor(int language);
    // "_EN", "_DE", "_FR": the suffix of language-dependent pictures.
    static QString languageSuffix(int language);
    // "en", "de", "fr".
    static QString languageCode(int language);

    // The name of a project that has no file yet ("[Untitled]").
    static QString untitledFileName();

Q_SIGNALS:
    void languageChanged(int language);

private:
    void removeTranslators();

    int m_language = English;
    QTranslator* m_appTranslator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
};
