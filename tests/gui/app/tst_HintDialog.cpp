// The hint note: its texts per kind, the box that switches a kind off (saved at every
// change), the link to the kind's help topic.

#include "core/app/HintTable.h"
#include "core/settings/TRegistryEintraege.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/TSdURL.h"
#include "gui/app/TfrmDetailErklaerung.h"
#include "support/TestFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QApplication>
#include <QTimer>

namespace {
// The switch of a kind as the settings file holds it now.
bool switchInFile(const QString& folder, int kind)
{
    TRegistryEintraege fromFile(folder);
    fromFile.load();
    return fromFile.hint(kind);
}
} // namespace

class TestHintDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        HelpSystem::instance().setRecordOnly(true);
        HelpSystem::instance().requests.clear();
    }

    void table_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("group");
        QTest::newRow("1") << 1 << "Submission with assistant" << 11 << 0;
        QTest::newRow("4") << 4 << "Key for status codes" << 71 << 0;
        QTest::newRow("9") << 9 << "Entry of e-mail address" << 565 << 1;
        QTest::newRow("12") << 12 << "Increase number of threads" << 92 << 1;
        QTest::newRow("13") << 13 << "Entry of password" << 685 << 2;
        QTest::newRow("14") << 14 << "Entry of URL" << 580 << 2;
        QTest::newRow("15") << 15 << "Selection of a category" << 550 << 0;
        QTest::newRow("below") << 0 << "" << 0 << 0;
        QTest::newRow("above") << 16 << "" << 0 << 0;
    }
    void table()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(int, topic);
        QFETCH(int, group);
        const THinweis h = HintTable::hint(kind);
        QCOMPARE(h.title, title);
        QCOMPARE(h.helpTopic, topic);
        QCOMPARE(h.group, group);
        QCOMPARE(HintTable::isKind(kind), !title.isEmpty());
    }

    void implementerSentences()
    {
        // Four providers' addresses for the e-mail hint, an example page for the URL hint.
        const QString mail = HintTable::hint(9).explanation;
        QVERIFY(mail.startsWith(QStringLiteral(
            "The entry of your 'real' e-mail address may result in junk mail to your mailbox.")));
        int addresses = 0;
        for (const char* a : {"www.gmx.com", "mail.google.com", "outlook.com", "mail.yahoo.com"})
            addresses += mail.contains(QLatin1String(a)) ? 1 : 0;
        QCOMPARE(addresses, 4);
        const QString url = HintTable::hint(14).explanation;
        QVERIFY(url.contains(QStringLiteral("http://www.example.com/")));
        QVERIFY(url.endsWith(QStringLiteral(
            "Use meta tags to ensure that all pages of your website are properly indexed. "
            "The 'Index' (robots) tag is especially useful for this purpose!")));
    }

    void showsKind()
    {
        TestFolder folder;
        TRegistryEintraege settings(folder.path());
        TfrmDetailErklaerung dialog(settings);
        dialog.setHintKind(4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Key for status codes"));
        QCOMPARE(dialog.memo()->toPlainText(), HintTable::hint(4).explanation);
        QCOMPARE(dialog.link()->text(),
                 QStringLiteral("Click here to view more information on this topic."));
        QCOMPARE(dialog.box()->text(), QStringLiteral("Do not show this hint anymore"));
        QCOMPARE(dialog.size(), QSize(389, 213));
        if (const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR"); !dir.isEmpty())
            dialog.grab().save(dir + QStringLiteral("/hint_dialog.png"));

        QTest::mouseClick(dialog.link(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(HelpSystem::instance().requests, QStringList {QStringLiteral("topic 71")});
        QCOMPARE(HelpSystem::helpContext(&dialog), 115);
    }

    void boxWritesSettingsEachTime()
    {
        TestFolder folder;
        TRegistryEintraege settings(folder.path());
        QVERIFY(settings.load());
        QVERIFY(settings.hint(4));
        TfrmDetailErklaerung dialog(settings);
        dialog.setHintKind(4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QTest::mouseClick(dialog.box(), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(dialog.box()->isChecked());
        QVERIFY(!settings.hint(4));
        QVERIFY(!switchInFile(folder.path(), 4)); // first write

        QTest::mouseClick(dialog.box(), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(settings.hint(4));
        QVERIFY(switchInFile(folder.path(), 4)); // second write
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(settings.hint(4));
        // Other switches are untouched.
        QVERIFY(switchInFile(folder.path(), 5));
    }

    void boxUntickedAtEveryShow()
    {
        TestFolder folder;
        TRegistryEintraege settings(folder.path());
        TfrmDetailErklaerung dialog(settings);
        dialog.setHintKind(13);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.box(), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(dialog.box()->isChecked());
        dialog.hide();
        dialog.show();
        QVERIFY(!dialog.box()->isChecked());
        QVERIFY(!settings.hint(13)); // the switch stays off: only the box is fresh
    }

    void boxForUnknownKindOnlySaves()
    {
        TestFolder folder;
        TRegistryEintraege settings(folder.path());
        TfrmDetailErklaerung dialog(settings);
        dialog.setHintKind(99);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!QFile::exists(settings.iniPath()));
        QTest::mouseClick(dialog.box(), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(QFile::exists(settings.iniPath()));
        for (int kind = 1; kind <= 15; ++kind)
            QVERIFY(settings.hint(kind));
    }

    void showHintIsModalAndEscapeCloses()
    {
        TestFolder folder;
        TRegistryEintraege settings(folder.path());
        TfrmDetailErklaerung::s_shown.clear();
        bool sawDialog = false;
        QTimer::singleShot(0, this, [&sawDialog] {
            auto* d = qobject_cast<TfrmDetailErklaerung*>(QApplication::activeModalWidget());
            sawDialog = d && d->hintKind() == 7 && d->windowTitle() == QLatin1String("'Filter' check box");
            if (d)
                QTest::keyClick(d, Qt::Key_Escape);
        });
        TfrmDetailErklaerung::showHint(7, settings, nullptr);
        QVERIFY(sawDialog);
        QCOMPARE(TfrmDetailErklaerung::s_shown, QList<int> {7});
    }
};

QTEST_MAIN(TestHintDialog)
#include "tst_HintDialog.moc"
