#pragma once

#include "core/platform/WaitIndicator.h"

#include <QList>
#include <QString>

// Records what an algorithm shows in the wait window. abortAfterUpdates(n) makes the
// user press Abort once n progress updates have arrived.
class ScriptedWaitIndicator final : public WaitIndicator
{
public:
    ScriptedWaitIndicator();
    ~ScriptedWaitIndicator() override;

    bool showWait(const QString& caption, const QString& text, bool showAbort,
                  bool showProgress) override;
    void updateWait(std::int32_t step, std::int32_t total) override;
    bool hideWait() override;
    bool abortRequested() const override { return m_aborted; }

    void abortAfterUpdates(int count) { m_abortAfter = count; }

    bool visible() const { return m_visible; }
    QString caption() const { return m_caption; }
    QString text() const { return m_text; }
    int position() const { return m_position; }
    int showCount() const { return m_showCount; }
    int updateCount() const { return m_updates; }

private:
    bool m_visible = false;
    bool m_aborted = false;
    QString m_caption;
    QString m_text;
    int m_position = 0;
    int m_showCount = 0;
    int m_updates = 0;
    int m_abortAfter = -1;
};
