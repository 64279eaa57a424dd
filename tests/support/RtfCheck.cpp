#include "support/RtfCheck.h"

#include "core/platform/Windows1252.h"

#include <QList>

namespace RtfCheck {

namespace {

struct Group
{
    bool skipped = false;
    int uc = 1;
    bool first = true; // nothing read in the group yet
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isDestination(const QByteArray& word)
{
    static const char* const names[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer",
        "headerl", "headerr", "footerl", "footerr", "listtable", "listoverridetable",
        "rsidtbl", "generator", "filetbl", "revtbl", "xmlnstbl", "themedata",
    };
    for (const char* name : names) {
        if (word == name)
            return true;
    }
    return false;
}

Result failure(const char* what, qsizetype offset)
{
    Result r;
    r.error = QStringLiteral("%1 at offset %2").arg(QLatin1String(what)).arg(offset);
    return r;
}

} // namespace

Result check(const QByteArray& doc)
{
    if (!doc.startsWith("{\\rtf1") || (doc.size() > 6 && (isLetter(doc[6]) || isDigit(doc[6]))))
        return failure("no {\\rtf1 header", 0);
    for (qsizetype i = 0; i < doc.size(); ++i) {
        if (uchar(doc[i]) >= 0x80 || doc[i] == 0)
            return failure("8-bit or NUL byte", i);
    }

    QList<Group> groups;
    QString text;
    int pendingSkip = 0; // fallback characters after \u still to pass over
    bool ansi1252 = false;
    qsizetype i = 0;

    const auto put = [&](const QString& s) {
        if (groups.isEmpty() || groups.last().skipped)
            return;
        for (QChar c : s) {
            if (pendingSkip > 0) {
                --pendingSkip;
                continue;
            }
            text += c;
        }
    };

    while (i < doc.size()) {
        const char c = doc[i];
        if (c == '{') {
            Group g;
            if (!groups.isEmpty()) {
                g.skipped = groups.last().skipped;
                g.uc = groups.last().uc;
            } else if (i != 0) {
                return failure("text after the document's group", i);
            }
            groups.append(g);
            pendingSkip = 0;
            ++i;
            continue;
        }
        if (c == '}') {
            if (groups.isEmpty())
                return failure("unbalanced }", i);
            groups.removeLast();
            pendingSkip = 0;
            ++i;
            if (groups.isEmpty()) {
                for (qsizetype j = i; j < doc.size(); ++j) {
                    if (doc[j] != '\r' && doc[j] != '\n')
                        return failure("text after the document's group", j);
                }
                break;
            }
            continue;
        }
        if (groups.isEmpty())
            return failure("text outside the document's group", i);
        Group& group = groups.last();
        const bool first = group.first;
        group.first = false;

        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            put(QString(QLatin1Char(c)));
            ++i;
            continue;
        }

        // A control word or symbol.
        const qsizetype start = i;
        ++i;
        if (i >= doc.size())
            return failure("backslash at the end", start);
        const char s = doc[i];
        if (isLetter(s)) {
            QByteArray word;
            while (i < doc.size() && isLetter(doc[i]))
                word += doc[i++];
            if (word.size() > 32)
                return failure("control word too long", start);
            QByteArray number;
            if (i < doc.size() && doc[i] == '-')
                number += doc[i++];
            while (i < doc.size() && isDigit(doc[i]))
                number += doc[i++];
            if (number == "-")
                return failure("minus without a number", start);
            if (number.size() > 11)
                return failure("number too long", start);
            if (i < doc.size() && doc[i] == ' ')
                ++i;
            const bool hasNumber = !number.isEmpty();
            const long long value = hasNumber ? number.toLongLong() : 0;

            if (first && isDestination(word))
                group.skipped = true;
            if (word == "ansicpg")
                ansi1252 = value == 1252;
            else if (word == "uc")
                group.uc = int(value);
            else if (word == "u") {
                if (!hasNumber || value < -32768 || value > 32767)
                    return failure("\\u without a 16-bit number", start);
                put(QString(QChar(char16_t(value < 0 ? value + 65536 : value))));
                if (!group.skipped)
                    pendingSkip = group.uc;
            } else if (word == "par" || word == "line") {
                put(QStringLiteral("\n"));
            } else if (word == "tab") {
                put(QStringLiteral("\t"));
            }
            continue;
        }
        ++i;
        switch (s) {
        case '\\':
        case '{':
        case '}':
            put(QString(QLatin1Char(s)));
            break;
        case '\'': {
            if (i + 1 >= doc.size() || hexValue(doc[i]) < 0 || hexValue(doc[i + 1]) < 0)
                return failure("\\' without two hex digits", start);
            const char byte = char(hexValue(doc[i]) * 16 + hexValue(doc[i + 1]));
            i += 2;
            put(ansi1252 ? Windows1252::decode(QByteArray(1, byte))
                          : QString(QChar(char16_t(uchar(byte)))));
            break;
        }
        case '*':
            if (first)
                group.skipped = true;
            break;
        case '~':
            put(QString(QChar(0xa0)));
            break;
        case '-':
        case '_':
        case '|':
        case ':':
            break;
        case '\r':
        case '\n':
            put(QStringLiteral("\n"));
            break;
        default:
            return failure("unknown control symbol", start);
        }
    }
    if (!groups.isEmpty())
        return failure("unclosed group", doc.size());

    Result r;
    r.ok = true;
    r.text = text;
    return r;
}

} // namespace RtfCheck
