#include "gui/platform/GuiWaitIndicator.h"

#include "gui/app/TfrmWaitDialog.h"

#include <QApplication>

GuiWaitIndicator::~GuiWaitIndicator()
{
    delete m_window;
}

bool GuiWaitIndicator::showWait(const QString& caption, const QString& text, bool showAbort,
                                bool showProgress)
{
    if (!m_window) {
        m_window = new TfrmWaitDialog(QApplication::activeWindow());
        QObject::connect(m_window, &TfrmWaitDialog::abortRequested, m_window,
                         [this] { m_aborted = true; });
    }
    m_aborted = false;
    m_window->setup(caption, text, showAbort, showProgress);
    m_window->show();
    m_window->raise();
    QApplication::processEvents();
    return true;
}

void GuiWaitIndicator::updateWait(std::int32_t step, std::int32_t total)
{
    if (m_window && !m_aborted) {
        const int percent = progressPercent(step, total);
        if (percent >= 0)
            m_window->setPosition(percent);
    }
    QApplication::processEvents();
}

bool GuiWaitIndicator::hideWait()
{
    if (!m_window)
        return false;
    m_window->hide();
    delete m_window;
    return true;
}

bool GuiWaitIndicator::abortRequested() const
{
    return m_aborted;
}
