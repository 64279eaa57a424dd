// The wait window: the progress scaling of 32-bit steps, the text placement, and closing the
// window counting as Abort.

#include "gui/app/TfrmWaitDialog.h"
#include "gui/platform/GuiWaitIndicator.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <cstdint>
#include <limits>

class TestWaitDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percent_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("percent"); // -1: the bar keeps its position
        QTest::newRow("quarter") << 50 << 200 << 25;
        QTest::newRow("total 0") << 10 << 0 << -1;
        QTest::newRow("large values") << 20000000 << 40000000 << 50;
        QTest::newRow("just below 2^24") << 16777215 << 16777215 << 100;
        QTest::newRow("largest 32-bit") << std::numeric_limits<std::int32_t>::max()
                                        << std::numeric_limits<std::int32_t>::max() << 100;
        QTest::newRow("large step, tiny total") << 16777216 << 100 << -1;
    }
    void percent()
    {
        QFETCH(int, step);
        QFETCH(int, total);
        QFETCH(int, percent);
        QCOMPARE(WaitIndicator::progressPercent(step, total), percent);
    }

    void shortTextCentredLongTextWraps()
    {
        GuiWaitIndicator wait;
        QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Saving"), true, true));
        auto* panel = wait.window()->findChild<QFrame*>(QStringLiteral("pnLabel"));
        auto* label = wait.window()->findChild<QLabel*>(QStringLiteral("WaitLabel"));
        QVERIFY(QTest::qWaitForWindowExposed(wait.window()));
        QTRY_COMPARE(label->width(), panel->width() - 10);
        QCOMPARE(label->x(), 5);
        QVERIFY(!label->wordWrap());
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QCOMPARE(label->y(), (panel->height() - label->height()) / 2);

        const QString longText = QStringLiteral(
            "Preparing the submission of your website to all selected search services, "
            "this can take a moment");
        QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), longText, true, true));
        QVERIFY(label->wordWrap());
        QCOMPARE(label->geometry(), QRect(0, 0, panel->width(), panel->height()));
        QVERIFY(label->alignment() & Qt::AlignLeft);
        QVERIFY(wait.hideWait());
    }

    void closingCountsAsAbort()
    {
        GuiWaitIndicator wait;
        QVERIFY(!wait.hideWait()); // no window yet
        QVERIFY(wait.showWait(QStringLiteral("Please wait ..."), QStringLiteral("Working"), true, true));
        wait.updateWait(30, 100);
        QVERIFY(wait.window()->close() == false); // the window stays until the work ends
        QVERIFY(wait.abortRequested());
        QVERIFY(wait.window()->isVisible());
        wait.updateWait(80, 100);
        QCOMPARE(wait.window()->findChild<QProgressBar*>(QStringLiteral("WaitProgressBar"))->value(), 30);
        QVERIFY(wait.hideWait());
        QVERIFY(!wait.window());
        wait.updateWait(10, 100); // without a window: nothing happens
    }
};

QTEST_MAIN(TestWaitDialog)
#include "tst_WaitDialog.moc"
