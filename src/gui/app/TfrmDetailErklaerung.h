#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class TRegistryEintraege;
class TSdURL;

// The modal note that explains one hint kind, links to its help topic and can switch the
// kind off ("Do not show this hint anymore"; the settings are saved at every change of the
// box). It does not look at the switch itself: openers show it only while the switch is on.
class TfrmDetailErklaerung final : public QDialog
{
    Q_OBJECT
public:
    TfrmDetailErklaerung(TRegistryEintraege& settings, QWidget* parent = nullptr);

    void setHintKind(int kind);
    int hintKind() const { return m_kind; }

    // Opens the note for a kind modally and releases it.
    static void showHint(int kind, TRegistryEintraege& settings, QWidget* parent);

    // Tests: every kind showHint was asked for, in order; with s_recordOnly no window opens.
    static inline QList<int> s_shown;
    static inline bool s_recordOnly = false;

    QPlainTextEdit* memo() const { return m_memo; }
    TSdURL* link() const { return m_link; }
    QCheckBox* box() const { return m_box; }
    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillFromKind();
    void boxClicked(bool ticked);

    TRegistryEintraege& m_settings;
    int m_kind = 0;
    QPlainTextEdit* m_memo = nullptr;
    TSdURL* m_link = nullptr;
    QCheckBox* m_box = nullptr;
    QPushButton* m_ok = nullptr;
};
