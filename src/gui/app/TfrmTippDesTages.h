#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class TRegistryEintraege;

// "Tip of the day": one tip per start from the tips file of the active language
// (tips_en.txt, tips_de.txt, tips_fr.txt in the program folder, one tip a line, UTF-8).
// "&Next tip" shows the following line; "&OK" stores the start-up switch and writes the file
// back rotated by one, so that the next start shows the next tip.
class TfrmTippDesTages final : public QDialog
{
    Q_OBJECT
public:
    // language: 1 English, 2 German, 3 French.
    TfrmTippDesTages(TRegistryEintraege& settings, const QString& programFolder, int language,
                     QWidget* parent = nullptr);
    ~TfrmTippDesTages() override;

    static bool isOpen();
    // Opens the window modally; does nothing while one is open.
    static void showModal(TRegistryEintraege& settings, const QString& programFolder,
                          int language, QWidget* parent);

    static QString tipsFileName(int language);

    // Tests: the number of showModal calls that opened (or, with s_recordOnly, would have
    // opened) a window.
    static inline int s_shown = 0;
    static inline bool s_recordOnly = false;

    QString tipText() const;
    QCheckBox* showOnStartup() const { return m_showOnStartup; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* nextButton() const { return m_next; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void readTips();
    void nextTip();
    void okClicked();

    TRegistryEintraege& m_settings;
    QString m_folder;
    int m_language;
    QStringList m_lines;
    bool m_read = false;
    bool m_loadedOnce = false;
    QLabel* m_heading = nullptr;
    QLabel* m_tip = nullptr;
    QCheckBox* m_showOnStartup = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_next = nullptr;
};
