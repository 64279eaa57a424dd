#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

// The help window: contents and keyword index on the left, the page on the right, with
// back and forward. Pages come from the program's resources, one folder per language.
class HelpViewer final : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // "en", "de" or "fr".
    void setLanguageFolder(const QString& code);
    QString languageFolder() const { return m_lang; }

    // Opens a page of the current language ("70.html"); a missing page shows the contents
    // with a note naming what was asked for, and gives false.
    bool openPage(const QString& page, const QString& requested);
    void openContents();
    // Shows the index tab positioned at the first keyword starting with the text.
    void openIndex(const QString& keyword);

    QString currentPage() const;
    QString note() const;
    QTextBrowser* browser() const { return m_browser; }
    QListWidget* contentsList() const { return m_contents; }
    QListWidget* indexList() const { return m_index; }
    QTabWidget* tabs() const { return m_tabs; }

    static QString resourcePath(const QString& code, const QString& page);
    static bool pageExists(const QString& code, const QString& page);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void loadLists();
    void filterIndex(const QString& text);
    void showNote(const QString& text);

    QString m_lang = QStringLiteral("en");
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QTextBrowser* m_browser = nullptr;
    QLabel* m_note = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
};
