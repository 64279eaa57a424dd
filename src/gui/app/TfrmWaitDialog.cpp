#include "gui/app/TfrmWaitDialog.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmWaitDialog::TfrmWaitDialog(QWidget* owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfrmWaitDialog"));
    setModal(false);

    m_pnLabel = new QFrame(this);
    m_pnLabel->setObjectName(QStringLiteral("pnLabel"));
    m_pnLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_waitLabel = new QLabel(m_pnLabel);
    m_waitLabel->setObjectName(QStringLiteral("WaitLabel"));
    m_waitLabel->setTextFormat(Qt::PlainText);

    m_waitProgressBar = new QProgressBar(this);
    m_waitProgressBar->setObjectName(QStringLiteral("WaitProgressBar"));
    m_waitProgressBar->setRange(0, 100);
    m_waitProgressBar->setFixedHeight(kProgressBarHeight);
    m_waitProgressBar->setTextVisible(false);

    m_pnlBut = new QFrame(this);
    m_pnlBut->setObjectName(QStringLiteral("pnlBut"));
    m_pnlBut->setFixedHeight(kButtonPanelHeight);
    m_btnAbbruch = new QPushButton(m_pnlBut);
    m_btnAbbruch->setObjectName(QStringLiteral("btnAbbruch"));
    m_btnAbbruch->setFixedSize(75, 25);
    auto* buttonRow = new QHBoxLayout(m_pnlBut);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addStretch();
    buttonRow->addWidget(m_btnAbbruch);
    buttonRow->addStretch();
    connect(m_btnAbbruch, &QPushButton::clicked, this, &TfrmWaitDialog::abortRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pnLabel, 1);
    layout->addWidget(m_waitProgressBar);
    layout->addWidget(m_pnlBut);

    setFixedSize(kDesignWidth, kDesignHeight);
    retranslateUi();
}

void TfrmWaitDialog::setup(const QString& caption, const QString& text, bool showAbort,
                           bool showProgress)
{
    setWindowTitle(caption);
    const int height = kDesignHeight - (showProgress ? 0 : kProgressBarHeight)
        - (showAbort ? 0 : kButtonPanelHeight);
    setFixedSize(kDesignWidth, height);
    m_waitProgressBar->setVisible(showProgress);
    m_pnlBut->setVisible(showAbort);
    m_waitLabel->setText(text);
    placeLabel();
}

void TfrmWaitDialog::placeLabel()
{
    // A text that fits is centred on one line; a longer one fills the panel from the top
    // left, wrapped.
    const int panelWidth = m_pnLabel->width();
    const int panelHeight = m_pnLabel->height();
    m_waitLabel->setWordWrap(false);
    m_waitLabel->adjustSize();
    if (m_waitLabel->width() > panelWidth - 10) {
        m_waitLabel->setWordWrap(true);
        m_waitLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_waitLabel->setGeometry(0, 0, panelWidth, panelHeight);
        return;
    }
    m_waitLabel->setAlignment(Qt::AlignCenter);
    const int labelWidth = panelWidth - 10;
    const int labelHeight = m_waitLabel->height();
    m_waitLabel->setGeometry((panelWidth - labelWidth) / 2,
                             labelHeight < panelHeight ? (panelHeight - labelHeight) / 2 : 0,
                             labelWidth, labelHeight);
}

void TfrmWaitDialog::setPosition(int percent)
{
    m_waitProgressBar->setValue(qBound(0, percent, 100));
}

int TfrmWaitDialog::position() const
{
    return m_waitProgressBar->value();
}

void TfrmWaitDialog::closeEvent(QCloseEvent* event)
{
    Q_EMIT abortRequested();
    event->ignore();
}

void TfrmWaitDialog::reject()
{
    // Escape counts as Abort; the window stays until the work hides it.
    Q_EMIT abortRequested();
}

void TfrmWaitDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeLabel();
}

void TfrmWaitDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TfrmWaitDialog::retranslateUi()
{
    m_btnAbbruch->setText(tr("&Abort", "IDS_Abbruch"));
}
