#include "core/evaluation/SiteEvaluation.h"

#include "core/platform/TextLines.h"

#include <QCoreApplication>
#include <QSet>

namespace SiteEvaluation {
namespace {

// Texts of this file are looked up under one context, which lupdate sees too.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SiteEvaluation)
};

// The points of the keywords' and the description's length table.
int lengthPoints(int length)
{
    struct Step
    {
        int upTo;
        int points;
    };
    static const Step table[] = { { 10, 1 },   { 20, 3 },   { 30, 5 },   { 40, 7 },   { 50, 9 },
                                  { 70, 10 },  { 90, 11 },  { 110, 12 }, { 130, 13 }, { 150, 14 },
                                  { 170, 15 }, { 190, 16 }, { 200, 17 }, { 220, 18 }, { 240, 19 },
                                  { 256, 20 }, { 270, 19 }, { 280, 18 }, { 300, 17 }, { 320, 16 },
                                  { 330, 15 }, { 350, 14 }, { 380, 13 }, { 420, 12 }, { 450, 11 } };
    for (const Step& step : table) {
        if (length <= step.upTo)
            return step.points;
    }
    return 5;
}

QString ratingFor(int score)
{
    if (score < 41)
        return Tr::tr("Error!", "IDS_21");
    if (score <= 49)
        return Tr::tr("Not OK", "IDS_22");
    if (score <= 56)
        return Tr::tr("Partly OK", "IDS_23");
    return Tr::tr("OK", "IDS_24");
}

// Capital share points; 8 extra for a text of more than four words without points.
int capitalPoints(int share, int words)
{
    if (share < 41)
        return 20;
    if (share <= 60)
        return 15;
    if (share <= 80)
        return 10;
    return words > 4 ? 8 : 0;
}

struct CapitalTexts
{
    QString none, avoid, tooMany, eliminate;
};

void addCapitals(ElementResult& r, QStringList& messages, const CapitalTexts& texts)
{
    const int share = capitalShare(r.text);
    r.score += capitalPoints(share, r.wordCount);
    messages.append(share < 41 ? texts.none
                    : share <= 60 ? texts.avoid
                    : share <= 80 ? texts.tooMany
                                  : texts.eliminate);
}

ElementResult evaluateTitle(const QString& title)
{
    ElementResult r;
    r.element = Element::Title;
    r.name = Tr::tr("Title", "IDS_2");
    r.text = title;
    r.length = int(title.size());
    r.wordCount = wordCount(title);
    QStringList messages;
    const QString upper = TextLines::trimBlanks(title).toUpper();
    if (upper == QLatin1String("INDEX") || upper == QLatin1String("INDEX.HTML")
        || upper == QLatin1String("INDEX.HTM")) {
        messages.append(Tr::tr("You have not entered a title. Replace \"index\" with suitable title.", "IDS_3"));
    } else if (title.isEmpty()) {
        messages.append(Tr::tr("You should never submit websites without a title! Add a title to your "
                           "website by entering a suitable text in the 'title' tag.",
                           "IDS_20"));
    } else {
        const int L = r.length;
        if (r.wordCount == 0) {
            messages.append(Tr::tr("You should never submit websites that have no title! Add a suitable "
                               "title for your website in the 'title' tag.",
                               "IDS_4"));
        } else if (L <= 9) {
            r.score += 10;
            messages.append(Tr::tr("The website has a title, but the title is too short. You should "
                               "consider entering a longer title, for example a brief description "
                               "of the content of the document.",
                               "IDS_5"));
        } else if (L <= 20) {
            r.score += 18;
            messages.append(Tr::tr("Website has a title, but the title should be longer. Enter for "
                               "example a brief description of the document's content of the "
                               "document.",
                               "IDS_6"));
        } else if (L <= 39) {
            r.score += 19;
            messages.append(Tr::tr("Website has a correct title. However, you may add more text in the "
                               "title.",
                               "IDS_7"));
        } else if (L <= 140) {
            r.score += 20;
            messages.append(Tr::tr("Website has a correct title.", "IDS_8"));
        } else if (L <= 180) {
            r.score += 18;
            messages.append(Tr::tr("Title is a little too long. Consider shortening the title. Note that "
                               "the title should not consist of a detailed description of your "
                               "website or a list of keywords.",
                               "IDS_9"));
        } else if (L <= 220) {
            r.score += 16;
            messages.append(Tr::tr("The title is too long. Consider shortening the title. Note that the "
                               "title should not consist of a detailed description of your website "
                               "or a list of keywords.",
                               "IDS_10"));
        } else {
            r.score += 10;
            messages.append(Tr::tr("The title is far too long. You must shorten the title. Note that the "
                               "title should not consist of a detailed description of your website "
                               "or a list of keywords.",
                               "IDS_11"));
        }
        addCapitals(r, messages,
                    { Tr::tr("The title contains no invalid capitalization.", "IDS_12"),
                      Tr::tr("Avoid unnecessary capitals! Most search services do not like them.", "IDS_13"),
                      Tr::tr("There are too many capitals in your text! Most search services do not "
                         "like them.",
                         "IDS_14"),
                      Tr::tr("You must eliminate unnecessary capitals! Most search services do not like "
                         "them.",
                         "IDS_15") });
        if (r.wordCount < 3) {
            r.score += 20;
        } else {
            const double ratio = repetitions(title, true).distinctRatio();
            if (ratio > 0.9) {
                r.score += 20;
                messages.append(Tr::tr("The text does not contain invalid repetitions of terms.", "IDS_16"));
            } else if (ratio > 0.8) {
                r.score += 18;
                messages.append(Tr::tr("Check whether your text contains invalid repetitions of terms.", "IDS_17"));
            } else if (ratio > 0.6) {
                r.score += ratio > 0.7 ? 16 : 14;
                messages.append(Tr::tr("Avoid repetitions of terms.", "IDS_18"));
            } else {
                messages.append(Tr::tr("You must eliminate repeated terms.", "IDS_19"));
            }
        }
    }
    r.comment = messages.join(QLatin1Char('\r'));
    r.rating = ratingFor(r.score);
    return r;
}

// The length message of the keywords (keywords true) or the description.
QString lengthMessage(bool keywords, int L, int N)
{
    QString text;
    if (L <= 50) {
        text = keywords ? Tr::tr("You have entered only %1 characters. This is not sufficient! We "
                             "recommend to enter up to 255 characters.",
                             "IDS_27")
                        : Tr::tr("You have entered only %1 characters. This by far short! We recommend "
                             "to enter up to 255 characters.",
                             "IDS_45");
    } else if (L <= 150) {
        text = keywords ? Tr::tr("You have only entered %1 characters. This is not sufficient! We "
                             "recommend to enter up to 255 characters.",
                             "IDS_28")
                        : Tr::tr("You have entered only %1 characters. This is not sufficient! We "
                             "recommend to enter up to 255 characters.",
                             "IDS_46");
    } else if (L <= 200) {
        text = Tr::tr("You have entered %1 characters. We recommend to enter up to 255 characters.",
                  "IDS_29");
    } else if (L <= 256) {
        return keywords ? Tr::tr("Keywords entered and correct.", "IDS_30")
                        : Tr::tr("Description entered and correct.", "IDS_48");
    } else if (L <= 350) {
        text = keywords ? Tr::tr("Too many keywords! You have entered %1 characters. We recommend to "
                             "enter max.255 characters.",
                             "IDS_31")
                        : Tr::tr("The description is too long. You have entered %1 characters. We "
                             "recommend to enter max. 255 characters.",
                             "IDS_49");
    } else if (L <= 450) {
        text = keywords ? Tr::tr("Reduce the number of keywords! You have entered %1 characters. That "
                             "is too much! We recommend to enter max. 255 characters.",
                             "IDS_32")
                        : Tr::tr("Shorten the description! You have entered %1 characters. That is too "
                             "much! We recommend to enter max. 255 characters.",
                             "IDS_50");
    } else {
        text = keywords ? Tr::tr("You must reduce the number of keywords! You have entered %1 "
                             "characters. This is far too much! We recommend to enter max. 255 "
                             "characters.",
                             "IDS_33")
                        : Tr::tr("You must shorten your description! You have entered %1 characters. "
                             "This is far too much! We recommend to enter max.255 characters.",
                             "IDS_51");
        text = text.arg(L);
        // The word remark follows in the same message, after one blank.
        if (N <= 4) {
            text += QLatin1Char(' ')
                + (keywords ? Tr::tr("In addition, there are only %1 words, which might indicate "
                                 "another problem. Ensure that the individual keywords are "
                                 "separated by commas.",
                                 "IDS_34")
                            : Tr::tr("In addition, there are only %1 words, which might indicate "
                                 "another problem.",
                                 "IDS_52"))
                      .arg(N);
        } else if (N <= 9) {
            text += QLatin1Char(' ')
                + Tr::tr("In addition, there are only %1 words, which might indicate another problem. "
                     "You should consider entering more terms.",
                     "IDS_35")
                      .arg(N);
        }
        return text;
    }
    return text.arg(L);
}

ElementResult evaluateText(bool keywords, const QString& value)
{
    ElementResult r;
    r.element = keywords ? Element::Keywords : Element::Description;
    r.name = keywords ? Tr::tr("Keywords", "IDS_25") : Tr::tr("Description", "IDS_43");
    r.text = value;
    r.length = int(value.size());
    r.wordCount = wordCount(value);
    const QString missing = keywords
        ? Tr::tr("No keywords! Add keywords to your website by entering suitable terms through the "
             "'keywords' meta tag.",
             "IDS_26")
        : Tr::tr("You should never submit websites without a description! Add a description to your "
             "website by entering this information through the 'description' meta tag.",
             "IDS_44");
    QStringList messages;
    if (value.isEmpty()) {
        messages.append(missing);
    } else {
        if (r.wordCount == 0) {
            messages.append(missing);
        } else {
            r.score += lengthPoints(r.length);
            messages.append(lengthMessage(keywords, r.length, r.wordCount));
        }
        const QString eliminate = Tr::tr("You must eliminate unnecessary capitals! Most search services "
                                     "do not like them.",
                                     "IDS_39");
        if (keywords) {
            addCapitals(r, messages,
                        { Tr::tr("The keywords contain no invalid capitalization.", "IDS_36"),
                          Tr::tr("Avoid unnecessary capitals! Most search services do not like them.", "IDS_37"),
                          Tr::tr("There are too many capitals in your text! Most search services do "
                             "not like them.",
                             "IDS_38"),
                          eliminate });
        } else {
            addCapitals(r, messages,
                        { Tr::tr("Description contains no invalid capitalization.", "IDS_54"),
                          Tr::tr("Avoid unnecessary capitals! Most search services do not like them.", "IDS_55"),
                          Tr::tr("There are too many capitals in your text! Most search services do "
                             "not like them.",
                             "IDS_56"),
                          eliminate });
        }
        if (r.wordCount < 3) {
            r.score += 20;
        } else {
            const Repetitions rep = repetitions(value, !keywords);
            const double ratio = rep.distinctRatio();
            // The description tolerates a little more repetition than the keywords.
            const double t[4] = { keywords ? 0.9 : 0.8, keywords ? 0.8 : 0.7,
                                  keywords ? 0.7 : 0.6, keywords ? 0.6 : 0.5 };
            if (ratio > t[0]) {
                r.score += 20;
                messages.append(keywords ? Tr::tr("The text does not contain invalid repetitions of terms.", "IDS_16")
                                         : Tr::tr("Text contains no invalid repetitions of terms.", "IDS_57"));
            } else if (ratio > t[1]) {
                r.score += 18;
                messages.append(Tr::tr("Check whether your text contains invalid repetitions of terms. "
                                   "%1 identical terms have been found.",
                                   "IDS_40")
                                    .arg(rep.repeated));
            } else if (ratio > t[3]) {
                r.score += ratio > t[2] ? 16 : 14;
                messages.append(Tr::tr("Avoid repetitions of terms. %1 identical terms have been found.",
                                   "IDS_41")
                                    .arg(rep.repeated));
            } else {
                messages.append(Tr::tr("You must eliminate repeated terms. %1 identical terms have been "
                                   "found.",
                                   "IDS_42")
                                    .arg(rep.repeated));
            }
        }
    }
    r.comment = messages.join(QLatin1Char('\r'));
    r.rating = ratingFor(r.score);
    return r;
}

ElementResult evaluateRefresh(int delay)
{
    ElementResult r;
    r.element = Element::Refresh;
    r.name = Tr::tr("Refresh", "IDS_69");
    if (delay < 0) {
        r.comment = Tr::tr("No refresh", "IDS_70");
        r.rating = Tr::tr("OK", "IDS_71");
        r.score = 60;
    } else if (delay <= 9) {
        r.comment = Tr::tr("Refresh value is too low! Enter a higher value!", "IDS_61");
        r.rating = Tr::tr("Error!", "IDS_21");
    } else {
        r.comment = Tr::tr("Refresh value is within the acceptable range.", "IDS_62");
        r.rating = Tr::tr("OK", "IDS_24");
        r.score = 60;
    }
    return r;
}

} // namespace

int wordCount(const QString& text)
{
    int count = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool separator = c == QLatin1Char(' ') || c == QLatin1Char(',');
        if (!separator && !inWord)
            ++count;
        inWord = !separator;
    }
    return count;
}

int capitalShare(const QString& text)
{
    if (text.isEmpty())
        return 0;
    qsizetype capitals = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            ++capitals;
    }
    return int(capitals * 100 / text.size());
}

Repetitions repetitions(const QString& text, bool fullStopSeparates)
{
    Repetitions result;
    QSet<QString> seen;
    QString word;
    bool quoted = false;
    auto finish = [&] {
        if (word.isEmpty())
            return;
        ++result.words;
        const QString upper = word.toUpper();
        if (seen.contains(upper))
            ++result.repeated;
        else
            seen.insert(upper);
        word.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            word.append(c);
            continue;
        }
        const bool separator = c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('\r')
            || c == QLatin1Char('\n') || (fullStopSeparates && c == QLatin1Char('.'));
        if (separator && !quoted)
            finish();
        else
            word.append(c);
    }
    finish();
    return result;
}

Result evaluate(const QString& title, const QString& keywords, const QString& description,
                int refreshDelay, const QLocale& locale)
{
    Result result;
    result.refreshDelay = refreshDelay;
    result.elements = { evaluateTitle(title), evaluateText(true, keywords),
                        evaluateText(false, description), evaluateRefresh(refreshDelay) };
    for (const ElementResult& e : result.elements) {
        result.sum += e.score;
        result.rowValues.append(locale.toString(e.score * 100.0 / 60.0, 'f', 2) + QLatin1Char('%'));
    }
    result.percentText = locale.toString(result.sum * 100.0 / 240.0, 'f', 2);
    const QString percent = QStringLiteral("%");
    if (result.sum <= 220) {
        result.band = Band::Red;
        result.statusText = Tr::tr("Overall assessment: %1 %2 - Rectify these problems before submitting "
                               "your website.",
                               "IDS_63")
                                .arg(result.percentText, percent);
    } else if (result.sum <= 230) {
        result.band = Band::Yellow;
        result.statusText = Tr::tr("Overall assessment: %1 %2 - Read the notes and hints.", "IDS_64")
                                .arg(result.percentText, percent);
    } else {
        result.band = Band::Green;
        result.statusText = Tr::tr("Overall assessment: %1 %2 - All checked parameters are OK.", "IDS_65")
                                .arg(result.percentText, percent);
    }
    return result;
}

QList<DetailPart> details(const Result& result, int index)
{
    QList<DetailPart> parts;
    if (index < 0 || index >= result.elements.size())
        return parts;
    const ElementResult& e = result.elements.at(index);
    using Style = DetailPart::Style;
    parts.append({ Style::Heading, Tr::tr("Status", "IDS_1001") });
    parts.append({ Style::Plain, e.rating });
    parts.append({ Style::Plain, QString() });
    parts.append({ Style::Heading, Tr::tr("Comment", "IDS_1002") });
    parts.append({ Style::Plain, e.comment });
    parts.append({ Style::Plain, QString() });
    if (e.element == Element::Refresh) {
        parts.append({ Style::Heading, Tr::tr("Refresh", "IDS_1006") });
        parts.append({ Style::Plain,
                       result.refreshDelay < 0
                           ? Tr::tr("The website has no REFRESH value.", "IDS_68")
                           : Tr::tr("The website has a REFRESH value of %1'.", "IDS_67").arg(result.refreshDelay) });
        return parts;
    }
    const QString heading = e.element == Element::Title
        ? Tr::tr("Current title", "IDS_1003")
        : e.element == Element::Keywords ? Tr::tr("Current keywords", "IDS_1004")
                                         : Tr::tr("Current description", "IDS_1005");
    parts.append({ Style::Heading, heading });
    parts.append({ Style::Plain, e.text });
    parts.append({ Style::Plain, QString() });
    parts.append({ Style::BoldUnderlined,
                   Tr::tr("Number of words: %1 Number of characters: %2", "IDS_66").arg(e.wordCount).arg(e.length) });
    return parts;
}

} // namespace SiteEvaluation
