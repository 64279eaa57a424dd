#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

// The "please wait" window: not modal, stays on top, a text, an optional progress bar
// (0 to 100) and an optional Abort button. Abort and closing the window only raise the
// abort flag; the work that showed the window goes on.
class TfrmWaitDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmWaitDialog)

public:
    static constexpr int kDesignWidth = 284;
    static constexpr int kDesignHeight = 93;
    static constexpr int kProgressBarHeight = 16;
    static constexpr int kButtonPanelHeight = 36;

    explicit TfrmWaitDialog(QWidget* owner = nullptr);

    // Caption, text and which parts are shown. The height always derives from the full
    // design height, so showing the window again never shrinks it further.
    void setup(const QString& caption, const QString& text, bool showAbort, bool showProgress);
    void setPosition(int percent);
    int position() const;

Q_SIGNALS:
    // "&Abort", Escape or closing the window.
    void abortRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslateUi();
    void placeLabel();

    QFrame* m_pnLabel = nullptr;
    QLabel* m_waitLabel = nullptr;
    QProgressBar* m_waitProgressBar = nullptr;
    QFrame* m_pnlBut = nullptr;
    QPushButton* m_btnAbbruch = nullptr;
};
