#pragma once

#include <QString>

// Turns a dotted version ("3.2.9.4") into a number that compares like the version:
// (major + 1) * 100000 plus, for each of the next three components, the first digit
// plus one times 10000, 1000 and 100 (a missing component counts as digit 0, further
// components are ignored). Only the first digit of a minor component counts, so "3.10"
// equals "3.1". Anything that is not digits and dots, or whose digits do not fit a
// 32-bit int, or that has an empty component among the first four, gives 0, which is
// lower than every real version.
qint64 VersionToNumber(const QString& version);
