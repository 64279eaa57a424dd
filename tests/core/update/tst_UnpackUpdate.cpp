#include "ZipWriter.h"
#include "core/update/UnpackUpdate.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// Every file and folder below root, relative, sorted (hidden ones included).
QStringList listing(const QString& root)
{
    QStringList result;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        result.append(QDir(root).relativeFilePath(it.next()));
    result.sort();
    return result;
}

// A program folder with a target holding one old file, and a sibling folder that no
// archive may reach.
struct Layout
{
    TestFolder folder;
    QString target = folder.filePath(QStringLiteral("DATEN"));
    QString outside = folder.filePath(QStringLiteral("outside"));
    QString archive = folder.filePath(QStringLiteral("DB.ZIP"));

    Layout()
    {
        folder.write(QStringLiteral("DATEN/sendora.db"), "old tables");
        QDir().mkpath(outside);
    }
};

} // namespace

class TestUnpackUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extractsArchive();
    void keepsArchiveWhenAsked();
    void hostileArchive_data();
    void hostileArchive();
    void existingLinkInTargetIsNotFollowed();
    void brokenArchive_data();
    void brokenArchive();
    void copiesFolder();
};

void TestUnpackUpdate::extractsArchive()
{
    Layout layout;
    layout.folder.write(QStringLiteral("DATEN/other.txt"), "kept");
    QVERIFY(writeZip(layout.archive,
                     { { QStringLiteral("sendora.db"), "new tables" },
                       { QStringLiteral("./sub/"), {}, ZipEntry::Folder },
                       { QStringLiteral("sub/deeper/notes.txt"), "notes" },
                       { QStringLiteral("empty/"), {}, ZipEntry::Folder },
                       { QStringLiteral("sendora"), "#!/bin/sh\n", ZipEntry::File, true } }));

    const UnpackOutcome outcome = unpackUpdate(layout.archive, layout.target + u'/', true);
    QVERIFY2(outcome.ok, qPrintable(outcome.problems.join(u'\n')));
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("new tables"));
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/other.txt")), QByteArray("kept"));
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sub/deeper/notes.txt")), QByteArray("notes"));
    QVERIFY(QFileInfo(layout.target + QStringLiteral("/sendora")).isExecutable());
    QVERIFY(!QFileInfo(layout.target + QStringLiteral("/sub/deeper/notes.txt")).isExecutable());
    QCOMPARE(listing(layout.target),
             QStringList({ QStringLiteral("empty"), QStringLiteral("other.txt"),
                           QStringLiteral("sendora"), QStringLiteral("sendora.db"),
                           QStringLiteral("sub"), QStringLiteral("sub/deeper"),
                           QStringLiteral("sub/deeper/notes.txt") })); // no temporary folder left
    QVERIFY(!QFile::exists(layout.archive));
}

void TestUnpackUpdate::keepsArchiveWhenAsked()
{
    Layout layout;
    QVERIFY(writeZip(layout.archive, { { QStringLiteral("help.html"), "help" } }));
    const QString missingTarget = layout.folder.filePath(QStringLiteral("dokumentation"));
    QVERIFY(UnpackUpdate(layout.archive, missingTarget, false));
    QCOMPARE(layout.folder.read(QStringLiteral("dokumentation/help.html")), QByteArray("help"));
    QVERIFY(QFile::exists(layout.archive));
}

void TestUnpackUpdate::hostileArchive_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");

    Layout probe; // only for an absolute path that looks like the real one
    const QString absolute = QDir::cleanPath(probe.outside + QStringLiteral("/evil.txt"));

    QTest::newRow("parent folder")
        << QList<ZipEntry> { { QStringLiteral("../outside/evil.txt"), "x" } };
    QTest::newRow("parent inside a path")
        << QList<ZipEntry> { { QStringLiteral("sub/../../outside/evil.txt"), "x" } };
    QTest::newRow("absolute path")
        << QList<ZipEntry> { { QStringLiteral("/tmp/sendora-evil.txt"), "x" } };
    QTest::newRow("absolute path to a sibling") << QList<ZipEntry> { { absolute, "x" } };
    QTest::newRow("backslash parent")
        << QList<ZipEntry> { { QStringLiteral("..\\outside\\evil.txt"), "x" } };
    QTest::newRow("backslash inside a path")
        << QList<ZipEntry> { { QStringLiteral("sub\\..\\..\\outside\\evil.txt"), "x" } };
    QTest::newRow("drive letter") << QList<ZipEntry> { { QStringLiteral("C:/outside/evil.txt"),
                                                         "x" } };
    QTest::newRow("symbolic link then a file through it")
        << QList<ZipEntry> { { QStringLiteral("link"), "../outside", ZipEntry::SymbolicLink },
                             { QStringLiteral("link/evil.txt"), "x" } };
    QTest::newRow("symbolic link to a file")
        << QList<ZipEntry> { { QStringLiteral("sendora.db"), "/etc/passwd",
                               ZipEntry::SymbolicLink } };
    QTest::newRow("file and folder of the same name")
        << QList<ZipEntry> { { QStringLiteral("a"), "x" }, { QStringLiteral("a/b"), "y" } };
}

void TestUnpackUpdate::hostileArchive()
{
    QFETCH(QList<ZipEntry>, entries);
    Layout layout;
    // A good entry first: a refused one must keep it from being put in place as well.
    entries.prepend({ QStringLiteral("sendora.db"), "new tables" });
    QVERIFY(writeZip(layout.archive, entries));

    const UnpackOutcome outcome = unpackUpdate(layout.archive, layout.target, true);
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.problems.isEmpty());
    QCOMPARE(listing(layout.outside), QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/sendora-evil.txt")));
    QCOMPARE(listing(layout.folder.path()),
             QStringList({ QStringLiteral("DATEN"), QStringLiteral("DATEN/sendora.db"),
                           QStringLiteral("outside") }));
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("old tables"));
}

void TestUnpackUpdate::existingLinkInTargetIsNotFollowed()
{
    Layout layout;
    QVERIFY(QFile::link(layout.outside, layout.target + QStringLiteral("/docs")));
    QVERIFY(writeZip(layout.archive,
                     { { QStringLiteral("sendora.db"), "new tables" },
                       { QStringLiteral("docs/evil.txt"), "x" } }));
    QVERIFY(!UnpackUpdate(layout.archive, layout.target, true));
    QCOMPARE(listing(layout.outside), QStringList());
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("old tables"));
    QCOMPARE(listing(layout.target),
             QStringList({ QStringLiteral("docs"), QStringLiteral("sendora.db") }));
}

void TestUnpackUpdate::brokenArchive_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::newRow("not a zip") << QStringLiteral("text");
    QTest::newRow("truncated") << QStringLiteral("truncate");
    QTest::newRow("damaged entry data") << QStringLiteral("crc");
    QTest::newRow("missing") << QStringLiteral("missing");
}

void TestUnpackUpdate::brokenArchive()
{
    QFETCH(QString, spoil);
    Layout layout;
    const QByteArray content
        = QByteArray("new tables, long enough to be found again ").repeated(20);
    QVERIFY(writeZip(
        layout.archive,
        { { QStringLiteral("notes.txt"), "fine" }, { QStringLiteral("sendora.db"), content } }));
    QByteArray bytes = layout.folder.read(QStringLiteral("DB.ZIP"));
    if (spoil == QLatin1String("text")) {
        bytes = "This is a help page, not an archive.\n";
    } else if (spoil == QLatin1String("truncate")) {
        bytes.truncate(bytes.size() / 2);
    } else if (spoil == QLatin1String("crc")) {
        const qsizetype at = bytes.indexOf(content.left(20));
        QVERIFY(at > 0);
        bytes[at + 5] = 'X';
    }
    if (spoil == QLatin1String("missing"))
        QFile::remove(layout.archive);
    else
        layout.folder.write(QStringLiteral("DB.ZIP"), bytes);

    QVERIFY(!UnpackUpdate(layout.archive, layout.target, true));
    QCOMPARE(listing(layout.target), QStringList { QStringLiteral("sendora.db") });
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray("old tables"));
    QVERIFY(!QFile::exists(layout.archive)); // deleted also after a failure
}

void TestUnpackUpdate::copiesFolder()
{
    Layout layout;
    layout.folder.write(QStringLiteral("new/sendora.db"), QByteArray(20000, 'n'));
    layout.folder.write(QStringLiteral("new/.hidden"), "h");
    layout.folder.write(QStringLiteral("new/sub/ignored.txt"), "not copied");
    QVERIFY(UnpackUpdate(layout.folder.filePath(QStringLiteral("new")), layout.target, true));
    QCOMPARE(layout.folder.read(QStringLiteral("DATEN/sendora.db")), QByteArray(20000, 'n'));
    QCOMPARE(listing(layout.target),
             QStringList({ QStringLiteral(".hidden"), QStringLiteral("sendora.db") }));
    QVERIFY(QFileInfo(layout.folder.filePath(QStringLiteral("new")))
                .isDir()); // a folder is not deleted
}

QTEST_GUILESS_MAIN(TestUnpackUpdate)
#include "tst_UnpackUpdate.moc"
