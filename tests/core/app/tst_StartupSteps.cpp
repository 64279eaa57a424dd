#include "core/app/DisplayCheck.h"
#include "core/app/StartupSteps.h"
#include "core/app/TdmStorage.h"
#include "core/settings/TRegistryEintraege.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTest>

namespace {

ScreenInfo screenOf(int width, int height, int bitsPerPixel = 24, double dpi = 96.0)
{
    ScreenInfo screen;
    screen.width = width;
    screen.height = height;
    screen.bitsPerPixel = bitsPerPixel;
    screen.logicalDpiX = dpi;
    return screen;
}

} // namespace

class TestStartupSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resolution_data();
    void resolution();
    void colours_data();
    void colours();
    void mainWindowSize_data();
    void mainWindowSize();
    void splashSteps_missingSettingsAreNoError();
    void splashSteps_unreadableSettingsReportedAndDefaultsUsed();
    void splashSteps_tooSmallScreenStopsAfterMessage();
    void splashSteps_storedLanguageActivated_data();
    void splashSteps_storedLanguageActivated();
    void shutdown_writeFailureReported();
    void shutdown_writesSettings();
};

void TestStartupSteps::resolution_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("proceed");

    QTest::newRow("800x600 is enough") << 800 << 600 << true;
    QTest::newRow("1920x1080") << 1920 << 1080 << true;
    QTest::newRow("1024x599 too low") << 1024 << 599 << false;
    QTest::newRow("799x768 too narrow") << 799 << 768 << false;
    QTest::newRow("640x480") << 640 << 480 << false;
}

void TestStartupSteps::resolution()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, proceed);

    ScriptedMessages messages;
    QCOMPARE(DisplayCheck::checkResolution(screenOf(width, height), messages), proceed);
    if (proceed) {
        QVERIFY(messages.shown().isEmpty());
        return;
    }
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Information);
    QCOMPARE(messages.shown().first().buttons, Messages::Buttons::Ok);
    QCOMPARE(messages.shown().first().text,
             QStringLiteral("Please select a higher screen resolution. Sendora! Special Edition "
                            "cannot be run with the currently set resolution of %1 x %2.")
                 .arg(width)
                 .arg(height));
}

void TestStartupSteps::colours_data()
{
    QTest::addColumn<int>("planes");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<qint64>("count");

    QTest::newRow("16 colours") << 1 << 4 << qint64(16);
    QTest::newRow("256 colours") << 1 << 8 << qint64(256);
    QTest::newRow("4 planes of 2 bits") << 4 << 2 << qint64(256);
    QTest::newRow("65536 colours") << 1 << 16 << qint64(65536);
    QTest::newRow("true colour") << 1 << 24 << qint64(16777216);
    QTest::newRow("32 bits wrap to 1") << 1 << 32 << qint64(1);
    QTest::newRow("monochrome") << 1 << 1 << qint64(2);
}

void TestStartupSteps::colours()
{
    QFETCH(int, planes);
    QFETCH(int, bitsPerPixel);
    QFETCH(qint64, count);

    ScreenInfo screen = screenOf(1024, 768, bitsPerPixel);
    screen.planes = planes;
    QCOMPARE(DisplayCheck::colourCount(screen), count);

    ScriptedMessages messages;
    DisplayCheck::checkColours(screen, messages);
    if (count != 16 && count != 256) {
        QVERIFY(messages.shown().isEmpty());
        return;
    }
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Warning);
    QCOMPARE(messages.shown().first().text,
             QStringLiteral("Your system is currently set to only %1 colors. Please change the "
                            "color settings in the control panel to a higher number of colors to "
                            "gain a better display of the program elements!")
                 .arg(count));
}

void TestStartupSteps::mainWindowSize_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("size");

    QTest::newRow("96 dpi") << 96.0 << QSize(790, 595);
    QTest::newRow("120 dpi, large fonts") << 120.0 << QSize(792, 563);
    QTest::newRow("144 dpi") << 144.0 << QSize(790, 595);
}

void TestStartupSteps::mainWindowSize()
{
    QFETCH(double, dpi);
    QFETCH(QSize, size);
    QCOMPARE(DisplayCheck::mainWindowSize(screenOf(1024, 768, 24, dpi)), size);
}

void TestStartupSteps::splashSteps_missingSettingsAreNoError()
{
    TestFolder folder;
    TRegistryEintraege settings(folder.path());
    settings.globAnzThreads = 17;
    TdmStorage storage;
    ScriptedMessages messages;

    const auto result
        = StartupSteps::runSplashSteps(settings, storage, screenOf(1024, 768), messages);
    QVERIFY(result.proceed);
    QVERIFY(result.settingsLoaded);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(settings.globAnzThreads, 5); // reset to the defaults before loading
    QCOMPARE(storage.language(), int(TdmStorage::English));
}

void TestStartupSteps::splashSteps_unreadableSettingsReportedAndDefaultsUsed()
{
    TestFolder folder;
    // A folder where the file should be: it can be neither read nor written, even by root.
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("sd.ini"))));
    TRegistryEintraege settings(folder.path());
    TdmStorage storage;
    ScriptedMessages messages;

    const auto result
        = StartupSteps::runSplashSteps(settings, storage, screenOf(1024, 768), messages);
    QVERIFY(result.proceed);
    QVERIFY(!result.settingsLoaded);
    QCOMPARE(messages.texts(),
             QStringList {QStringLiteral("Error during reading of registry data. Please check "
                                         "your system!\r\r(The current user might not have "
                                         "sufficient access rights!)")});
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Error);
    QCOMPARE(settings.globAnzThreads, 5);
    QCOMPARE(settings.uiSprache, 1);
}

void TestStartupSteps::splashSteps_tooSmallScreenStopsAfterMessage()
{
    TestFolder folder;
    TRegistryEintraege settings(folder.path());
    TdmStorage storage;
    ScriptedMessages messages;

    // 256 colours as well: the program ends before the colour warning.
    const auto result
        = StartupSteps::runSplashSteps(settings, storage, screenOf(1024, 599, 8), messages);
    QVERIFY(!result.proceed);
    QCOMPARE(messages.shown().size(), 1);
    QVERIFY(messages.shown().first().text.contains(QLatin1String("1024 x 599")));
}

void TestStartupSteps::splashSteps_storedLanguageActivated_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("language");

    QTest::newRow("German") << QByteArray("2") << 2;
    QTest::newRow("French") << QByteArray("3") << 3;
    QTest::newRow("English") << QByteArray("1") << 1;
    QTest::newRow("out of range") << QByteArray("7") << 1;
    QTest::newRow("not a number") << QByteArray("deutsch") << 1;
}

void TestStartupSteps::splashSteps_storedLanguageActivated()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, language);

    TestFolder folder;
    folder.write(QStringLiteral("sd.ini"), "[Sdt]\nIDUISprache=" + stored + "\n");
    TRegistryEintraege settings(folder.path());
    TdmStorage storage;
    ScriptedMessages messages;

    const auto result
        = StartupSteps::runSplashSteps(settings, storage, screenOf(1280, 1024, 8), messages);
    QVERIFY(result.proceed);
    QCOMPARE(storage.language(), language);
    QCOMPARE(settings.uiSprache, language);
    // 256 colours: warned, and start-up goes on.
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, Messages::Kind::Warning);
}

void TestStartupSteps::shutdown_writeFailureReported()
{
    TestFolder folder;
    TRegistryEintraege settings(folder.path());
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("sd.ini"))));
    ScriptedMessages messages;

    QVERIFY(!StartupSteps::saveSettingsAtShutdown(settings, messages));
    QCOMPARE(messages.texts(),
             QStringList {QStringLiteral("Error has occured while writing to registry. Check "
                                         "your system!\r\r(The current user might not have "
                                         "sufficient access rights!)")});
}

void TestStartupSteps::shutdown_writesSettings()
{
    TestFolder folder;
    TRegistryEintraege settings(folder.path());
    settings.uiSprache = 3;
    ScriptedMessages messages;

    QVERIFY(StartupSteps::saveSettingsAtShutdown(settings, messages));
    QVERIFY(messages.shown().isEmpty());
    QVERIFY(folder.read(QStringLiteral("sd.ini")).contains("IDUISprache=3"));
}

QTEST_GUILESS_MAIN(TestStartupSteps)
#include "tst_StartupSteps.moc"
