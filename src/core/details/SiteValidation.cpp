#include "core/details/SiteValidation.h"

#include "core/evaluation/SiteEvaluation.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/platform/TextLines.h"

#include <QCoreApplication>

namespace SiteValidation {
namespace {

bool isAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// Windows-1252 223 to 246 and 248 to 255 are the same code points in Unicode.
bool isAccentedLowerLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 223 && u <= 246) || (u >= 248 && u <= 255);
}

// Texts of this file are looked up under one context, which lupdate sees too.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SiteValidation)
};

} // namespace

const QStringList& TopLevelDomains()
{
    static const QStringList domains = QStringLiteral(
        "AC AD AE AERO AF AG AI AL AM AN AO AQ AR AS AT AU AW AZ BA BB BD BE BF BG BH BI BIZ BJ "
        "BM BN BO BR BS BT BV BW BY BZ CA CC CD CF CG CH CI CK CL CM CN CO COM COOP CR CU CV CX "
        "CY CZ DE DJ DK DM DO DZ EC EDU EE EG EH ER ES ET EU FI FJ FK FM FO FR GA GD GE GF GG GH "
        "GI GL GM GN GOV GP GQ GR GS GT GU GW GY HK HM HN HR HT HU ID IE IL IM IN INFO INT IO IQ "
        "IR IS IT JE JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB LC LI LK LR LS LU LV LY MA "
        "MC MD MG MH MIL MK ML MM MN MO MP MQ MR MS MT MU MUSEUM MV MW MX MY MZ NA NAME NC NE "
        "NET NF NG NI NL NO NP NR NU NZ OM ORG PA PE PF PG PH PK PL PM PN PR PRO PS PT PW PY QA "
        "RE RO RU RW SA SB SC SD SE SG SH SHOP SI SJ SK SL SM SN SO SR ST SV SY SZ TC TD TF TG "
        "TH TJ TK TM TN TO TP TR TT TV TW TZ UA UG UK UM US UY UZ VA VC VE VG VI VN VU WF WS YE "
        "YT YU ZA ZM ZR ZW")
                                          .split(QLatin1Char(' '));
    return domains;
}

bool isUrlChar(QChar c)
{
    static const QLatin1String extra("$&+-./:=?_~");
    return isAsciiLetterOrDigit(c) || extra.contains(c) || isAccentedLowerLetter(c);
}

bool isEmailChar(QChar c)
{
    static const QLatin1String extra("&-.@_");
    return isAsciiLetterOrDigit(c) || extra.contains(c) || isAccentedLowerLetter(c);
}

bool isAgeChar(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool IsValidURL(const QString& input)
{
    const QString text = TextLines::trimBlanks(input);
    if (text.size() <= 12)
        return false;
    if (!text.startsWith(QLatin1String("http"), Qt::CaseInsensitive))
        return false;
    const qsizetype scheme = text.indexOf(QLatin1String("://"));
    if (scheme < 0 || !text.contains(QLatin1Char('.')))
        return false;
    for (const QChar c : text) {
        if (!isUrlChar(c))
            return false;
    }
    QString host = text.mid(scheme + 3);
    const qsizetype slash = host.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        host.truncate(slash);
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    host = host.toUpper();
    for (const QString& domain : TopLevelDomains()) {
        if (host.contains(QLatin1Char('.') + domain))
            return true;
    }
    return false;
}

bool IsValidEmail(const QString& input)
{
    const QString text = TextLines::trimBlanks(input);
    if (text.size() <= 6 || !text.contains(QLatin1Char('@')) || !text.contains(QLatin1Char('.')))
        return false;
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    const QString local = text.left(at);
    if (local.isEmpty() || !isAsciiLetterOrDigit(local.at(0)))
        return false;
    static const QLatin1String localExtra("&-._");
    for (const QChar c : local) {
        if (!isAsciiLetterOrDigit(c) && !localExtra.contains(c))
            return false;
    }
    const QString domain = text.mid(at + 1);
    if (domain.isEmpty() || !domain.contains(QLatin1Char('.')) || domain.startsWith(QLatin1Char('.')))
        return false;
    const char16_t last = domain.back().unicode();
    const bool letter = (last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z') || last == 196
        || last == 214 || last == 220 || last == 228 || last == 246 || last == 252;
    if (!letter)
        return false;
    const QString tld = domain.mid(domain.lastIndexOf(QLatin1Char('.')) + 1).toUpper();
    return TopLevelDomains().contains(tld);
}

int capitalShare(const QString& text)
{
    return SiteEvaluation::capitalShare(text);
}

TitleFindings checkTitle(const QString& title)
{
    TitleFindings findings;
    findings.repeatedExclamation = title.contains(QLatin1String("!!"));
    for (const char* special : { "*", "/", "#", "--", "<", ">" }) {
        if (title.contains(QLatin1String(special)))
            findings.specialCharacters = true;
    }
    findings.tooManyCapitals = title.size() >= 5 && capitalShare(title) >= 41;
    return findings;
}

bool confirmTitle(const QString& title)
{
    Messages& messages = Platform::messages();
    const TitleFindings findings = checkTitle(title);
    bool focusBack = false;
    auto warn = [&](const QString& text) {
        messages.information(text);
        if (messages.confirm(Tr::tr("Do you wish to continue?")) == Messages::Result::No)
            focusBack = true;
    };
    if (findings.repeatedExclamation)
        warn(Tr::tr("Avoid repeated exclamation marks. Most search services do not like them."));
    if (findings.specialCharacters)
        warn(Tr::tr("Avoid special characters such as *, # or <. Most search services do not like them."));
    if (findings.tooManyCapitals)
        warn(Tr::tr("Avoid unnecessary capitals! Most search services do not like them."));
    return focusBack;
}

} // namespace SiteValidation
