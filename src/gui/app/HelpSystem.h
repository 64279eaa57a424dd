#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's help: topic pages per language, a contents page and a keyword index.
class HelpSystem
{
public:
    static HelpSystem& instance();

    // 1 English, 2 German, 3 French.
    void setLanguage(int language);
    int language() const { return m_language; }

    void showTopic(int topic);
    void showContents();
    void showIndex(const QString& keyword);
    void showTopicByName(const QString& name);

    // F1 on a widget shows the topic of the nearest help context up its parent chain.
    static void setHelpContext(QWidget* widget, int topic);
    static int helpContext(const QWidget* widget);

    // Every request, in order ("topic 70", "contents", "index word", "name tutorial").
    QStringList requests;
    // Tests: only record the requests, open no viewer.
    void setRecordOnly(bool recordOnly) { m_recordOnly = recordOnly; }

private:
    HelpSystem() = default;
    int m_language = 1;
    bool m_recordOnly = false;
};
