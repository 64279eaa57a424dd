#pragma once

#include <QString>

#include <cstdint>

// The "please wait" window that algorithms show around long work on the user-interface
// thread. showWait and updateWait let pending events be processed, so callers must
// expect other input to be handled at those points.
class WaitIndicator
{
public:
    virtual ~WaitIndicator() = default;

    // Shows (or reuses) the wait window. Returns false when it could not be shown; the
    // failure is otherwise swallowed.
    virtual bool showWait(const QString& caption, const QString& text, bool showAbort,
                          bool showProgress)
        = 0;
    // Moves the progress bar to step/total (in per cent). Does nothing but process
    // events once the user pressed Abort or when no window is shown.
    virtual void updateWait(std::int32_t step, std::int32_t total) = 0;
    // Returns true when a window existed and was hidden.
    virtual bool hideWait() = 0;
    // Set by the window's Abort button or by closing it; cleared by showWait.
    virtual bool abortRequested() const = 0;

    // The bar position for step of total: the step is scaled down by 128 (and the total
    // with it) from 2^24 on, so that step * 100 stays within 32 bits. Returns -1 when
    // the total is 0 and the bar keeps its position.
    static int progressPercent(std::int32_t step, std::int32_t total);
};
