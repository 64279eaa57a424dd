#pragma once

#include "gui/app/TfrmSd.h"

#include <QDialog>
#include <QList>

class QPushButton;

// A dialog with a main area and a centred row of OK, Cancel and Help buttons at the bottom.
// The visible buttons of pnlButtons() are laid out again on every resize; a button's "tag"
// property (int) greater than that of the first collected button moves it to the front.
class TfrmSdDialogfeld : public QDialog, public TfrmSd
{
    Q_OBJECT
public:
    explicit TfrmSdDialogfeld(QWidget* parent = nullptr);

    QWidget* pnlMain() const { return m_main; }
    QWidget* pnlButtons() const { return m_buttons; }
    QPushButton* btnOK() const { return m_ok; }
    QPushButton* btnAbbruch() const { return m_cancel; }
    QPushButton* btnHilfe() const { return m_help; }

    void setHelpContext(int topic);
    int helpContext() const { return m_helpContext; }

    struct ButtonSlot
    {
        int width = 75;
        int tag = 0;
    };
    // The left edges, by input index, of buttons given in creation order on a form of the
    // given width (gap 10; odd count: middle button centred; even count: the middle pair 5
    // pixels either side of the centre).
    static QList<int> layoutButtons(const QList<ButtonSlot>& buttons, int formWidth);

    // Lays out the visible buttons of pnlButtons() now.
    void relayoutButtons();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QWidget* m_main = nullptr;
    QWidget* m_buttons = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_help = nullptr;
    int m_helpContext = 0;
};
