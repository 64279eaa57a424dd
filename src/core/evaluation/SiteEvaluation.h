#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// The site evaluation: title, keywords, description and refresh delay of a page, each
// scored up to 60 points by fixed text rules, with rating, comment and the overall
// assessment.
namespace SiteEvaluation {

enum class Element { Title, Keywords, Description, Refresh };
enum class Band { Red, Yellow, Green };

struct ElementResult
{
    Element element = Element::Title;
    QString name;
    QString rating;
    int score = 0;
    int wordCount = 0;
    int length = 0;
    QString comment; // the messages of the checks joined by CR
    QString text;
};

struct Result
{
    QList<ElementResult> elements; // title, keywords, description, refresh
    int refreshDelay = -1;
    int sum = 0;
    QString percentText; // S in per cent of 240, two decimals in the given locale
    QString statusText;
    Band band = Band::Red;

    // The value of each element's row: its score in per cent of 60, "98.33%".
    QList<QString> rowValues;
};

// One piece of the details text, with how the window shows it.
struct DetailPart
{
    enum class Style { Heading, Plain, BoldUnderlined };
    Style style = Style::Plain;
    QString text;
};

// Measures the rules use.
int wordCount(const QString& text);
int capitalShare(const QString& text);
struct Repetitions
{
    int words = 0; // W
    int repeated = 0;
    double distinctRatio() const { return words == 0 ? 0.0 : double(words - repeated) / words; }
};
Repetitions repetitions(const QString& text, bool fullStopSeparates);

Result evaluate(const QString& title, const QString& keywords, const QString& description,
                int refreshDelay, const QLocale& locale = QLocale::c());

// The details of one element (0 title ... 3 refresh) for the rich text box.
QList<DetailPart> details(const Result& result, int index);

} // namespace SiteEvaluation
