#pragma once

#include "core/platform/Messages.h"

#include <QList>
#include <QStringList>

// A Messages implementation for tests: answers from a queue (Ok, Yes, ... in the order
// given; the first button of the box once the queue is empty) and records every box.
// Installs itself as the process-wide Messages while it lives.
class ScriptedMessages final : public Messages
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    ScriptedMessages();
    ~ScriptedMessages() override;

    Result show(Kind kind, const QString& text, Buttons buttons) override;

    void answer(Result result) { m_answers.append(result); }
    void answer(std::initializer_list<Result> results) { m_answers.append(results); }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); m_answers.clear(); }

private:
    QList<Result> m_answers;
    QList<Shown> m_shown;
};
