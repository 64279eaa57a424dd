#pragma once

#include "core/platform/WaitIndicator.h"

#include <QPointer>

class TfrmWaitDialog;

// The one wait window of the process: created by showWait, freed by hideWait.
class GuiWaitIndicator final : public WaitIndicator
{
public:
    ~GuiWaitIndicator() override;

    bool showWait(const QString& caption, const QString& text, bool showAbort,
                  bool showProgress) override;
    void updateWait(std::int32_t step, std::int32_t total) override;
    bool hideWait() override;
    bool abortRequested() const override;

    TfrmWaitDialog* window() const { return m_window; }

private:
    QPointer<TfrmWaitDialog> m_window;
    bool m_aborted = false;
};
