#include "core/services/FilterExpression.h"

#include "core/platform/SdError.h"
#include "core/platform/TDateTime.h"
#include "core/services/ServiceSchema.h"

#include <QCoreApplication>
#include <QDate>

namespace FilterExpression {

namespace {

// Deeper nesting is no real filter; the limit keeps the recursive parser off the stack's
// edge.
constexpr int kMaxDepth = 64;
constexpr int kMaxLength = 65536;

enum class Tok { End, LParen, RParen, Ident, String, Number, Op };

struct Token
{
    Tok type = Tok::End;
    QString text;
    int position = 0; // 1-based, for messages
};

QString tr(const char* text)
{
    return QCoreApplication::translate("FilterExpression", text);
}

[[noreturn]] void fail(const QString& text)
{
    throw SdError(text);
}

class Lexer
{
public:
    explicit Lexer(const QString& text)
        : m_text(text)
    {
    }

    Token next()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
        Token t;
        t.position = int(m_pos) + 1;
        if (m_pos >= m_text.size())
            return t;
        const QChar c = m_text.at(m_pos);
        if (c == u'(' || c == u')') {
            t.type = c == u'(' ? Tok::LParen : Tok::RParen;
            t.text = c;
            ++m_pos;
            return t;
        }
        if (c == u'\'') {
            t.type = Tok::String;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    fail(tr("The text that begins at position %1 of the filter has no closing "
                            "quote.")
                             .arg(t.position));
                const QChar d = m_text.at(m_pos++);
                if (d == u'\'') {
                    if (m_pos < m_text.size() && m_text.at(m_pos) == u'\'') {
                        t.text += u'\'';
                        ++m_pos;
                        continue;
                    }
                    return t;
                }
                t.text += d;
            }
        }
        if (c == u'=' || c == u'<' || c == u'>') {
            t.type = Tok::Op;
            t.text = c;
            ++m_pos;
            if (m_pos < m_text.size()) {
                const QChar d = m_text.at(m_pos);
                if ((c == u'<' && (d == u'>' || d == u'=')) || (c == u'>' && d == u'=')) {
                    t.text += d;
                    ++m_pos;
                }
            }
            return t;
        }
        if (c.isDigit() || c == u'-' || c == u'.') {
            t.type = Tok::Number;
            t.text = c;
            ++m_pos;
            while (m_pos < m_text.size()
                   && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'))
                t.text += m_text.at(m_pos++);
            return t;
        }
        if (c.isLetter() || c == u'_') {
            t.type = Tok::Ident;
            while (m_pos < m_text.size()
                   && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_'))
                t.text += m_text.at(m_pos++);
            return t;
        }
        fail(tr("The character \"%1\" at position %2 of the filter is not allowed.")
                 .arg(c)
                 .arg(t.position));
    }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
};

bool isKeyword(const Token& t, const char* word)
{
    return t.type == Tok::Ident && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

class Parser
{
public:
    Parser(const QString& text, const QLocale& locale)
        : m_lexer(text)
        , m_locale(locale)
    {
        advance();
    }

    Sql parseAll()
    {
        Sql sql;
        if (m_token.type == Tok::End)
            return sql;
        sql.where = parseOr(0);
        if (m_token.type != Tok::End)
            expected(tr("\"and\", \"or\" or the end"));
        sql.values = m_values;
        return sql;
    }

private:
    void advance() { m_token = m_lexer.next(); }

    [[noreturn]] void expected(const QString& what)
    {
        const QString found = m_token.type == Tok::End ? tr("the end of the filter")
                                                        : QLatin1Char('"') + m_token.text
                                                              + QLatin1Char('"');
        fail(tr("Syntax error in the filter at position %1: %2 expected, %3 found.")
                 .arg(m_token.position)
                 .arg(what, found));
    }

    QString parseOr(int depth)
    {
        QString left = parseAnd(depth);
        while (isKeyword(m_token, "or")) {
            advance();
            left = u'(' + left + QStringLiteral(" OR ") + parseAnd(depth) + u')';
        }
        return left;
    }

    QString parseAnd(int depth)
    {
        QString left = parseTerm(depth);
        while (isKeyword(m_token, "and")) {
            advance();
            left = u'(' + left + QStringLiteral(" AND ") + parseTerm(depth) + u')';
        }
        return left;
    }

    QString parseTerm(int depth)
    {
        if (m_token.type == Tok::LParen) {
            if (depth >= kMaxDepth)
                fail(tr("The filter nests brackets too deeply."));
            advance();
            const QString inner = parseOr(depth + 1);
            if (m_token.type != Tok::RParen)
                expected(tr("\")\""));
            advance();
            return inner;
        }
        return parseComparison();
    }

    QString parseComparison()
    {
        if (m_token.type != Tok::Ident || isKeyword(m_token, "and") || isKeyword(m_token, "or")
            || isKeyword(m_token, "null"))
            expected(tr("a field name or \"(\""));
        const std::optional<ServiceField> field = ServiceSchema::fieldByName(m_token.text);
        if (!field)
            fail(tr("The filter names the field \"%1\", which the service table does not have.")
                     .arg(m_token.text));
        const ServiceSchema::FieldDef& def = ServiceSchema::field(*field);
        const QString fieldText = m_token.text;
        advance();
        if (m_token.type != Tok::Op)
            expected(tr("a comparison operator (=, <>, <, >, <=, >=)"));
        const QString op = m_token.text;
        advance();
        const Token value = m_token;
        if (value.type != Tok::String && value.type != Tok::Number && !isKeyword(value, "null"))
            expected(tr("a value"));
        advance();

        const QString column = QLatin1Char('"') + QLatin1String(def.name) + QLatin1Char('"');
        if (isKeyword(value, "null"))
            return nullTest(def, column, op, fieldText);

        using K = ServiceSchema::Kind;
        switch (def.kind) {
        case K::Boolean: {
            if (op != u'=' && op != QLatin1String("<>"))
                notComparable(value, fieldText);
            int b = -1;
            if (value.type == Tok::String) {
                if (value.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                    b = 1;
                else if (value.text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                    b = 0;
            }
            if (b < 0)
                notComparable(value, fieldText);
            m_values << b;
            return QStringLiteral("(coalesce(") + column + QStringLiteral(", 0) ") + op
                 + QStringLiteral(" ?)");
        }
        case K::String:
            m_values << value.text;
            // The collation goes on the column: SQLite 3.40 turns "x = ? COLLATE NOCASE
            // OR x = ?" into an IN look-up on the binary index and misses rows.
            return u'(' + column + QStringLiteral(" COLLATE NOCASE ") + op + QStringLiteral(" ?)");
        case K::AutoIncrement:
        case K::SmallInt:
        case K::Integer: {
            bool ok = false;
            const qlonglong n = value.text.trimmed().toLongLong(&ok);
            if (!ok)
                notComparable(value, fieldText);
            m_values << n;
            return u'(' + column + u' ' + op + QStringLiteral(" ?)");
        }
        case K::DateTime: {
            double d = 0;
            if (value.type == Tok::Number) {
                bool ok = false;
                d = value.text.toDouble(&ok);
                if (!ok)
                    notComparable(value, fieldText);
            } else {
                const QDate date = parseDate(value.text);
                if (!date.isValid())
                    fail(tr("\"%1\" in the filter is not a date (expected like %2).")
                             .arg(value.text, formatDate(QDate(2024, 12, 31), m_locale)));
                d = TDateTime::fromDate(date);
            }
            m_values << d;
            return u'(' + column + u' ' + op + QStringLiteral(" ?)");
        }
        }
        notComparable(value, fieldText);
    }

    QString nullTest(const ServiceSchema::FieldDef& def, const QString& column, const QString& op,
                     const QString& fieldText)
    {
        if (op != u'=' && op != QLatin1String("<>"))
            fail(tr("The field \"%1\" can only be compared with null by = or <>.").arg(fieldText));
        const bool isNull = op == u'=';
        QString empty = column + QStringLiteral(" IS NULL");
        if (def.kind == ServiceSchema::Kind::String)
            empty = u'(' + empty + QStringLiteral(" OR ") + column + QStringLiteral(" = '')");
        else if (def.kind == ServiceSchema::Kind::DateTime)
            empty = u'(' + empty + QStringLiteral(" OR ") + column + QStringLiteral(" = 0)");
        return isNull ? QString(u'(' + empty + u')') : QString(QStringLiteral("(NOT ") + empty + u')');
    }

    [[noreturn]] void notComparable(const Token& value, const QString& fieldText)
    {
        fail(tr("The value %1 cannot be compared with the field \"%2\" that way.")
                 .arg(value.type == Tok::String ? u'\'' + value.text + u'\'' : value.text,
                      fieldText));
    }

    QDate parseDate(const QString& text) const
    {
        const QString trimmed = text.trimmed();
        QDate date = m_locale.toDate(trimmed, dateFormat(m_locale));
        // "yyyy" also takes "24"; a year written with two digits is handled below.
        if (date.isValid() && date.year() >= 1000)
            return date;
        const QString shortFormat = m_locale.dateFormat(QLocale::ShortFormat);
        date = m_locale.toDate(trimmed, shortFormat);
        // A two-digit year is read as 1900 + yy; filters speak of recent years.
        if (date.isValid() && !shortFormat.contains(QLatin1String("yyyy")) && date.year() < 1950)
            date = date.addYears(100);
        if (!date.isValid())
            date = QDate::fromString(trimmed, Qt::ISODate);
        return date;
    }

    Lexer m_lexer;
    const QLocale& m_locale;
    Token m_token;
    QVariantList m_values;
};

} // namespace

QString dateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString formatDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, dateFormat(locale));
}

Sql toSql(const QString& expression, const QLocale& locale)
{
    if (expression.size() > kMaxLength)
        fail(tr("The filter is too long."));
    Parser parser(expression, locale);
    return parser.parseAll();
}

} // namespace FilterExpression
