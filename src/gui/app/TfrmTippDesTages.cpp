#include "gui/app/TfrmTippDesTages.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/SkinPictures.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>

namespace {
int s_open = 0;
}

TfrmTippDesTages::TfrmTippDesTages(TRegistryEintraege& settings, const QString& programFolder,
                                   int language, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_folder(programFolder)
    , m_language(language)
{
    ++s_open;
    setObjectName(QStringLiteral("TfrmTippDesTages"));
    setFixedSize(372, 215);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("pnlTip"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(8, 8, 356, 152);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(255, 252, 235));
    frame->setPalette(pal);

    auto* bulb = new QLabel(frame);
    bulb->setObjectName(QStringLiteral("imgBulb"));
    bulb->setGeometry(12, 12, 48, 48);
    bulb->setPixmap(SkinPicture(QStringLiteral("bmp_tip_bulb")));

    m_heading = new QLabel(frame);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    QFont big = m_heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_heading->setFont(big);
    m_heading->setGeometry(76, 10, 270, 28);

    m_tip = new QLabel(frame);
    m_tip->setObjectName(QStringLiteral("Tip"));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setGeometry(76, 38, 268, 113);

    m_showOnStartup = new QCheckBox(this);
    m_showOnStartup->setObjectName(QStringLiteral("ShowOnStartup"));
    m_showOnStartup->setGeometry(8, 162, 356, 20);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setGeometry(204, 185, 75, 25);
    m_ok->setDefault(true);
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("btnNext"));
    m_next->setGeometry(289, 185, 75, 25);
    connect(m_ok, &QPushButton::clicked, this, &TfrmTippDesTages::okClicked);
    connect(m_next, &QPushButton::clicked, this, &TfrmTippDesTages::nextTip);
    retranslate();
}

TfrmTippDesTages::~TfrmTippDesTages()
{
    --s_open;
}

bool TfrmTippDesTages::isOpen()
{
    return s_open > 0;
}

QString TfrmTippDesTages::tipsFileName(int language)
{
    switch (language) {
    case 2:
        return QStringLiteral("tips_de.txt");
    case 3:
        return QStringLiteral("tips_fr.txt");
    default:
        return QStringLiteral("tips_en.txt");
    }
}

void TfrmTippDesTages::retranslate()
{
    setWindowTitle(tr("Tip of the day"));
    m_heading->setText(tr("Did you know ..."));
    m_showOnStartup->setText(tr("&Show tip of the day at next program start"));
    m_ok->setText(tr("&OK"));
    m_next->setText(tr("&Next tip"));
}

QString TfrmTippDesTages::tipText() const
{
    return m_tip->text();
}

void TfrmTippDesTages::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loadedOnce)
        return;
    m_loadedOnce = true;
    m_showOnStartup->setChecked(m_settings.tdt);
    readTips();
}

void TfrmTippDesTages::readTips()
{
    const QString name = tipsFileName(m_language);
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Platform::messages().error(
            tr("File %1 could not be found. Tip of the Day cannot be displayed!").arg(name));
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString tip = line;
        if (tip.endsWith(QLatin1Char('\r')))
            tip.chop(1);
        if (!tip.trimmed().isEmpty())
            m_lines.append(tip);
    }
    m_read = true;
    if (!m_lines.isEmpty())
        m_tip->setText(m_lines.first());
}

void TfrmTippDesTages::nextTip()
{
    if (m_lines.isEmpty())
        return;
    m_lines.append(m_lines.takeFirst());
    m_tip->setText(m_lines.first());
}

void TfrmTippDesTages::okClicked()
{
    m_ok->setEnabled(false);
    m_next->setEnabled(false);
    m_showOnStartup->setEnabled(false);
    m_settings.tdt = m_showOnStartup->isChecked();
    if (m_read && !m_lines.isEmpty()) {
        m_lines.append(m_lines.takeFirst());
        QSaveFile out(QDir(m_folder).filePath(tipsFileName(m_language)));
        if (out.open(QIODevice::WriteOnly)) {
            out.write(m_lines.join(QLatin1Char('\n')).toUtf8());
            out.write("\n");
            out.commit();
        }
        // A tips file that cannot be written only means the same tip comes again.
    }
    accept();
}

void TfrmTippDesTages::showModal(TRegistryEintraege& settings, const QString& programFolder,
                                 int language, QWidget* parent)
{
    if (isOpen())
        return;
    ++s_shown;
    if (s_recordOnly)
        return;
    TfrmTippDesTages window(settings, programFolder, language, parent);
    window.exec();
}

void TfrmTippDesTages::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
