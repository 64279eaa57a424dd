#include "gui/app/ModulePlaceholder.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

ModulePlaceholder::ModulePlaceholder(Kind kind, QWidget* parent)
    : QFrame(parent)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("ModulePlaceholder"));
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral(
        "#ModulePlaceholder { background: #f4f8fc; border: 1px solid #4f8fc6;"
        " border-radius: 6px; }"
        "#PlaceholderHeading { color: #123f6e; font-size: 18px; font-weight: bold; }"
        "#PlaceholderSentence { color: #28435f; font-size: 13px; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(10);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("PlaceholderHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_sentence = new QLabel(this);
    m_sentence->setObjectName(QStringLiteral("PlaceholderSentence"));
    m_sentence->setTextFormat(Qt::PlainText);
    m_sentence->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_sentence);
    layout->addStretch(1);
    retranslateUi();
}

QString ModulePlaceholder::heading() const
{
    switch (m_kind) {
    case Kind::Details: return tr("Website details", "IDS_PH_Kenndaten");
    case Kind::MetaTags: return tr("Meta Tag Generator", "IDS_PH_MetaTags");
    case Kind::ServiceSelection: return tr("Search services", "IDS_PH_Suchdienste");
    case Kind::StatusReport: return tr("Status report", "IDS_PH_Status");
    }
    return {};
}

QString ModulePlaceholder::sentence() const
{
    switch (m_kind) {
    case Kind::Details:
        return tr("The editor for the details of your website, its contact person, webmaster "
                  "and company will appear here.",
                  "IDS_PH_KenndatenText");
    case Kind::MetaTags:
        return tr("Here you will generate meta tags from your details, import them from web "
                  "pages and insert them into your HTML files.",
                  "IDS_PH_MetaTagsText");
    case Kind::ServiceSelection:
        return tr("The search services of the database will be listed here, ready to be "
                  "ticked and submitted to.",
                  "IDS_PH_SuchdiensteText");
    case Kind::StatusReport:
        return tr("Every submission of this project will be listed here with its date, code "
                  "and message.",
                  "IDS_PH_StatusText");
    }
    return {};
}

void ModulePlaceholder::retranslateUi()
{
    m_heading->setText(heading());
    m_sentence->setText(sentence());
}

void ModulePlaceholder::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QFrame::changeEvent(event);
}
