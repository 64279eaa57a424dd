#include "support/ScriptedMessages.h"

#include "core/platform/Platform.h"

ScriptedMessages::ScriptedMessages()
{
    Platform::setMessages(this);
}

ScriptedMessages::~ScriptedMessages()
{
    Platform::setMessages(nullptr);
}

Messages::Result ScriptedMessages::show(Kind kind, const QString& text, Buttons buttons)
{
    m_shown.append({kind, text, buttons});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Result::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Result::Yes;
    }
    return Result::Ok;
}

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const Shown& s : m_shown)
        list << s.text;
    return list;
}
