#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens a web address, or a local file, in the desktop's web browser. A local path becomes a
// file URL; an address without a scheme gets http://. An address the browser cannot open
// is the browser's matter: nothing is reported.
void OpenWebAddress(const QString& address);

// The URL OpenWebAddress would open for an address (empty for an empty address).
QUrl webAddressUrl(const QString& address);

// Tests: record the URL instead of opening it; an empty handler restores the browser.
void setOpenWebAddressHandler(std::function<void(const QUrl&)> handler);
