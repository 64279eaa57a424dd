#include "core/platform/Platform.h"

#include "core/platform/FileDialogs.h"
#include "core/platform/Messages.h"
#include "core/platform/WaitIndicator.h"

#include <algorithm>
#include <cstdio>

namespace {

class CancellingFileDialogs final : public FileDialogs
{
public:
    QString openFile(const Options&) override { return {}; }
    QString saveFile(const Options&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

class SilentWaitIndicator final : public WaitIndicator
{
public:
    bool showWait(const QString&, const QString&, bool, bool) override { return false; }
    void updateWait(std::int32_t, std::int32_t) override { }
    bool hideWait() override { return false; }
    bool abortRequested() const override { return false; }
};

StderrMessages g_stderrMessages;
CancellingFileDialogs g_cancellingDialogs;
SilentWaitIndicator g_silentWait;

Messages* g_messages = nullptr;
FileDialogs* g_fileDialogs = nullptr;
WaitIndicator* g_waitIndicator = nullptr;

} // namespace

Messages::Result StderrMessages::show(Kind kind, const QString& text, Buttons buttons)
{
    const char* label = "Information";
    switch (kind) {
    case Kind::Error: label = "Error"; break;
    case Kind::Warning: label = "Warning"; break;
    case Kind::Information: label = "Information"; break;
    case Kind::Confirmation: label = "Question"; break;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s: %s\n", label, qPrintable(shown));
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Result::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Result::Yes;
    }
    return Result::Ok;
}

int WaitIndicator::progressPercent(std::int32_t step, std::int32_t total)
{
    std::int64_t scaled = 0;
    if (step >= (1 << 24)) {
        scaled = std::int64_t(step / 128) * 100;
        total /= 128;
    } else {
        // 64-bit so that a negative step from a confused caller cannot overflow.
        scaled = std::int64_t(step) * 100;
    }
    if (total == 0)
        return -1;
    return int(std::clamp<std::int64_t>(scaled / total, INT32_MIN, INT32_MAX));
}

namespace Platform {

Messages& messages() { return g_messages ? *g_messages : g_stderrMessages; }
FileDialogs& fileDialogs() { return g_fileDialogs ? *g_fileDialogs : g_cancellingDialogs; }
WaitIndicator& waitIndicator() { return g_waitIndicator ? *g_waitIndicator : g_silentWait; }

void setMessages(Messages* messages) { g_messages = messages; }
void setFileDialogs(FileDialogs* dialogs) { g_fileDialogs = dialogs; }
void setWaitIndicator(WaitIndicator* indicator) { g_waitIndicator = indicator; }

} // namespace Platform
