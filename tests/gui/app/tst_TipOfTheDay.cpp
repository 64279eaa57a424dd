// The tip of the day: the rotation of the tips file, the start-up switch, the file of the
// language, a missing file, and the tips files shipped with the program.

#include "core/platform/Platform.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/TfrmTippDesTages.h"
#include "support/ScriptedMessages.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestTipOfTheDay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_messages.clear();
        Platform::setMessages(&m_messages);
    }
    void cleanup() { Platform::setMessages(nullptr); }

    void rotation_data()
    {
        QTest::addColumn<int>("nextClicks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("only OK") << 0 << "line 1" << QByteArray("line 2\nline 3\nline 1\n");
        QTest::newRow("next, then OK") << 1 << "line 2" << QByteArray("line 3\nline 1\nline 2\n");
        QTest::newRow("round the file") << 3 << "line 1" << QByteArray("line 2\nline 3\nline 1\n");
    }
    void rotation()
    {
        QFETCH(int, nextClicks);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "line 1\r\nline 2\r\nline 3\r\n");
        TRegistryEintraege settings(folder.path());
        settings.tdt = true;
        TfrmTippDesTages tip(settings, folder.path(), 1);
        QVERIFY(TfrmTippDesTages::isOpen());
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QCOMPARE(tip.tipText(), QStringLiteral("line 1"));
        if (const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR"); !dir.isEmpty()) {
            tip.findChild<QLabel*>(QStringLiteral("Tip"))
                ->setText(QStringLiteral("Submit the main address of your website, not a single page: "
                                         "search engines find the other pages by following your links."));
            tip.grab().save(dir + QStringLiteral("/tip_of_the_day.png"));
            tip.findChild<QLabel*>(QStringLiteral("Tip"))->setText(QStringLiteral("line 1"));
        }
        QVERIFY(tip.showOnStartup()->isChecked());
        for (int i = 0; i < nextClicks; ++i)
            QTest::mouseClick(tip.nextButton(), Qt::LeftButton);
        QCOMPARE(tip.tipText(), shown);
        QCOMPARE(folder.read(QStringLiteral("tips_en.txt")), QByteArray("line 1\r\nline 2\r\nline 3\r\n"));
        QTest::mouseClick(tip.okButton(), Qt::LeftButton);
        QCOMPARE(folder.read(QStringLiteral("tips_en.txt")), written);
        QVERIFY(!tip.okButton()->isEnabled());
        QVERIFY(!tip.nextButton()->isEnabled());
        QVERIFY(settings.tdt);
        QCOMPARE(tip.result(), int(QDialog::Accepted));
        QVERIFY(m_messages.shown().isEmpty());
    }

    void untickingSwitchesOff()
    {
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "a\nb\n");
        TRegistryEintraege settings(folder.path());
        settings.tdt = true;
        TfrmTippDesTages tip(settings, folder.path(), 1);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        tip.showOnStartup()->click();
        QVERIFY(settings.tdt); // only OK stores it
        QTest::mouseClick(tip.okButton(), Qt::LeftButton);
        QVERIFY(!settings.tdt);
    }

    void closingOtherwiseChangesNothing()
    {
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "a\nb\n");
        TRegistryEintraege settings(folder.path());
        settings.tdt = true;
        {
            TfrmTippDesTages tip(settings, folder.path(), 1);
            tip.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tip));
            tip.showOnStartup()->click();
            QTest::mouseClick(tip.nextButton(), Qt::LeftButton);
            tip.reject();
        }
        QVERIFY(!TfrmTippDesTages::isOpen());
        QVERIFY(settings.tdt);
        QCOMPARE(folder.read(QStringLiteral("tips_en.txt")), QByteArray("a\nb\n"));
    }

    void fileOfLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English") << 1 << "english tip";
        QTest::newRow("German") << 2 << "deutscher Tipp – Größe";
        QTest::newRow("French") << 3 << "astuce française";
    }
    void fileOfLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "english tip\n");
        folder.write(QStringLiteral("tips_de.txt"), QStringLiteral("deutscher Tipp – Größe\n").toUtf8());
        folder.write(QStringLiteral("tips_fr.txt"), QStringLiteral("astuce française\n").toUtf8());
        TRegistryEintraege settings(folder.path());
        TfrmTippDesTages tip(settings, folder.path(), language);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QCOMPARE(tip.tipText(), expected);
    }

    void missingFile()
    {
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "english tip\n");
        TRegistryEintraege settings(folder.path());
        settings.tdt = true;
        TfrmTippDesTages tip(settings, folder.path(), 3);
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QCOMPARE(m_messages.texts(),
                 QStringList {QStringLiteral(
                     "File tips_fr.txt could not be found. Tip of the Day cannot be displayed!")});
        QVERIFY(tip.isVisible());
        QVERIFY(tip.tipText().isEmpty());
        tip.showOnStartup()->click();
        QTest::mouseClick(tip.okButton(), Qt::LeftButton);
        QVERIFY(!settings.tdt);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("tips_fr.txt"))));
    }

    void showModalOnceAtATime()
    {
        TestFolder folder;
        folder.write(QStringLiteral("tips_en.txt"), "a\nb\n");
        TRegistryEintraege settings(folder.path());
        TfrmTippDesTages::s_shown = 0;
        int nestedShown = -1;
        QTimer::singleShot(0, this, [&] {
            // A second request while the window is open does nothing.
            TfrmTippDesTages::showModal(settings, folder.path(), 1, nullptr);
            nestedShown = TfrmTippDesTages::s_shown;
            if (auto* w = qobject_cast<TfrmTippDesTages*>(QApplication::activeModalWidget()))
                QTest::mouseClick(w->okButton(), Qt::LeftButton);
        });
        TfrmTippDesTages::showModal(settings, folder.path(), 1, nullptr);
        QCOMPARE(nestedShown, 1);
        QVERIFY(!TfrmTippDesTages::isOpen());
        QCOMPARE(folder.read(QStringLiteral("tips_en.txt")), QByteArray("b\na\n"));
    }

    void shippedTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << "tips_en.txt";
        QTest::newRow("de") << "tips_de.txt";
        QTest::newRow("fr") << "tips_fr.txt";
    }
    void shippedTips()
    {
        QFETCH(QString, name);
        QFile file(qEnvironmentVariable("SENDORA_SOURCE_DIR") + QStringLiteral("/resources/tips/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        QCOMPARE(text.toUtf8(), bytes); // valid UTF-8
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 20, qPrintable(QString::number(lines.size())));
        QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size()); // no repeats
    }

private:
    ScriptedMessages m_messages;
};

QTEST_MAIN(TestTipOfTheDay)
#include "tst_TipOfTheDay.moc"
