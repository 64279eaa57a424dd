#pragma once

#include <QString>

// The countries of a service's flag (`CodeFuerFlagge`): codes 1 to 54, each with a fixed
// name per interface language. The flag strip has 55 pictures, 0 meaning no flag; the
// country filter lists the codes in this order.
namespace CountryCodeTable {

inline constexpr int kFirstCode = 1;
inline constexpr int kLastCode = 54;

bool isValidCode(int code);
// The name of code in language (1 English, 2 German, 3 French; any other number gives
// English). Empty for a code outside 1 to 54.
QString name(int code, int language);

} // namespace CountryCodeTable
