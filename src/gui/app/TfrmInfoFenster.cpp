#include "gui/app/TfrmInfoFenster.h"

#include "core/settings/TRegistryEintraege.h"
#include "gui/app/SkinPictures.h"
#include "gui/app/TGrafikButton.h"
#include "gui/app/TGrafikPanel.h"

#include <QCloseEvent>
#include <QLabel>

namespace {
TfrmInfoFenster* s_instance = nullptr;
int s_position = 0;
} // namespace

TfrmInfoFenster* TfrmInfoFenster::instance()
{
    return s_instance;
}

TfrmInfoFenster* TfrmInfoFenster::create(TRegistryEintraege& settings)
{
    if (!s_instance)
        s_instance = new TfrmInfoFenster(settings);
    return s_instance;
}

void TfrmInfoFenster::release()
{
    delete s_instance; // the destructor clears s_instance
}

int TfrmInfoFenster::position()
{
    return s_position;
}

void TfrmInfoFenster::setPosition(int position)
{
    s_position = qBound(0, position, 3);
}

TfrmInfoFenster::TfrmInfoFenster(TRegistryEintraege& settings)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TfrmInfoFenster"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(193, 223);

    m_panel = new TGrafikPanel(this);
    m_panel->setObjectName(QStringLiteral("GP"));
    m_panel->setGeometry(rect());
    m_panel->setColor(QColor(139, 206, 254));

    m_text = new QLabel(m_panel);
    m_text->setObjectName(QStringLiteral("LB_Text"));
    m_text->setGeometry(11, 28, 172, 189);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setAttribute(Qt::WA_TranslucentBackground);
    QFont bold = m_text->font();
    bold.setBold(true);
    m_text->setFont(bold);
    QPalette pal = m_text->palette();
    pal.setColor(QPalette::WindowText, QColor(16, 40, 72));
    m_text->setPalette(pal);
    m_text->setText(tr("Welcome to Sendora! This window contains useful tips and hints"));

    m_close = new TGrafikButton(m_panel);
    m_close->setObjectName(QStringLiteral("GB"));
    m_close->setGeometry(167, 3, 24, 24);
    m_close->setCursor(Qt::PointingHandCursor);
    m_close->setToolTip(tr("Close the info window"));
    connect(m_close, &TGrafikButton::clicked, this, &QWidget::close);
    loadPictures();
}

TfrmInfoFenster::~TfrmInfoFenster()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void TfrmInfoFenster::loadPictures()
{
    for (int i = 0; i < TGrafikPanel::PicBody; ++i)
        m_panel->setPicture(i, SkinPicture(QLatin1String(SkinPictures::kInfoFrame[i])));
    m_close->setPicNormal(SkinPicture(QStringLiteral("bmp_info_close")));
    m_close->setPicMouseOver(SkinPicture(QStringLiteral("bmp_info_close_ak")));
    m_close->setPicPressed(SkinPicture(QStringLiteral("bmp_info_close_ak")));
}

void TfrmInfoFenster::showText(const QString& text)
{
    m_textSet = true;
    m_text->setText(text);
}

QString TfrmInfoFenster::text() const
{
    return m_text->text();
}

void TfrmInfoFenster::closeEvent(QCloseEvent* event)
{
    m_settings.infoFenster = false;
    event->accept();
    if (s_instance == this)
        s_instance = nullptr;
    deleteLater();
}

void TfrmInfoFenster::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (!m_textSet)
            m_text->setText(tr("Welcome to Sendora! This window contains useful tips and hints"));
        m_close->setToolTip(tr("Close the info window"));
    }
    QWidget::changeEvent(event);
}
