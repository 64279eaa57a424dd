#include "gui/platform/OpenWebAddress.h"

#include <QDesktopServices>
#include <QDir>

namespace {
std::function<void(const QUrl&)>& handler()
{
    static std::function<void(const QUrl&)> h;
    return h;
}
} // namespace

QUrl webAddressUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (QDir::isAbsolutePath(trimmed))
        return QUrl::fromLocalFile(trimmed);
    return QUrl::fromUserInput(trimmed);
}

void OpenWebAddress(const QString& address)
{
    const QUrl url = webAddressUrl(address);
    if (!url.isValid())
        return;
    if (handler())
        handler()(url);
    else
        QDesktopServices::openUrl(url);
}

void setOpenWebAddressHandler(std::function<void(const QUrl&)> h)
{
    handler() = std::move(h);
}
