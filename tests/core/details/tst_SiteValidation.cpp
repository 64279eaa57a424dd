#include "core/details/SiteValidation.h"
#include "support/ScriptedMessages.h"

#include <QTest>

using namespace SiteValidation;
using Result = Messages::Result;

class TestSiteValidation : public QObject
{
    Q_OBJECT

private slots:
    void topLevelDomains();
    void url_data();
    void url();
    void email_data();
    void email();
    void keyFilters();
    void titleChecks_data();
    void titleChecks();
    void confirmTitleAsks();
};

void TestSiteValidation::topLevelDomains()
{
    const QStringList& domains = TopLevelDomains();
    QCOMPARE(domains.size(), 259);
    QCOMPARE(domains.first(), QStringLiteral("AC"));
    QCOMPARE(domains.at(3), QStringLiteral("AERO"));
    QCOMPARE(domains.last(), QStringLiteral("ZW"));
    QVERIFY(domains.contains("SHOP"));
    QVERIFY(!domains.contains("GB"));
    QCOMPARE(domains.indexOf("COM"), domains.indexOf("CO") + 1);
    QCOMPARE(QSet<QString>(domains.begin(), domains.end()).size(), 259);
}

void TestSiteValidation::url_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("valid");

    QTest::newRow("ordinary") << "http://www.example.de/" << true;
    QTest::newRow("12 characters") << "http://ab.de" << false;
    QTest::newRow("13 characters") << "http://abc.de" << true;
    QTest::newRow("13, unknown last label") << "http://abc.xq" << false;
    QTest::newRow("13, .co inside the host") << "http://a.cox.q" << true;
    QTest::newRow("co label, unknown end") << "http://www.shop.cool.zz/page" << true;
    QTest::newRow("www. removed before the test") << "http://www.cool.zz/page" << false;
    QTest::newRow("blanks are trimmed") << "  http://abc.de  " << true;
    QTest::newRow("no scheme") << "www.example.de/abc" << false;
    QTest::newRow("ftp") << "ftp://www.example.de" << false;
    QTest::newRow("upper-case scheme") << "HTTP://WWW.EXAMPLE.DE" << true;
    QTest::newRow("percent sign") << "http://www.example.de/a%20b" << false;
    QTest::newRow("hash") << "http://www.example.de/#top" << false;
    QTest::newRow("umlaut host") << "http://www.m\u00fcller.de" << true;
    QTest::newRow("tld only in path") << "http://localhost/x.de" << false;
    QTest::newRow("gb") << "http://www.example.gb" << false;
    QTest::newRow("https with query") << "https://shop.example.com/?a=1&b=2" << true;
}

void TestSiteValidation::url()
{
    QFETCH(QString, url);
    QFETCH(bool, valid);
    QCOMPARE(IsValidURL(url), valid);
}

void TestSiteValidation::email_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("valid");

    QTest::newRow("ordinary") << "info@example.de" << true;
    QTest::newRow("gb rejected") << "info@example.gb" << false;
    QTest::newRow("uk accepted") << "info@example.co.uk" << true;
    QTest::newRow("digit at the end") << "info@example.d1" << false;
    QTest::newRow("6 characters") << "a@b.de" << false;
    QTest::newRow("7 characters") << "ab@c.de" << true;
    QTest::newRow("local part starts with a dot") << ".ab@example.de" << false;
    QTest::newRow("local part with plus") << "a+b@example.de" << false;
    QTest::newRow("local part with & - . _") << "a&b-c.d_e@example.de" << true;
    QTest::newRow("domain starts with a dot") << "abc@.example.de" << false;
    QTest::newRow("no dot in the domain") << "abc.def@example" << false;
    QTest::newRow("second @ in the domain") << "abc@ex@ample.de" << true;
    QTest::newRow("umlaut last, unknown tld") << "abc@example.d\u00fc" << false;
    QTest::newRow("upper case tld") << "ABC@EXAMPLE.COM" << true;
    QTest::newRow("blanks are trimmed") << " abc@example.de " << true;
}

void TestSiteValidation::email()
{
    QFETCH(QString, email);
    QFETCH(bool, valid);
    QCOMPARE(IsValidEmail(email), valid);
}

void TestSiteValidation::keyFilters()
{
    for (const char c : QByteArray("$&+-./:=?_~09AZaz"))
        QVERIFY2(isUrlChar(QLatin1Char(c)), &c);
    for (const char c : QByteArray("%#@ ,;\"<>"))
        QVERIFY2(!isUrlChar(QLatin1Char(c)), &c);
    QVERIFY(isUrlChar(QChar(223)) && isUrlChar(QChar(246)) && isUrlChar(QChar(248)) && isUrlChar(QChar(255)));
    QVERIFY(!isUrlChar(QChar(247)) && !isUrlChar(QChar(222)) && !isUrlChar(QChar(196)));

    for (const char c : QByteArray("&-.09@AZ_az"))
        QVERIFY2(isEmailChar(QLatin1Char(c)), &c);
    for (const char c : QByteArray("+/:$~ "))
        QVERIFY2(!isEmailChar(QLatin1Char(c)), &c);
    QVERIFY(isEmailChar(QChar(252)) && !isEmailChar(QChar(247)));

    QVERIFY(isAgeChar(QLatin1Char('0')) && isAgeChar(QLatin1Char('9')));
    QVERIFY(!isAgeChar(QLatin1Char('-')) && !isAgeChar(QChar(0x0663)));
}

void TestSiteValidation::titleChecks_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("exclamation");
    QTest::addColumn<bool>("special");
    QTest::addColumn<bool>("capitals");

    QTest::newRow("nine of ten capitals") << "ABCDEFGHIj" << false << false << true;
    QTest::newRow("four capitals") << "ABCD" << false << false << false;
    QTest::newRow("41 per cent") << QString(41, u'A') + QString(59, u'a') << false << false << true;
    QTest::newRow("40 per cent") << QString(40, u'A') + QString(60, u'a') << false << false << false;
    QTest::newRow("two hyphens") << "Shop -- Garden" << false << true << false;
    QTest::newRow("one hyphen") << "Shop - Garden" << false << false << false;
    QTest::newRow("single exclamation") << "Shop!" << false << false << false;
    QTest::newRow("double exclamation") << "shop!! now" << true << false << false;
    QTest::newRow("slash") << "a/b" << false << true << false;
    QTest::newRow("everything") << "BUY!! *NOW*" << true << true << true;
}

void TestSiteValidation::titleChecks()
{
    QFETCH(QString, title);
    QFETCH(bool, exclamation);
    QFETCH(bool, special);
    QFETCH(bool, capitals);
    const TitleFindings findings = checkTitle(title);
    QCOMPARE(findings.repeatedExclamation, exclamation);
    QCOMPARE(findings.specialCharacters, special);
    QCOMPARE(findings.tooManyCapitals, capitals);
}

void TestSiteValidation::confirmTitleAsks()
{
    ScriptedMessages messages;
    messages.answer({ Result::Ok, Result::Yes, Result::Ok, Result::No, Result::Ok, Result::Yes });
    QVERIFY(confirmTitle(QStringLiteral("BUY!! *NOW*")));
    const QString cont = QStringLiteral("Do you wish to continue?");
    QCOMPARE(messages.texts(),
             (QStringList { "Avoid repeated exclamation marks. Most search services do not like them.", cont,
                            "Avoid special characters such as *, # or <. Most search services do not like "
                            "them.",
                            cont, "Avoid unnecessary capitals! Most search services do not like them.", cont }));
    messages.clear();
    QVERIFY(!confirmTitle(QStringLiteral("A quiet title")));
    QVERIFY(messages.shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestSiteValidation)
#include "tst_SiteValidation.moc"
