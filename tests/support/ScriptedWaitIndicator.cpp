#include "support/ScriptedWaitIndicator.h"

#include "core/platform/Platform.h"

ScriptedWaitIndicator::ScriptedWaitIndicator()
{
    Platform::setWaitIndicator(this);
}

ScriptedWaitIndicator::~ScriptedWaitIndicator()
{
    Platform::setWaitIndicator(nullptr);
}

bool ScriptedWaitIndicator::showWait(const QString& caption, const QString& text, bool, bool)
{
    m_visible = true;
    m_aborted = false;
    m_caption = caption;
    m_text = text;
    ++m_showCount;
    return true;
}

void ScriptedWaitIndicator::updateWait(std::int32_t step, std::int32_t total)
{
    if (!m_visible || m_aborted)
        return;
    ++m_updates;
    const int percent = progressPercent(step, total);
    if (percent >= 0)
        m_position = percent;
    if (m_abortAfter >= 0 && m_updates >= m_abortAfter)
        m_aborted = true;
}

bool ScriptedWaitIndicator::hideWait()
{
    const bool was = m_visible;
    m_visible = false;
    return was;
}
