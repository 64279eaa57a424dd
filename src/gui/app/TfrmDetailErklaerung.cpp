#include "gui/app/TfrmDetailErklaerung.h"

#include "core/app/HintTable.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/TSdURL.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kHelpHintDialog = 115;
}

TfrmDetailErklaerung::TfrmDetailErklaerung(TRegistryEintraege& settings, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TfrmDetailErklaerung"));
    setFixedSize(389, 213);
    HelpSystem::setHelpContext(this, kHelpHintDialog);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(8, 8, 373, 158);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(4);

    m_memo = new QPlainTextEdit(frame);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->viewport()->setAutoFillBackground(false);
    m_memo->setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; }"));
    m_memo->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_memo, 1);

    m_link = new TSdURL(frame);
    m_link->setObjectName(QStringLiteral("OvcURL1"));
    column->addWidget(m_link);
    connect(m_link, &TSdURL::clicked, this, [this] {
        HelpSystem::instance().showTopic(HintTable::hint(m_kind).helpTopic);
    });

    m_box = new QCheckBox(this);
    m_box->setObjectName(QStringLiteral("chkBoxNichtmehrZeigen"));
    QFont bold = m_box->font();
    bold.setBold(true);
    m_box->setFont(bold);
    m_box->setGeometry(8, 178, 290, 25);
    connect(m_box, &QCheckBox::clicked, this, &TfrmDetailErklaerung::boxClicked);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(306, 178, 75, 25);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void TfrmDetailErklaerung::retranslate()
{
    m_link->setCaption(tr("Click here to view more information on this topic."));
    m_box->setText(tr("Do not show this hint anymore"));
    m_ok->setText(tr("&OK"));
    if (HintTable::isKind(m_kind))
        fillFromKind();
    else
        setWindowTitle(tr("Note"));
}

void TfrmDetailErklaerung::setHintKind(int kind)
{
    m_kind = kind;
    fillFromKind();
}

void TfrmDetailErklaerung::fillFromKind()
{
    const THinweis hint = HintTable::hint(m_kind);
    if (!HintTable::isKind(m_kind))
        return;
    setWindowTitle(hint.title);
    m_memo->setPlainText(hint.explanation);
}

void TfrmDetailErklaerung::showEvent(QShowEvent* event)
{
    fillFromKind();
    m_box->setChecked(false);
    QDialog::showEvent(event);
}

void TfrmDetailErklaerung::boxClicked(bool ticked)
{
    // Ticked means: no longer shown. Saved at once, so the choice holds even if the
    // program does not end normally.
    m_settings.setHint(m_kind, !ticked);
    m_settings.save();
}

void TfrmDetailErklaerung::showHint(int kind, TRegistryEintraege& settings, QWidget* parent)
{
    s_shown.append(kind);
    if (s_recordOnly)
        return;
    TfrmDetailErklaerung dialog(settings, parent);
    dialog.setHintKind(kind);
    dialog.exec();
}

void TfrmDetailErklaerung::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
