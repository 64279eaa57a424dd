// The shared window classes of the shell: the info window and its placement, the dialog
// base and its button row, the picture controls, the address label and the skin pictures.

#include "core/settings/TRegistryEintraege.h"
#include "gui/app/SkinPictures.h"
#include "gui/app/TGrafikButton.h"
#include "gui/app/TGrafikPanel.h"
#include "gui/app/TSdURL.h"
#include "gui/app/TfrmAboutBox.h"
#include "gui/app/TfrmInfoFenster.h"
#include "gui/app/TfrmSd.h"
#include "gui/app/TfrmSdDialogfeld.h"
#include "gui/platform/OpenWebAddress.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

namespace {

// A plain window that publishes a text, as the main window does.
class SdWindow final : public QWidget, public TfrmSd
{
public:
    SdWindow() : TfrmSd(this) { setObjectName(QStringLiteral("SdWindow")); }
};

QPixmap solid(const QColor& c, QSize size = {10, 10})
{
    QPixmap p(size);
    p.fill(c);
    return p;
}

QColor pixel(QWidget* w, QPoint at)
{
    return w->grab().toImage().pixelColor(at);
}

void saveShot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR");
    if (!dir.isEmpty())
        w->grab().save(QDir(dir).filePath(name));
}

void saveShot(const QPixmap& p, const QString& name)
{
    const QString dir = qEnvironmentVariable("SENDORA_SHOT_DIR");
    if (!dir.isEmpty())
        p.save(QDir(dir).filePath(name));
}

// German captions for the skin pictures, as a translation would give them.
class GermanCaptions final : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "SkinPictures") != 0)
            return {};
        if (qstrcmp(source, "Site details") == 0)
            return QStringLiteral("Kenndaten der Website");
        if (qstrcmp(source, "Automatic submission") == 0)
            return QStringLiteral("Automatische Anmeldung");
        if (qstrcmp(source, "Manual submission") == 0)
            return QStringLiteral("Manuelle Anmeldung");
        if (qstrcmp(source, "Status report") == 0)
            return QStringLiteral("Statusbericht");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestShellWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        TfrmInfoFenster::release();
        setOpenWebAddressHandler({});
    }

    void placementOnNumbers_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("0 left top") << 0 << QPoint(-93, 100);
        QTest::newRow("1 right top") << 1 << QPoint(890, 100);
        QTest::newRow("2 left bottom") << 2 << QPoint(-93, 472);
        QTest::newRow("3 right bottom") << 3 << QPoint(890, 472);
    }
    void placementOnNumbers()
    {
        QFETCH(int, position);
        QFETCH(QPoint, expected);
        QCOMPARE(TfrmSd::infoWindowPosition(position, QRect(100, 100, 790, 595), QSize(193, 223)),
                 expected);
    }

    void infoWindowFollowsRealWindow()
    {
        TRegistryEintraege settings;
        settings.infoFenster = true;
        SdWindow window;
        window.setWindowFlag(Qt::FramelessWindowHint);
        window.resize(790, 595);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TfrmInfoFenster::setPosition(3);
        TfrmInfoFenster* info = TfrmInfoFenster::create(settings);
        QCOMPARE(TfrmInfoFenster::create(settings), info); // only one
        info->show();
        QCOMPARE(info->size(), QSize(193, 223));
        window.placeInfoWindow();
        const QRect frame = window.frameGeometry();
        QTRY_COMPARE(info->pos(), QPoint(frame.right() + 1, frame.bottom() + 1 - 223));

        // Moving the window takes the info window along.
        window.move(150, 120);
        const QRect moved = window.frameGeometry();
        QTRY_COMPARE(info->pos(), QPoint(moved.right() + 1, moved.bottom() + 1 - 223));
        saveShot(info, QStringLiteral("info_window.png"));
    }

    void descriptionReachesInfoWindow()
    {
        TRegistryEintraege settings;
        SdWindow window;
        QCOMPARE(window.WndDescription(), QStringLiteral("SdWindow"));
        window.setWndDescription(QStringLiteral("no info window yet"));
        TfrmInfoFenster* info = TfrmInfoFenster::create(settings);
        QVERIFY(info->text().startsWith(QStringLiteral("Welcome to Sendora!")));
        window.setWndDescription(QStringLiteral("Enter your site's details here."));
        QCOMPARE(info->text(), QStringLiteral("Enter your site's details here."));
    }

    void infoWindowFollowsActivatedDialog()
    {
        TRegistryEintraege settings;
        settings.infoFenster = true;
        SdWindow main;
        main.setWndDescription(QStringLiteral("main text"));
        main.setGeometry(50, 50, 500, 400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        TfrmInfoFenster::setPosition(1);
        TfrmInfoFenster* info = TfrmInfoFenster::create(settings);
        info->show();

        TfrmSdDialogfeld dialog(&main);
        dialog.setWndDescription(QStringLiteral("dialog text"));
        dialog.setGeometry(300, 200, 320, 180);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &activate);
        QCOMPARE(info->text(), QStringLiteral("dialog text"));
        const QRect frame = dialog.frameGeometry();
        QTRY_COMPARE(info->pos(), QPoint(frame.right() + 1, frame.top()));

        dialog.hide();
        QApplication::sendEvent(&main, &activate);
        QCOMPARE(info->text(), QStringLiteral("main text"));
        QTRY_COMPARE(info->pos(), QPoint(main.frameGeometry().right() + 1, main.frameGeometry().top()));
    }

    void closeButtonSwitchesInfoWindowOff()
    {
        TRegistryEintraege settings;
        settings.infoFenster = true;
        TfrmInfoFenster* info = TfrmInfoFenster::create(settings);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        QPointer<TfrmInfoFenster> guard(info);
        QTest::mouseClick(info->closeButton(), Qt::LeftButton);
        QVERIFY(!settings.infoFenster);
        QCOMPARE(TfrmInfoFenster::instance(), nullptr);
        QTRY_VERIFY(guard.isNull());
    }

    void releaseKeepsSwitch()
    {
        TRegistryEintraege settings;
        settings.infoFenster = true;
        TfrmInfoFenster::create(settings)->show();
        TfrmInfoFenster::release();
        QCOMPARE(TfrmInfoFenster::instance(), nullptr);
        QVERIFY(settings.infoFenster);
        TfrmInfoFenster::release(); // none: nothing happens
    }

    void buttonLayout_data()
    {
        QTest::addColumn<int>("formWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("tags");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("two on 300") << 300 << QList<int> {75, 75} << QList<int> {0, 0}
                                    << QList<int> {70, 155};
        QTest::newRow("one centred") << 300 << QList<int> {75} << QList<int> {0}
                                     << QList<int> {112};
        QTest::newRow("three") << 400 << QList<int> {75, 75, 75} << QList<int> {0, 0, 0}
                               << QList<int> {77, 162, 247};
        QTest::newRow("four") << 400 << QList<int> {75, 75, 75, 75} << QList<int> {0, 0, 0, 0}
                              << QList<int> {35, 120, 205, 290};
        QTest::newRow("five mixed widths")
            << 500 << QList<int> {60, 75, 100, 75, 60} << QList<int> {0, 0, 0, 0, 0}
            << QList<int> {45, 115, 200, 310, 395};
        // The third button's tag is above the first one's: it moves to the front.
        QTest::newRow("tag to front") << 400 << QList<int> {75, 75, 75} << QList<int> {0, 0, 5}
                                      << QList<int> {162, 247, 77};
        QTest::newRow("equal tag stays") << 300 << QList<int> {75, 75} << QList<int> {3, 3}
                                         << QList<int> {70, 155};
        QTest::newRow("none") << 300 << QList<int> {} << QList<int> {} << QList<int> {};
    }
    void buttonLayout()
    {
        QFETCH(int, formWidth);
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, tags);
        QFETCH(QList<int>, lefts);
        QList<TfrmSdDialogfeld::ButtonSlot> buttons;
        for (int i = 0; i < widths.size(); ++i)
            buttons.append({widths[i], tags[i]});
        QCOMPARE(TfrmSdDialogfeld::layoutButtons(buttons, formWidth), lefts);
    }

    void dialogLaysOutItsButtons()
    {
        TfrmSdDialogfeld dialog;
        dialog.btnHilfe()->hide();
        dialog.setFixedSize(300, 150);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.pnlButtons()->height(), 33);
        QCOMPARE(dialog.btnOK()->geometry(), QRect(70, 5, 75, 23));
        QCOMPARE(dialog.btnAbbruch()->x(), 155);

        dialog.btnHilfe()->show();
        QTRY_COMPARE(dialog.btnOK()->x(), journalLeft(300, 0));
        QCOMPARE(dialog.btnAbbruch()->x(), 112);
        QCOMPARE(dialog.btnHilfe()->x(), 197);
        QCOMPARE(dialog.btnOK()->text(), QStringLiteral("&OK"));
        QCOMPARE(dialog.btnAbbruch()->text(), QStringLiteral("&Cancel"));

        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
    }

    void pictureChoice_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("withPressed");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<bool>("down");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << false << true << true << false << false << "normal";
        QTest::newRow("selected") << true << true << true << false << false << "pressed";
        QTest::newRow("selected without pressed") << true << true << false << false << false
                                                  << "over";
        QTest::newRow("selected without pressed, disabled")
            << true << false << false << false << false << "over";
        QTest::newRow("disabled") << false << false << true << true << false << "disable";
        QTest::newRow("mouse inside") << false << true << true << true << false << "over";
        QTest::newRow("mouse down") << false << true << true << true << true << "pressed";
        QTest::newRow("mouse down without pressed")
            << false << true << false << true << true << "normal";
    }
    void pictureChoice()
    {
        QFETCH(bool, selected);
        QFETCH(bool, enabled);
        QFETCH(bool, withPressed);
        QFETCH(bool, inside);
        QFETCH(bool, down);
        QFETCH(QString, expected);
        const QMap<QString, QColor> colours {{"normal", Qt::blue},
                                             {"pressed", Qt::red},
                                             {"over", Qt::green},
                                             {"disable", Qt::gray}};
        QWidget host;
        TGrafikButton button(&host);
        button.setGeometry(0, 0, 40, 20);
        button.setPicNormal(solid(colours["normal"]));
        if (withPressed)
            button.setPicPressed(solid(colours["pressed"]));
        button.setPicMouseOver(solid(colours["over"]));
        button.setPicDisable(solid(colours["disable"]));
        QCursor::setPos(QPoint(2, 2));
        host.setGeometry(300, 300, 60, 40); // away from the pointer
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        if (inside) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(&button, &enter);
        }
        if (down)
            QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
        button.setSelected(selected);
        button.setEnabled(enabled);
        QCOMPARE(pixel(&button, QPoint(20, 10)), colours[expected]);
    }

    void buttonClick()
    {
        TGrafikButton button;
        button.resize(40, 20);
        button.setPicNormal(solid(Qt::blue));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy clicked(&button, &TGrafikButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!button.isPressed());
        // Released outside: no click.
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 10));
        QCOMPARE(clicked.count(), 1);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
    }

    void panelBodyOnly()
    {
        TGrafikPanel panel;
        panel.setColor(Qt::white);
        panel.resize(60, 40);
        QImage body(2, 1, QImage::Format_RGB32);
        body.setPixel(0, 0, qRgb(255, 0, 0));
        body.setPixel(1, 0, qRgb(0, 0, 255));
        panel.setPicture(TGrafikPanel::PicBody, QPixmap::fromImage(body));
        const QImage shot = panel.grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(1, 38), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(58, 1), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(58, 38), QColor(Qt::blue));
    }

    void panelFrame()
    {
        TGrafikPanel panel;
        panel.setColor(Qt::white);
        panel.resize(60, 40);
        panel.setPicture(TGrafikPanel::PicTopLeft, solid(Qt::red, {4, 4}));
        panel.setPicture(TGrafikPanel::PicLeft, solid(Qt::green, {3, 1}));
        panel.setPicture(TGrafikPanel::PicBottom, solid(Qt::blue, {1, 5}));
        const QImage shot = panel.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::red));    // corner at natural size
        QCOMPARE(shot.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(1, 20), QColor(Qt::green)); // left strip, 3 wide
        QCOMPARE(shot.pixelColor(3, 20), QColor(Qt::white)); // the body starts after it
        QCOMPARE(shot.pixelColor(1, 38), QColor(Qt::blue));  // no bottom-left: edge from x 0
        QCOMPARE(shot.pixelColor(30, 36), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(30, 34), QColor(Qt::white));
        QCOMPARE(panel.picture(TGrafikPanel::PicRight).isNull(), true);
    }

    void panelIndexOutOfRange()
    {
        TGrafikPanel panel;
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, panel.picture(9));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, panel.setPicture(-1, QPixmap()));
    }

    void addressLabel()
    {
        QList<QUrl> opened;
        setOpenWebAddressHandler([&opened](const QUrl& u) { opened.append(u); });
        TSdURL label;
        QVERIFY(label.font().underline());
        QCOMPARE(label.highlightColor(), QColor(Qt::red));
        label.setUrl(QStringLiteral("https://sendora.example/"));
        QCOMPARE(label.text(), QStringLiteral("https://sendora.example/"));
        label.setCaption(QStringLiteral("Sendora"));
        QCOMPARE(label.text(), QStringLiteral("Sendora"));
        label.setCaption({});
        QCOMPARE(label.text(), QStringLiteral("https://sendora.example/"));

        label.setUseVisitedColor(true);
        label.setVisitedColor(QColor(128, 0, 128));
        label.resize(200, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy clicked(&label, &TSdURL::clicked);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(opened, QList<QUrl> {QUrl(QStringLiteral("https://sendora.example/"))});
        QCOMPARE(clicked.count(), 1);

        // A blank address opens nothing but still clicks.
        label.setUrl(QStringLiteral("   "));
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(clicked.count(), 2);
    }

    void addressLabelHighlight()
    {
        TSdURL label;
        label.setUrl(QStringLiteral("https://sendora.example/"));
        label.resize(200, 20);
        label.move(400, 400);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        const QColor before = label.textColor();
        QCursor::setPos(label.mapToGlobal(QPoint(5, 5)));
        QTest::mouseMove(&label, QPoint(5, 5));
        QTRY_VERIFY(label.isHighlighted());
        QCOMPARE(label.textColor(), QColor(Qt::red));
        QCursor::setPos(QPoint(0, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&label, &leave);
        QTRY_VERIFY(!label.isHighlighted());
        QCOMPARE(label.textColor(), before);
    }

    void webAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("web") << "https://sendora.example/a" << QUrl("https://sendora.example/a");
        QTest::newRow("no scheme") << " www.example.com " << QUrl("http://www.example.com");
        QTest::newRow("local file") << "/tmp/report page.html"
                                    << QUrl::fromLocalFile("/tmp/report page.html");
        QTest::newRow("empty") << "  " << QUrl();
    }
    void webAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QUrl, url);
        QList<QUrl> opened;
        setOpenWebAddressHandler([&opened](const QUrl& u) { opened.append(u); });
        OpenWebAddress(address);
        QCOMPARE(opened, url.isEmpty() ? QList<QUrl> {} : QList<QUrl> {url});
    }

    void skinPictures_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* base : {"bitmap_daten", "bitmap_su_auto", "bitmap_su_manu", "bitmap_status"})
            for (const char* suffix : {"_EN", "_DE", "_FR"})
                for (const char* ak : {"", "_ak"})
                    QTest::newRow(qPrintable(QString::fromLatin1(base) + ak + suffix))
                        << QString::fromLatin1(base) + ak + suffix;
        QTest::newRow("bitmap_meta_DE") << "bitmap_meta_DE";
        QTest::newRow("bitmap_meta_ak_DE") << "bitmap_meta_ak_DE";
        for (const char* f : {"pictopleft", "pictopright", "picbottomleft", "picbottomright",
                              "picleft", "picright", "pictop", "picbottom"})
            QTest::newRow(f) << QStringLiteral("bmp_pnbuttons_") + QLatin1String(f);
        for (const char* f : {"pictopright", "picbottomright", "picright", "pictop", "picbottom"})
            QTest::newRow(f) << QStringLiteral("bmp_gpn_main_") + QLatin1String(f);
    }
    void skinPictures()
    {
        QFETCH(QString, name);
        const QPixmap p = SkinPicture(name, 2.0);
        QVERIFY(!p.isNull());
        const QSize size = name.startsWith(QLatin1String("bitmap_"))
                               ? SkinPictures::kModuleButtonSize
                               : QSize(SkinPictures::kFrameEdge, SkinPictures::kFrameEdge);
        QCOMPARE(SkinPictures::pictureSize(name), size);
        QCOMPARE(p.deviceIndependentSize().toSize(), size);
        QCOMPARE(p.size(), size * 2); // crisp on a double-density screen
        saveShot(p, name + QStringLiteral(".png"));
    }

    void skinPicturesFitTheColumn()
    {
        // Five buttons from y = 14 inside a 569-pixel client area; the column is 142 wide.
        QVERIFY(14 + 5 * SkinPictures::kModuleButtonSize.height() <= 569);
        QVERIFY(SkinPictures::kModuleButtonSize.width() <= 142);
    }

    void skinPictureVariants()
    {
        const QImage normal = SkinPicture(QStringLiteral("bitmap_daten_EN"), 1).toImage();
        const QImage highlighted = SkinPicture(QStringLiteral("bitmap_daten_ak_EN"), 1).toImage();
        QVERIFY(normal != highlighted);
        QVERIFY(SkinPicture(QStringLiteral("bitmap_daten_EN"), 1).toImage()
                != SkinPicture(QStringLiteral("bitmap_status_EN"), 1).toImage());

        GermanCaptions german;
        QCoreApplication::installTranslator(&german);
        const QImage germanPicture = SkinPicture(QStringLiteral("bitmap_daten_DE"), 1).toImage();
        saveShot(SkinPicture(QStringLiteral("bitmap_su_auto_DE"), 2), "german_su_auto.png");
        QCoreApplication::removeTranslator(&german);
        QVERIFY(germanPicture != normal);
    }

    void skinPictureUnknownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("unknown") << "bitmap_nothing_EN";
        QTest::newRow("no language") << "bitmap_daten";
        QTest::newRow("bad language") << "bitmap_daten_IT";
        QTest::newRow("client area has no left edge") << "bmp_gpn_main_picleft";
        QTest::newRow("case") << "BITMAP_DATEN_EN";
    }
    void skinPictureUnknownNames()
    {
        QFETCH(QString, name);
        QVERIFY(SkinPicture(name).isNull());
        QVERIFY(SkinPictures::pictureSize(name).isEmpty());
    }

    void aboutBox()
    {
        QList<QUrl> opened;
        setOpenWebAddressHandler([&opened](const QUrl& u) { opened.append(u); });
        TfrmAboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QStringList texts;
        for (QLabel* l : about.findChildren<QLabel*>())
            texts << l->text();
        QVERIFY(texts.contains(QStringLiteral("Sendora! Special Edition")));
        QVERIFY(texts.contains(QStringLiteral("Version ") + QStringLiteral(SENDORA_VERSION)));
        QVERIFY(about.btnOK()->isVisible());
        QVERIFY(!about.btnAbbruch()->isVisible());
        QCOMPARE(about.btnOK()->x(), (about.width() - 75) / 2);
        QTest::mouseClick(about.addressLabel(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened, QList<QUrl> {QUrl(QStringLiteral("https://sendora.example/"))});
        saveShot(&about, QStringLiteral("about_box.png"));
    }

private:
    static int journalLeft(int formWidth, int index)
    {
        return TfrmSdDialogfeld::layoutButtons({{75, 0}, {75, 0}, {75, 0}}, formWidth)[index];
    }
};

QTEST_MAIN(TestShellWindows)
#include "tst_ShellWindows.moc"
