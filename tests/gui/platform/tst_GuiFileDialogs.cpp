#include "gui/platform/GuiFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "support/TestFolder.h"

class TestGuiFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filter_data();
    void filter();
    void saveAppendsSuffixToNamesWithoutOne();
    void cancelGivesEmptyPath();
};

void TestGuiFileDialogs::filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");

    QTest::newRow("project files") << "Site details files|*.sit|All files|*.*"
                                   << "Site details files (*.sit);;All files (*.*)";
    QTest::newRow("several patterns") << "Web pages|*.htm;*.html"
                                      << "Web pages (*.htm *.html)";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("dangling description") << "Text|*.txt|Broken" << "Text (*.txt)";
}

void TestGuiFileDialogs::filter()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(GuiFileDialogs::toQtFilter(filter), qt);
}

void TestGuiFileDialogs::saveAppendsSuffixToNamesWithoutOne()
{
    TestFolder folder;
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Saving details file"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("mysite"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    FileDialogs::Options options;
    options.title = QStringLiteral("Saving details file");
    options.filter = QStringLiteral("Site details files|*.sit|All files|*.*");
    options.startPath = folder.path();
    options.defaultSuffix = QStringLiteral("sit");
    GuiFileDialogs dialogs;
    QCOMPARE(dialogs.saveFile(options), folder.filePath(QStringLiteral("mysite.sit")));
}

void TestGuiFileDialogs::cancelGivesEmptyPath()
{
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->reject();
    });
    GuiFileDialogs dialogs;
    FileDialogs::Options options;
    options.title = QStringLiteral("Load details file");
    QVERIFY(dialogs.openFile(options).isEmpty());
}

QTEST_MAIN(TestGuiFileDialogs)
#include "tst_GuiFileDialogs.moc"
