#include "core/update/UpdateServer.h"

#include <QtGlobal>

#ifndef SENDORA_UPDATE_SERVER
#define SENDORA_UPDATE_SERVER ""
#endif

namespace {

QString withFinalSlash(QString address)
{
    address = address.trimmed();
    if (!address.isEmpty() && !address.endsWith(u'/'))
        address += u'/';
    return address;
}

} // namespace

namespace UpdateServer {

QString defaultAddress()
{
    return withFinalSlash(QStringLiteral(SENDORA_UPDATE_SERVER));
}

QString address()
{
    const QString fromEnvironment = qEnvironmentVariable(kEnvironmentVariable.data());
    if (!fromEnvironment.trimmed().isEmpty())
        return withFinalSlash(fromEnvironment);
    return defaultAddress();
}

QString infoFileUrl()
{
    const QString root = address();
    return root.isEmpty() ? QString() : root + QString(kInfoFileName);
}

} // namespace UpdateServer
