#include "gui/app/TfrmAboutBox.h"

#include "gui/app/TSdURL.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmAboutBox::TfrmAboutBox(QWidget* parent)
    : TfrmSdDialogfeld(parent)
{
    setObjectName(QStringLiteral("TfrmAboutBox"));
    btnAbbruch()->hide();
    btnHilfe()->hide();

    auto* column = new QVBoxLayout(pnlMain());
    column->setContentsMargins(24, 20, 24, 12);
    column->setSpacing(8);
    m_name = new QLabel(pnlMain());
    m_name->setObjectName(QStringLiteral("LB_Name"));
    QFont big = m_name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_name->setFont(big);
    m_version = new QLabel(pnlMain());
    m_version->setObjectName(QStringLiteral("LB_Version"));
    m_description = new QLabel(pnlMain());
    m_description->setObjectName(QStringLiteral("LB_Description"));
    m_description->setWordWrap(true);
    m_address = new TSdURL(pnlMain());
    m_address->setObjectName(QStringLiteral("URL_Maker"));
    m_address->setUrl(QLatin1String(kMakerAddress));
    for (QWidget* w : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_version),
                       static_cast<QWidget*>(m_description), static_cast<QWidget*>(m_address)})
        column->addWidget(w);
    column->addStretch(1);
    retranslate();
    setFixedSize(380, 230);
}

void TfrmAboutBox::retranslate()
{
    setWindowTitle(tr("About Sendora"));
    m_name->setText(tr("Sendora! Special Edition"));
    m_version->setText(tr("Version %1").arg(QStringLiteral(SENDORA_VERSION)));
    m_description->setText(tr("Submits your website to search engines and directories, keeps "
                              "your site details and meta tags, and reports the result of "
                              "every submission."));
}

void TfrmAboutBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TfrmSdDialogfeld::changeEvent(event);
}
