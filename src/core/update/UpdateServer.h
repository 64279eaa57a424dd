#pragma once

#include <QLatin1String>
#include <QString>

// The maker's update server. Its address is fixed at build time (the CMake cache entry
// SENDORA_UPDATE_SERVER) and can be overridden at run time by the environment variable
// of the same name, for tests and for users behind a mirror.
namespace UpdateServer {

inline constexpr QLatin1String kEnvironmentVariable { "SENDORA_UPDATE_SERVER" };
inline constexpr QLatin1String kInfoFileName { "INFO.DAT" };
// Every request authenticates with this account (HTTP Basic).
inline constexpr QLatin1String kUserName { "upmanager" };
inline constexpr QLatin1String kPassword { "Kq7r2Vx9" };
// Sent as the Referer of every request.
inline constexpr QLatin1String kReferer { "http://www.sendora.example/" };
inline constexpr QLatin1String kInfoUserAgent { "Mozilla/4.0 (compatible; MSIE 5.0; Win32)" };

// The build-time address, with a final "/" (empty when the build set none).
QString defaultAddress();
// The address in use: the environment variable when it is set and not empty, else the
// build-time one; always with a final "/" unless empty.
QString address();
// address() + "INFO.DAT"; empty when there is no address.
QString infoFileUrl();

} // namespace UpdateServer
