#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// The meta tag values of one web page, the meta tag lines generated from them, the
// meta tag file (*.mtg, Windows-1252, one generated line per CR LF line) and the reader
// that takes the meta tags of any HTML text back into the values.
class TLastInfo
{
public:
    struct SonderZeichen
    {
        QChar zeichen;
        const char* entity;
    };
    // Characters replaced by their HTML entity when the user asks for it, in the order
    // they are replaced; "&", the no-break space and the pilcrow are not among them.
    static const std::array<SonderZeichen, 104>& sonderZeichen();

    // The meta names the reader looks for, numbered 1 to 10 in this order.
    static const std::array<const char*, 10>& metaNames();

    QString Author;
    QString Publisher;
    QString Copyright;
    QStringList Keywords;
    QStringList Description;
    QString PageTopic;
    QString Audience;
    int ExpiresMode = -1; // -1 none, 0 never, 1 immediately, 2 on ExpiresDate
    QDateTime ExpiresDate = QDateTime::currentDateTime();
    QString PageType;
    int Robots = -1; // -1 none, 0..3 the four index/follow combinations

    // Appends the lines for the current values; may ask whether to replace special
    // characters. False (with the information shown) when no line results.
    bool GenerateLines(QStringList& list) const;
    // Reads the meta tags of the text of list into the values, with the reader's
    // warnings and information. True when at least one known meta tag was read.
    bool ReadFromLines(const QStringList& list);

    // Reads a meta tag file; raises SdError with the file error.
    bool LoadFile(const QString& name);
    // Writes the generated lines atomically; nothing is written when there are none.
    // Raises SdError when the file cannot be written.
    bool SaveFile(const QString& name) const;

    // The attribute texts of the meta tags of text, one entry per tag, in the order
    // of the text (line breaks count as blanks).
    static QStringList ExtractMetaTags(const QString& text);
    // Quotes and apostrophes removed, ";" as blank (except the one ending a character
    // reference such as "&auml;"), no blanks around "=", trimmed.
    static QString NormalizeTag(const QString& tag);
    // The delay of the page's refresh tag in seconds, or -1.
    static int RefreshDelay(const QString& text);

    // "Tue, 6 Jan 2004 00:00:00 GMT" for 6 January 2004 (the time is ignored).
    static QString expiresText(const QDate& date);
    // The date of such a text; an invalid QDate with monthKnown false when the month
    // name is none of the twelve; nullopt when the text is not a date.
    struct ParsedExpires
    {
        bool isDate = false; // day and year numbers present
        bool monthKnown = false;
        QDate date; // valid only when monthKnown and the date exists
    };
    static ParsedExpires parseExpiresText(const QString& afterComma);

private:
    static QString replaceSonderZeichen(const QString& text);
    void storeValue(int name, const QString& value);
};
