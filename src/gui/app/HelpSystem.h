#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;
class HelpViewer;

// The program's help: topic pages per language (English, German, French) shipped as
// resources, a contents page and a keyword index, shown in one help viewer window.
// An unknown topic shows the contents with a note, never an empty window.
class HelpSystem
{
public:
    static HelpSystem& instance();

    // 1 English, 2 German, 3 French.
    void setLanguage(int language);
    int language() const { return m_language; }
    // "en", "de" or "fr" for a language.
    static QString languageFolder(int language);

    void showTopic(int topic);
    void showContents();
    void showIndex(const QString& keyword);
    void showTopicByName(const QString& name);

    // F1 on a widget shows the topic of the nearest help context up its parent chain (the
    // contents when there is none).
    static void setHelpContext(QWidget* widget, int topic);
    static int helpContext(const QWidget* widget);

    // The viewer, or nullptr while none is open.
    HelpViewer* viewer() const;
    void closeViewer();

    // Every request, in order ("topic 70", "contents", "index word", "name tutorial").
    QStringList requests;
    // Tests: only record the requests, open no viewer.
    void setRecordOnly(bool recordOnly) { m_recordOnly = recordOnly; }

private:
    HelpSystem() = default;
    HelpViewer* openViewer();

    int m_language = 1;
    bool m_recordOnly = false;
    QPointer<HelpViewer> m_viewer;
};
