#include "core/platform/SdError.h"
#include "core/settings/StringCipher.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <functional>
#include <nettle/cast128.h>

class TestStringCipher : public QObject
{
    Q_OBJECT

private slots:
    void knownVectors_data();
    void knownVectors();
    void roundTrip_data();
    void roundTrip();
    void everyByteRoundTrips();
    void invalidStoredText_data();
    void invalidStoredText();
    void textOutsideWindows1252IsRefused();
    void cast128KnownAnswer();
    void matchesPlainCfb8Loop();
};

namespace {

bool throwsFormatError(const std::function<void()>& call)
{
    try {
        call();
    } catch (const SdError& e) {
        return e.text() == QStringLiteral("Base64: Incorrect string format");
    }
    return false;
}

} // namespace

// Computed by a separate script over OpenSSL's CAST5 with a CFB-8 loop of its own, from
// the same six-byte program key: these do not come from the code under test.
void TestStringCipher::knownVectors_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("1 byte") << QStringLiteral("a") << QStringLiteral("ug==");
    QTest::newRow("8 bytes") << QStringLiteral("12345678") << QStringLiteral("6h4zd7Raovg=");
    QTest::newRow("9 bytes") << QStringLiteral("123456789") << QStringLiteral("6h4zd7RaoviU");
    QTest::newRow("20 bytes") << QStringLiteral("Proxy-Kennwort 2024!")
                              << QStringLiteral("i/5rT0Qi9qT0t0eoSRaepiRB31Y=");
    QTest::newRow("43 bytes") << QStringLiteral("The quick brown fox jumps over the lazy dog")
                              << QStringLiteral("jwhyunJYY1IocP9pklGrtwp0RMLtqPlZ00/R/Ps4pO+"
                                                "ToZ6BgsZmR9bOMg==");
    QTest::newRow("windows-1252 letters")
        << QString::fromUtf8("M\xc3\xbcller\xe2\x82\xac") << QStringLiteral("llu2QDZzfg==");
}

void TestStringCipher::knownVectors()
{
    QFETCH(QString, plain);
    QFETCH(QString, stored);
    QCOMPARE(EncryptText(plain), stored);
    QCOMPARE(DecryptText(stored), plain);
}

void TestStringCipher::roundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("blanks kept") << QStringLiteral("  pass word  ");
    QTest::newRow("symbols") << QStringLiteral("+/=%&\"'<>\\");
    QTest::newRow("latin-1 range")
        << QString::fromUtf8("\xc3\x84\xc3\x96\xc3\x9c\xc3\x9f\xc2\xa0\xc3\xbf");
    QTest::newRow("0x80-0x9F characters")
        << QString::fromUtf8("\xe2\x80\x9e\xe2\x80\x9c\xc5\x92\xc5\xb8\xe2\x84\xa2");
    QTest::newRow("long") << QString(2000, u'x');
}

void TestStringCipher::roundTrip()
{
    QFETCH(QString, plain);
    const QString stored = EncryptText(plain);
    QVERIFY(stored != plain);
    QCOMPARE(stored.size() % 4, 0);
    QCOMPARE(DecryptText(stored), plain);
}

void TestStringCipher::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QByteArray stored = EncryptBytes(all);
    QCOMPARE(DecryptBytes(stored), all);
    // Independent reference: bytes 0x00, 0x10, ..., 0xF0.
    QByteArray sixteen;
    for (int b = 0; b < 256; b += 16)
        sixteen.append(char(b));
    QCOMPARE(EncryptBytes(sixteen), QByteArray("2wTQTenfLi1OT0o6hEdREA=="));
    QCOMPARE(DecryptBytes(QByteArray()), QByteArray());
}

void TestStringCipher::invalidStoredText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("five characters") << QStringLiteral("abcde");
    QTest::newRow("three characters") << QStringLiteral("ug=");
    QTest::newRow("one character") << QStringLiteral("u");
    QTest::newRow("outside the alphabet") << QStringLiteral("ug*=");
    QTest::newRow("url-safe alphabet") << QStringLiteral("ab-_");
    QTest::newRow("blank inside") << QStringLiteral("ug ==");
    QTest::newRow("padding in the middle") << QStringLiteral("u=g=");
    QTest::newRow("non-ascii") << QString::fromUtf8("\xc3\xbcg==");
    QTest::newRow("blanks only") << QStringLiteral("    ");
}

void TestStringCipher::invalidStoredText()
{
    QFETCH(QString, stored);
    QVERIFY(throwsFormatError([&] { DecryptText(stored); }));
    if (stored.size() % 4 != 0)
        QVERIFY(throwsFormatError([&] { DecryptBytes(stored.toUtf8()); }));
}

void TestStringCipher::textOutsideWindows1252IsRefused()
{
    for (const char* text : { "\xe5\xaf\x86\xe7\xa0\x81", "ab\xd0\x96", "\xf0\x9f\x98\x80" }) {
        bool threw = false;
        try {
            EncryptText(QString::fromUtf8(text));
        } catch (const SdError& e) {
            threw = !e.text().isEmpty();
        }
        QVERIFY2(threw, text);
    }
}

// RFC 2144, B.1, 128-bit key: proves the block cipher the string cipher is built on.
void TestStringCipher::cast128KnownAnswer()
{
    const QByteArray key = QByteArray::fromHex("0123456712345678234567893456789A");
    const QByteArray plain = QByteArray::fromHex("0123456789ABCDEF");
    cast128_ctx ctx;
    cast5_set_key(&ctx, std::size_t(key.size()), reinterpret_cast<const uint8_t*>(key.constData()));
    std::array<uint8_t, 8> out {};
    cast128_encrypt(&ctx, 8, out.data(), reinterpret_cast<const uint8_t*>(plain.constData()));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), 8).toHex(),
             QByteArray("238b4fe5847e44b2"));
}

// The cipher written out step by step (key from Qt's SHA-1, one block encryption per
// byte) must give what the program's cipher gives.
void TestStringCipher::matchesPlainCfb8Loop()
{
    const QByteArray digest
        = QCryptographicHash::hash(QByteArrayLiteral("SenD0r"), QCryptographicHash::Sha1);
    cast128_ctx ctx;
    cast5_set_key(&ctx, 16, reinterpret_cast<const uint8_t*>(digest.constData()));
    std::array<uint8_t, 8> initial {};
    const std::array<uint8_t, 8> ones = { 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF };
    cast128_encrypt(&ctx, 8, initial.data(), ones.data());

    QRandomGenerator rng(42);
    for (const int length : { 1, 7, 8, 9, 15, 16, 17, 100, 1000 }) {
        QByteArray plain(length, Qt::Uninitialized);
        for (char& c : plain)
            c = char(rng.bounded(256));

        std::array<uint8_t, 8> reg = initial;
        QByteArray expected;
        for (const char p : plain) {
            std::array<uint8_t, 8> block {};
            cast128_encrypt(&ctx, 8, block.data(), reg.data());
            const auto c = uint8_t(block[0] ^ uint8_t(p));
            expected.append(char(c));
            std::copy(reg.begin() + 1, reg.end(), reg.begin());
            reg[7] = c;
        }
        QCOMPARE(EncryptBytes(plain), expected.toBase64());
        QCOMPARE(DecryptBytes(expected.toBase64()), plain);
    }
}

QTEST_GUILESS_MAIN(TestStringCipher)
#include "tst_StringCipher.moc"
