#include "gui/app/HelpSystem.h"

#include "gui/app/HelpViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kContextProperty = "sendoraHelpContext";

// F1 anywhere in the program: the topic of the widget with the focus (or under the key).
class F1Filter final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress
            || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1
            || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        const int topic = HelpSystem::helpContext(widget);
        if (topic > 0)
            HelpSystem::instance().showTopic(topic);
        else
            HelpSystem::instance().showContents();
        event->accept();
        return true;
    }
};

void installF1()
{
    static QPointer<F1Filter> filter;
    if (!filter && qApp) {
        filter = new F1Filter(qApp);
        qApp->installEventFilter(filter);
    }
}
} // namespace

HelpSystem& HelpSystem::instance()
{
    static HelpSystem help;
    return help;
}

QString HelpSystem::languageFolder(int language)
{
    switch (language) {
    case 2:
        return QStringLiteral("de");
    case 3:
        return QStringLiteral("fr");
    default:
        return QStringLiteral("en");
    }
}

void HelpSystem::setLanguage(int language)
{
    m_language = (language >= 1 && language <= 3) ? language : 1;
    if (m_viewer)
        m_viewer->setLanguageFolder(languageFolder(m_language));
}

HelpViewer* HelpSystem::openViewer()
{
    installF1();
    if (!m_viewer) {
        m_viewer = new HelpViewer;
        m_viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_viewer->setLanguageFolder(languageFolder(m_language));
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
    return m_viewer;
}

HelpViewer* HelpSystem::viewer() const
{
    return m_viewer.data();
}

void HelpSystem::closeViewer()
{
    delete m_viewer.data();
}

void HelpSystem::showTopic(int topic)
{
    requests << QStringLiteral("topic %1").arg(topic);
    if (!m_recordOnly)
        openViewer()->openPage(QStringLiteral("%1.html").arg(topic), QString::number(topic));
}

void HelpSystem::showContents()
{
    requests << QStringLiteral("contents");
    if (!m_recordOnly)
        openViewer()->openContents();
}

void HelpSystem::showIndex(const QString& keyword)
{
    requests << QStringLiteral("index ") + keyword;
    if (!m_recordOnly)
        openViewer()->openIndex(keyword);
}

void HelpSystem::showTopicByName(const QString& name)
{
    requests << QStringLiteral("name ") + name;
    if (!m_recordOnly)
        openViewer()->openPage(name + QStringLiteral(".html"), name);
}

void HelpSystem::setHelpContext(QWidget* widget, int topic)
{
    installF1();
    if (widget)
        widget->setProperty(kContextProperty, topic);
}

int HelpSystem::helpContext(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(kContextProperty);
        if (v.isValid() && v.toInt() > 0)
            return v.toInt();
    }
    return 0;
}
