#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The checks of the site details editor that do not need its window.
namespace SiteValidation {

// The 259 top-level domains the address checks know, upper case, in their fixed order.
const QStringList& TopLevelDomains();

// The characters the URL input accepts (also the character set of IsValidURL).
bool isUrlChar(QChar c);
// The characters the e-mail inputs accept.
bool isEmailChar(QChar c);
// The characters the age input accepts.
bool isAgeChar(QChar c);

bool IsValidURL(const QString& text);
bool IsValidEmail(const QString& text);

// "A" to "Z" times 100 divided by the length, rounded down (0 for an empty text).
int capitalShare(const QString& text);

// The three warnings about a title, each independent of the others.
struct TitleFindings
{
    bool repeatedExclamation = false;
    bool specialCharacters = false;
    bool tooManyCapitals = false;
};
TitleFindings checkTitle(const QString& title);

// Shows each warning of checkTitle with its question "Do you wish to continue?"; true
// when the user answered No to any of them (the focus goes back to the title).
bool confirmTitle(const QString& title);

} // namespace SiteValidation
