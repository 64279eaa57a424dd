#include "gui/app/TfrmSplashMain.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSvgRenderer>

TfrmSplashMain::TfrmSplashMain(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TfrmSplashMain"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

QString TfrmSplashMain::slogan() const
{
    return tr("More success for your website", "IDS_Slogan");
}

void TfrmSplashMain::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0.0, QColor(0x1d, 0x5f, 0xa6));
    sky.setColorAt(0.55, QColor(0x3f, 0x8f, 0xd2));
    sky.setColorAt(1.0, QColor(119, 176, 217));
    p.fillPath(frame, sky);

    // Soft rings behind the logo: submissions spreading out.
    p.setPen(QPen(QColor(255, 255, 255, 40), 2));
    for (int r = 60; r <= 240; r += 45)
        p.drawEllipse(QPointF(420, 70), r, r);

    QSvgRenderer logo(QStringLiteral(":/images/sendora.svg"));
    logo.render(&p, QRectF(24, 22, 76, 76));

    QFont title = font();
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(114, 24, 370, 52), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Sendora!"));

    QFont edition = font();
    edition.setPixelSize(14);
    p.setFont(edition);
    p.setPen(QColor(0xdc, 0xeb, 0xf8));
    p.drawText(QRectF(116, 72, 370, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Special Edition"));

    // The slogan: bold 16-pixel type, centred across 481 pixels at y = 120.
    QFont bold = font();
    bold.setPixelSize(16);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(QRectF((kWidth - 481) / 2.0, 120, 481, 24), Qt::AlignHCenter | Qt::AlignTop,
               slogan());

    QFont small = font();
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRectF(0, kHeight - 34, kWidth - 20, 20), Qt::AlignRight | Qt::AlignVCenter,
               tr("Version %1", "IDS_SplashVersion").arg(QStringLiteral(SENDORA_VERSION)));
}

void TfrmSplashMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        update();
    QWidget::changeEvent(event);
}
