#include "gui/app/TfrmHauptFormular.h"

#include "core/app/TdmStorage.h"
#include "core/settings/TRegistryEintraege.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

TfrmHauptFormular::TfrmHauptFormular(TRegistryEintraege& settings, TdmStorage& storage,
                                     QSize startSize, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_storage(storage)
{
    setObjectName(QStringLiteral("TfrmHauptFormular"));
    setWindowIcon(QIcon(QStringLiteral(":/images/sendora.svg")));

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kClientColour));
    setPalette(pal);
    setAutoFillBackground(true);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_pnButtons = new QFrame(central);
    m_pnButtons->setObjectName(QStringLiteral("PN_Buttons"));
    m_pnButtons->setFixedWidth(142);
    m_pnButtons->setStyleSheet(QStringLiteral(
        "#PN_Buttons { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
        " stop:0 #1d5fa6, stop:1 #2f80c8); }"));
    row->addWidget(m_pnButtons);

    m_gpnMain = new QFrame(central);
    m_gpnMain->setObjectName(QStringLiteral("GPN_Main"));
    m_gpnMain->setContentsMargins(10, 10, 10, 10);
    m_gpnMain->setAutoFillBackground(true);
    m_gpnMain->setPalette(pal);
    row->addWidget(m_gpnMain, 1);
    setCentralWidget(central);

    createMenus();
    createStatusBar();

    resize(startSize);
    setMinimumSize(startSize);

    connect(&m_storage, &TdmStorage::languageChanged, this,
            &TfrmHauptFormular::checkActiveLanguage);
    checkActiveLanguage();
    retranslateUi();
}

TfrmHauptFormular::~TfrmHauptFormular() = default;

void TfrmHauptFormular::createMenus()
{
    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("mnuSprache"));

    // Exclusive, but a click on the checked item may uncheck it: that case is caught in
    // languageItemClicked, which checks the active language again.
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const struct
    {
        QAction** action;
        const char* name;
        int language;
    } items[] = {
        {&m_englishCmd, "SpracheEnglischCmd", TdmStorage::English},
        {&m_germanCmd, "SpracheDeutschCmd", TdmStorage::German},
        {&m_frenchCmd, "SpracheFranzoesischCmd", TdmStorage::French},
    };
    for (const auto& item : items) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(true);
        action->setData(item.language);
        m_languageGroup->addAction(action);
        m_languageMenu->addAction(action);
        *item.action = action;
    }
    connect(m_languageGroup, &QActionGroup::triggered, this,
            &TfrmHauptFormular::languageItemClicked);
}

void TfrmHauptFormular::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("stBarHauptformular"));
    const int widths[3] = {50, 55, 600};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("stBarPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        if (i < 2)
            panel->setFixedWidth(widths[i]);
        else
            panel->setMinimumWidth(100);
        bar->addWidget(panel, i == 2 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
    m_statusPanels[0]->setText(QStringLiteral("std-db"));
}

QAction* TfrmHauptFormular::languageAction(int language) const
{
    switch (language) {
    case TdmStorage::English: return m_englishCmd;
    case TdmStorage::German: return m_germanCmd;
    case TdmStorage::French: return m_frenchCmd;
    default: return nullptr;
    }
}

void TfrmHauptFormular::checkActiveLanguage()
{
    if (QAction* active = languageAction(m_storage.language()))
        active->setChecked(true);
}

void TfrmHauptFormular::languageItemClicked(QAction* action)
{
    Q_UNUSED(action);
    QAction* checked = m_languageGroup->checkedAction();
    if (!checked) {
        checkActiveLanguage();
        return;
    }
    const int language = checked->data().toInt();
    m_storage.setLanguage(language);
    m_settings.uiSprache = language;
}

void TfrmHauptFormular::setCaptionFileName(const QString& fileName)
{
    m_captionFileName = fileName;
    retranslateUi();
}

void TfrmHauptFormular::retranslateUi()
{
    const QString name
        = m_captionFileName.isEmpty() ? TdmStorage::untitledFileName() : m_captionFileName;
    setWindowTitle(tr("Sendora! Special Edition - %1", "IDS_Caption").arg(name));
    m_languageMenu->setTitle(tr("&Language", "IDS_MnuSprache"));
    m_englishCmd->setText(tr("&English", "IDS_MnuEnglisch"));
    m_germanCmd->setText(tr("&German", "IDS_MnuDeutsch"));
    m_frenchCmd->setText(tr("&French", "IDS_MnuFranzoesisch"));
}

void TfrmHauptFormular::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TfrmHauptFormular::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closing();
}
