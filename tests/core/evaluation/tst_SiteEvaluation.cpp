#include "core/evaluation/SiteEvaluation.h"

#include <QTest>

using namespace SiteEvaluation;

namespace {

const QString kCapsOkKeywords = QStringLiteral("The keywords contain no invalid capitalization.");

// A lower-case text of exactly length characters whose words are all different.
QString distinctText(int length)
{
    QString text;
    for (int i = 0; text.size() < length; ++i) {
        text += QChar(u'a' + (i / 676) % 26) + QString(QChar(u'a' + (i / 26) % 26))
            + QChar(u'a' + i % 26) + QLatin1Char(' ');
    }
    text.truncate(length);
    return text;
}

} // namespace

class TestSiteEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void measures_data();
    void measures();
    void title_data();
    void title();
    void keywords_data();
    void keywords();
    void description_data();
    void description();
    void refresh_data();
    void refresh();
    void overall_data();
    void overall();
    void rowValueInLocale();
    void detailTexts();
};

void TestSiteEvaluation::measures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fullStop");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("splitWords");
    QTest::addColumn<int>("repeated");

    QTest::newRow("comma list") << "a, b, a" << false << 3 << 3 << 1;
    QTest::newRow("trailing comma") << "a, b, c," << false << 3 << 3 << 0;
    QTest::newRow("case-insensitive") << "Garden garden GARDEN" << true << 3 << 3 << 2;
    QTest::newRow("full stop separates in titles") << "home.page home" << true << 2 << 3 << 1;
    QTest::newRow("full stop joins in keywords") << "home.page home" << false << 2 << 2 << 0;
    QTest::newRow("apostrophe quotes separators") << "'a b' a b" << true << 4 << 3 << 0;
    QTest::newRow("line breaks are blanks") << "one\r\none" << true << 1 << 2 << 1;
    QTest::newRow("only separators") << " , , " << true << 0 << 0 << 0;
}

void TestSiteEvaluation::measures()
{
    QFETCH(QString, text);
    QFETCH(bool, fullStop);
    QFETCH(int, words);
    QFETCH(int, splitWords);
    QFETCH(int, repeated);
    QCOMPARE(wordCount(text), words);
    const Repetitions rep = repetitions(text, fullStop);
    QCOMPARE(rep.words, splitWords);
    QCOMPARE(rep.repeated, repeated);
}

void TestSiteEvaluation::title_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("firstMessage");

    QTest::newRow("welcome") << "Welcome to My Homepage" << 59 << "OK"
                             << "Website has a correct title. However, you may add more text in the title.";
    QTest::newRow("index.html") << " INDEX.html " << 0 << "Error!"
                                << "You have not entered a title. Replace \"index\" with suitable title.";
    QTest::newRow("empty") << "" << 0 << "Error!"
                           << "You should never submit websites without a title! Add a title to your "
                              "website by entering a suitable text in the 'title' tag.";
    QTest::newRow("nine characters, two words")
        << "Small Zoo" << 10 + 20 + 20 << "Partly OK"
        << "The website has a title, but the title is too short. You should consider entering a longer "
           "title, for example a brief description of the content of the document.";
    QTest::newRow("separators only") << ",,,,," << 0 + 20 + 20 << "Error!"
                                     << "You should never submit websites that have no title! Add a "
                                        "suitable title for your website in the 'title' tag.";
    QTest::newRow("shouting, many words") << "BUY CHEAP GOODS HERE NOW" << 19 + 8 + 20 << "Not OK"
                                          << "Website has a correct title. However, you may add more "
                                             "text in the title.";
    QTest::newRow("repeated") << "shop shop shop shop shop shop" << 19 + 20 + 0 << "Error!"
                              << "Website has a correct title. However, you may add more text in the title.";
}

void TestSiteEvaluation::title()
{
    QFETCH(QString, title);
    QFETCH(int, score);
    QFETCH(QString, rating);
    QFETCH(QString, firstMessage);
    const Result result = evaluate(title, {}, {}, -1);
    const ElementResult& e = result.elements.at(0);
    QCOMPARE(e.score, score);
    QCOMPARE(e.rating, rating);
    QCOMPARE(e.comment.split(QLatin1Char('\r')).first(), firstMessage);
}

void TestSiteEvaluation::keywords_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("a, b, a") << "a, b, a" << 35 << "Error!"
                             << QStringList { "You have entered only 7 characters. This is not sufficient! "
                                              "We recommend to enter up to 255 characters.",
                                              kCapsOkKeywords,
                                              "Avoid repetitions of terms. 1 identical terms have been found." };
    QTest::newRow("500 characters, 3 words")
        << QString(166, u'a') + ", " + QString(165, u'b') + ", " + QString(165, u'c') << 5 + 20 + 20
        << "Not OK"
        << QStringList { "You must reduce the number of keywords! You have entered 500 characters. This is "
                         "far too much! We recommend to enter max. 255 characters. In addition, there are "
                         "only 3 words, which might indicate another problem. Ensure that the individual "
                         "keywords are separated by commas.",
                         kCapsOkKeywords,
                         "The text does not contain invalid repetitions of terms." };
    QTest::newRow("empty") << "" << 0 << "Error!"
                           << QStringList { "No keywords! Add keywords to your website by entering suitable "
                                            "terms through the 'keywords' meta tag." };
}

void TestSiteEvaluation::keywords()
{
    QFETCH(QString, keywords);
    QFETCH(int, score);
    QFETCH(QString, rating);
    QFETCH(QStringList, messages);
    const ElementResult e = evaluate({}, keywords, {}, -1).elements.at(1);
    QCOMPARE(e.score, score);
    QCOMPARE(e.rating, rating);
    QCOMPARE(e.comment.split(QLatin1Char('\r')), messages);
}

void TestSiteEvaluation::description_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("spaces and commas")
        << " , ,  , " << 40
        << QStringList { "You should never submit websites without a description! Add a description to "
                         "your website by entering this information through the 'description' meta tag.",
                         "Description contains no invalid capitalization." };
    // 4 words of which 1 repeats: 0.75 is above 0.7 for the description (18 points).
    QTest::newRow("one repetition in four")
        << "garden tools. garden seeds" << 5 + 20 + 18
        << QStringList { "You have entered only 26 characters. This by far short! We recommend to enter up "
                         "to 255 characters.",
                         "Description contains no invalid capitalization.",
                         "Check whether your text contains invalid repetitions of terms. 1 identical terms "
                         "have been found." };
}

void TestSiteEvaluation::description()
{
    QFETCH(QString, description);
    QFETCH(int, score);
    QFETCH(QStringList, messages);
    const ElementResult e = evaluate({}, {}, description, -1).elements.at(2);
    QCOMPARE(e.score, score);
    QCOMPARE(e.comment.split(QLatin1Char('\r')), messages);
}

void TestSiteEvaluation::refresh_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("row");
    QTest::newRow("none") << -1 << 60 << "OK" << "100.00%";
    QTest::newRow("5 seconds") << 5 << 0 << "Error!" << "0.00%";
    QTest::newRow("10 seconds") << 10 << 60 << "OK" << "100.00%";
}

void TestSiteEvaluation::refresh()
{
    QFETCH(int, delay);
    QFETCH(int, score);
    QFETCH(QString, rating);
    QFETCH(QString, row);
    const Result result = evaluate({}, {}, {}, delay);
    QCOMPARE(result.elements.at(3).score, score);
    QCOMPARE(result.elements.at(3).rating, rating);
    QCOMPARE(result.rowValues.at(3), row);
}

void TestSiteEvaluation::overall_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("status");

    const QString good = QStringLiteral("A title of forty characters, quite good!");
    QTest::newRow("four perfect elements")
        << good << distinctText(250) << 240 << int(Band::Green)
        << "Overall assessment: 100.00 % - All checked parameters are OK.";
    // "Small Zoo" scores 50; keywords of 71 to 90 characters 51, of 51 to 70 50.
    QTest::newRow("230 is yellow") << "Small Zoo" << distinctText(250) << 230 << int(Band::Yellow)
                                   << "Overall assessment: 95.83 % - Read the notes and hints.";
    QTest::newRow("221 is yellow") << "Small Zoo" << distinctText(80) << 221 << int(Band::Yellow)
                                   << "Overall assessment: 92.08 % - Read the notes and hints.";
    QTest::newRow("220 is red") << "Small Zoo" << distinctText(60) << 220 << int(Band::Red)
                                << "Overall assessment: 91.67 % - Rectify these problems before "
                                   "submitting your website.";
}

void TestSiteEvaluation::overall()
{
    QFETCH(QString, title);
    QFETCH(QString, keywords);
    QFETCH(int, sum);
    QFETCH(int, band);
    QFETCH(QString, status);
    const Result result = evaluate(title, keywords, distinctText(250), -1);
    QCOMPARE(result.sum, sum);
    QCOMPARE(int(result.band), band);
    QCOMPARE(result.statusText, status);
}

void TestSiteEvaluation::rowValueInLocale()
{
    const Result c = evaluate(QStringLiteral("Welcome to My Homepage"), {}, {}, -1);
    QCOMPARE(c.rowValues.at(0), QStringLiteral("98.33%"));
    const Result de = evaluate(QStringLiteral("Welcome to My Homepage"), {}, {}, -1, QLocale(QLocale::German));
    QCOMPARE(de.rowValues.at(0), QStringLiteral("98,33%"));
}

void TestSiteEvaluation::detailTexts()
{
    const Result result = evaluate(QStringLiteral("Welcome to My Homepage"), {}, {}, 12);
    const QList<DetailPart> title = details(result, 0);
    QCOMPARE(title.first().text, QStringLiteral("Status"));
    QCOMPARE(title.first().style, DetailPart::Style::Heading);
    QCOMPARE(title.at(1).text, QStringLiteral("OK"));
    QCOMPARE(title.at(3).text, QStringLiteral("Comment"));
    QCOMPARE(title.at(6).text, QStringLiteral("Current title"));
    QCOMPARE(title.at(7).text, QStringLiteral("Welcome to My Homepage"));
    QCOMPARE(title.last().text, QStringLiteral("Number of words: 4 Number of characters: 22"));
    QCOMPARE(title.last().style, DetailPart::Style::BoldUnderlined);
    const QList<DetailPart> refresh = details(result, 3);
    QCOMPARE(refresh.at(6).text, QStringLiteral("Refresh"));
    QCOMPARE(refresh.last().text, QStringLiteral("The website has a REFRESH value of 12'."));
    const Result none = evaluate({}, {}, {}, -1);
    QCOMPARE(details(none, 3).last().text, QStringLiteral("The website has no REFRESH value."));
}

QTEST_GUILESS_MAIN(TestSiteEvaluation)
#include "tst_SiteEvaluation.moc"
