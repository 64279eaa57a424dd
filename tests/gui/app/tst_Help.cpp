// The help: the pages of every language, their links and index, and the viewer opened by
// the help requests (topic, contents, index, name; an unknown topic).

#include "core/app/HintTable.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/HelpViewer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

namespace {
QString read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
const QStringList kLanguages {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")};
} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        HelpSystem::instance().setRecordOnly(false);
        HelpSystem::instance().setLanguage(1);
        HelpSystem::instance().requests.clear();
    }
    void cleanup() { HelpSystem::instance().closeViewer(); }

    void topicsExistInEveryLanguage_data()
    {
        QTest::addColumn<QString>("page");
        for (int kind = HintTable::kFirstKind; kind <= HintTable::kLastKind; ++kind) {
            const int topic = HintTable::hint(kind).helpTopic;
            QTest::newRow(qPrintable(QStringLiteral("hint %1").arg(kind))) << QStringLiteral("%1.html").arg(topic);
        }
        // The main window, the hint note, the options, the help menu and the tutorial.
        for (const char* page : {"1.html", "2.html", "3.html", "70.html", "115.html", "90.html",
                                 "300.html", "750.html", "tutorial.html", "contents.html"})
            QTest::newRow(page) << QString::fromLatin1(page);
    }
    void topicsExistInEveryLanguage()
    {
        QFETCH(QString, page);
        for (const QString& lang : kLanguages) {
            QVERIFY2(HelpViewer::pageExists(lang, page), qPrintable(lang + QLatin1Char('/') + page));
            const QString html = read(HelpViewer::resourcePath(lang, page));
            QVERIFY(html.contains(QStringLiteral("<h1>")));
            QVERIFY(html.contains(QStringLiteral("lang=\"%1\"").arg(lang)));
        }
    }

    void pagesDifferByLanguage()
    {
        const QString en = read(HelpViewer::resourcePath(QStringLiteral("en"), QStringLiteral("71.html")));
        const QString de = read(HelpViewer::resourcePath(QStringLiteral("de"), QStringLiteral("71.html")));
        const QString fr = read(HelpViewer::resourcePath(QStringLiteral("fr"), QStringLiteral("71.html")));
        QVERIFY(en != de && de != fr && en != fr);
    }

    void linksAndIndexResolve()
    {
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        int pages = 0;
        for (const QString& lang : kLanguages) {
            QDirIterator it(QStringLiteral(":/help/") + lang, {QStringLiteral("*.html")});
            while (it.hasNext()) {
                const QString path = it.next();
                ++pages;
                for (auto m = href.globalMatch(read(path)); m.hasNext();) {
                    const QString target = m.next().captured(1);
                    if (target.startsWith(QLatin1String("http")))
                        continue;
                    QVERIFY2(HelpViewer::pageExists(lang, target), qPrintable(path + QStringLiteral(" -> ") + target));
                }
            }
            const QStringList index = read(HelpViewer::resourcePath(lang, QStringLiteral("index.txt")))
                                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY(index.size() > 1);
            for (const QString& line : index) {
                if (line.startsWith(QLatin1Char('#')))
                    continue;
                const QStringList parts = line.split(QLatin1Char('\t'));
                QCOMPARE(parts.size(), 2);
                QVERIFY2(HelpViewer::pageExists(lang, parts[1]), qPrintable(line));
            }
        }
        QVERIFY(pages > 0);
    }

    void topicOpensViewer_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << 1 << "Status codes";
        QTest::newRow("German") << 2 << "Statuscodes";
        QTest::newRow("French") << 3 << "Codes d'état";
    }
    void topicOpensViewer()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        HelpSystem& help = HelpSystem::instance();
        help.setLanguage(language);
        help.showTopic(71);
        HelpViewer* viewer = help.viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentPage(), QStringLiteral("71.html"));
        QCOMPARE(viewer->browser()->documentTitle(), title);
        QVERIFY(viewer->note().isEmpty());
        QCOMPARE(help.requests, QStringList {QStringLiteral("topic 71")});
        if (const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR"); !dir.isEmpty())
            viewer->grab().save(dir + QStringLiteral("/help_%1.png").arg(HelpSystem::languageFolder(language)));
    }

    void unknownTopicShowsContentsWithNote()
    {
        HelpSystem::instance().showTopic(9999);
        HelpViewer* viewer = HelpSystem::instance().viewer();
        QVERIFY(viewer);
        QCOMPARE(viewer->currentPage(), QStringLiteral("contents.html"));
        QVERIFY(viewer->note().contains(QStringLiteral("9999")));
        QVERIFY(viewer->contentsList()->count() > 10);
        // A known topic afterwards clears the note.
        HelpSystem::instance().showTopic(70);
        QCOMPARE(viewer->currentPage(), QStringLiteral("70.html"));
        QVERIFY(viewer->note().isEmpty());
    }

    void namesContentsAndIndex()
    {
        HelpSystem& help = HelpSystem::instance();
        help.showTopicByName(QStringLiteral("tutorial"));
        HelpViewer* viewer = help.viewer();
        QCOMPARE(viewer->currentPage(), QStringLiteral("tutorial.html"));
        help.showTopicByName(QStringLiteral("../en/1")); // no way out of the language folder
        QCOMPARE(viewer->currentPage(), QStringLiteral("contents.html"));
        help.showContents();
        QCOMPARE(viewer->currentPage(), QStringLiteral("contents.html"));
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        help.showIndex(QStringLiteral("status"));
        QCOMPARE(viewer->tabs()->currentIndex(), 1);
        QVERIFY(viewer->indexList()->currentItem());
        QVERIFY(viewer->indexList()->currentItem()->text().startsWith(QStringLiteral("status"), Qt::CaseInsensitive));
        QCOMPARE(help.requests,
                 (QStringList {"name tutorial", "name ../en/1", "contents", "index status"}));
    }

    void backAndForward()
    {
        HelpSystem& help = HelpSystem::instance();
        help.showTopic(1);
        help.showTopic(70);
        HelpViewer* viewer = help.viewer();
        auto* back = viewer->findChild<QToolButton*>(QStringLiteral("btnBack"));
        auto* forward = viewer->findChild<QToolButton*>(QStringLiteral("btnForward"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->click();
        QCOMPARE(viewer->currentPage(), QStringLiteral("1.html"));
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(viewer->currentPage(), QStringLiteral("70.html"));
        // A link in a page leads on.
        viewer->browser()->setSource(QUrl(QStringLiteral("qrc:/help/en/70.html")));
        viewer->contentsList()->setCurrentRow(0);
        Q_EMIT viewer->contentsList()->itemActivated(viewer->contentsList()->item(0));
        QCOMPARE(viewer->currentPage(), QStringLiteral("tutorial.html"));
    }

    void f1FindsNearestContext()
    {
        HelpSystem::instance().setRecordOnly(true);
        QWidget window;
        HelpSystem::setHelpContext(&window, 90);
        auto* inner = new QWidget(&window);
        auto* edit = new QLineEdit(inner);
        auto* other = new QLineEdit(&window);
        HelpSystem::setHelpContext(other, 565);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(edit, Qt::Key_F1);
        QTest::keyClick(other, Qt::Key_F1);
        QWidget plain;
        auto* lone = new QLineEdit(&plain);
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QTest::keyClick(lone, Qt::Key_F1);
        QCOMPARE(HelpSystem::instance().requests,
                 (QStringList {"topic 90", "topic 565", "contents"}));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_Help.moc"
