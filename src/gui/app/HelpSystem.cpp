#include "gui/app/HelpSystem.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kContextProperty = "sendoraHelpContext";
}

HelpSystem& HelpSystem::instance()
{
    static HelpSystem help;
    return help;
}

void HelpSystem::setLanguage(int language)
{
    m_language = (language >= 1 && language <= 3) ? language : 1;
}

void HelpSystem::showTopic(int topic)
{
    requests << QStringLiteral("topic %1").arg(topic);
}

void HelpSystem::showContents()
{
    requests << QStringLiteral("contents");
}

void HelpSystem::showIndex(const QString& keyword)
{
    requests << QStringLiteral("index ") + keyword;
}

void HelpSystem::showTopicByName(const QString& name)
{
    requests << QStringLiteral("name ") + name;
}

void HelpSystem::setHelpContext(QWidget* widget, int topic)
{
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
