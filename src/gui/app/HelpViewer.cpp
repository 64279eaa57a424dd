#include "gui/app/HelpViewer.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPageRole = Qt::UserRole;

QString readResource(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

QString HelpViewer::resourcePath(const QString& code, const QString& page)
{
    return QStringLiteral(":/help/%1/%2").arg(code, page);
}

bool HelpViewer::pageExists(const QString& code, const QString& page)
{
    return !page.contains(QLatin1Char('/')) && QFile::exists(resourcePath(code, page));
}

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    resize(820, 560);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    auto* bar = new QHBoxLayout;
    m_back = new QToolButton(this);
    m_back->setObjectName(QStringLiteral("btnBack"));
    m_forward = new QToolButton(this);
    m_forward->setObjectName(QStringLiteral("btnForward"));
    m_home = new QToolButton(this);
    m_home->setObjectName(QStringLiteral("btnContents"));
    for (QToolButton* b : {m_back, m_forward, m_home}) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(b);
    }
    bar->addStretch(1);
    column->addLayout(bar);

    auto* split = new QSplitter(this);
    m_tabs = new QTabWidget(split);
    m_contents = new QListWidget(m_tabs);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setWordWrap(true);
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* indexPage = new QWidget(m_tabs);
    auto* indexColumn = new QVBoxLayout(indexPage);
    indexColumn->setContentsMargins(4, 4, 4, 4);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_index = new QListWidget(indexPage);
    m_index->setObjectName(QStringLiteral("helpIndex"));
    indexColumn->addWidget(m_indexFilter);
    indexColumn->addWidget(m_index);
    m_tabs->addTab(m_contents, QString());
    m_tabs->addTab(indexPage, QString());

    auto* right = new QWidget(split);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    m_note = new QLabel(right);
    m_note->setObjectName(QStringLiteral("helpNote"));
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff4d6; border: 1px solid #e0b050; padding: 6px; color: #5a3a00; }"));
    m_note->hide();
    m_browser = new QTextBrowser(right);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #1d5fa6; } p { margin-bottom: 8px; } p.see, p.nav { color: #3a5670; }"));
    rightColumn->addWidget(m_note);
    rightColumn->addWidget(m_browser, 1);
    split->addWidget(m_tabs);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 590});
    column->addWidget(split, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_home, &QToolButton::clicked, this, &HelpViewer::openContents);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { m_note->hide(); });
    const auto openItem = [this](QListWidgetItem* item) {
        if (item)
            openPage(item->data(kPageRole).toString(), item->data(kPageRole).toString());
    };
    connect(m_contents, &QListWidget::itemActivated, this, openItem);
    connect(m_contents, &QListWidget::itemClicked, this, openItem);
    connect(m_index, &QListWidget::itemActivated, this, openItem);
    connect(m_index, &QListWidget::itemClicked, this, openItem);
    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this, openItem] {
        openItem(m_index->currentItem());
    });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    retranslate();
    loadLists();
}

void HelpViewer::retranslate()
{
    setWindowTitle(tr("Sendora help"));
    m_back->setText(tr("< &Back"));
    m_forward->setText(tr("&Forward >"));
    m_home->setText(tr("&Contents"));
    m_tabs->setTabText(0, tr("Contents"));
    m_tabs->setTabText(1, tr("Index"));
    m_indexFilter->setPlaceholderText(tr("Type a keyword"));
}

void HelpViewer::setLanguageFolder(const QString& code)
{
    if (code == m_lang)
        return;
    m_lang = code;
    loadLists();
    m_browser->clearHistory();
    m_browser->setSource(QUrl());
}

void HelpViewer::loadLists()
{
    m_contents->clear();
    static const QRegularExpression link(QStringLiteral("<li><a href=\"([^\"]+)\">([^<]+)</a>"));
    const QString contents = readResource(resourcePath(m_lang, QStringLiteral("contents.html")));
    for (auto it = link.globalMatch(contents); it.hasNext();) {
        const auto m = it.next();
        auto* item = new QListWidgetItem(
            QTextDocumentFragment::fromHtml(m.captured(2)).toPlainText(), m_contents);
        item->setData(kPageRole, m.captured(1));
    }
    m_index->clear();
    const QString index = readResource(resourcePath(m_lang, QStringLiteral("index.txt")));
    for (const QString& line : index.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 2)
            continue;
        auto* item = new QListWidgetItem(parts[0], m_index);
        item->setData(kPageRole, parts[1].trimmed());
    }
}

void HelpViewer::filterIndex(const QString& text)
{
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        if (!first && item->text().startsWith(text.trimmed(), Qt::CaseInsensitive))
            first = item;
    }
    if (first) {
        m_index->setCurrentItem(first);
        m_index->scrollToItem(first, QAbstractItemView::PositionAtTop);
    }
}

bool HelpViewer::openPage(const QString& page, const QString& requested)
{
    if (!pageExists(m_lang, page)) {
        openContents();
        showNote(tr("The help page \"%1\" does not exist. Please choose a topic from the "
                    "contents.").arg(requested));
        return false;
    }
    m_browser->setSource(QUrl(QStringLiteral("qrc") + resourcePath(m_lang, page)));
    return true;
}

void HelpViewer::openContents()
{
    m_tabs->setCurrentIndex(0);
    m_browser->setSource(
        QUrl(QStringLiteral("qrc") + resourcePath(m_lang, QStringLiteral("contents.html"))));
}

void HelpViewer::openIndex(const QString& keyword)
{
    m_tabs->setCurrentIndex(1);
    m_indexFilter->setText(keyword);
    filterIndex(keyword);
    if (m_browser->source().isEmpty())
        openContents();
}

void HelpViewer::showNote(const QString& text)
{
    m_note->setText(text);
    m_note->show();
}

QString HelpViewer::note() const
{
    return m_note->isVisible() || !m_note->isHidden() ? m_note->text() : QString();
}

QString HelpViewer::currentPage() const
{
    return m_browser->source().fileName();
}

void HelpViewer::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
