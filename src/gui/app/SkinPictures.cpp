#include "gui/app/SkinPictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QScreen>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(SkinPictures)
};

enum class Module { Details, MetaTags, AutoSubmit, ManualSubmit, Status };

struct Parsed
{
    enum Kind { None, Button, Frame, Close, Bulb } kind = None;
    Module module = Module::Details;
    bool highlighted = false;
    int frame = 0;     // panel picture index 0..7
    int frameSet = 0;  // 0 button column, 1 client area, 2 info window
};

const char* const kFrameNames[8] = {"pictopleft", "pictopright", "picbottomleft",
                                    "picbottomright", "picleft", "picright", "pictop",
                                    "picbottom"};

Parsed parse(const QString& name)
{
    Parsed p;
    static const QRegularExpression button(
        QStringLiteral("^bitmap_(daten|meta|su_auto|su_manu|status)(_ak)?_(EN|DE|FR)$"));
    if (const auto m = button.match(name); m.hasMatch()) {
        const QString id = m.captured(1);
        p.kind = Parsed::Button;
        p.module = id == QLatin1String("daten")     ? Module::Details
                   : id == QLatin1String("meta")    ? Module::MetaTags
                   : id == QLatin1String("su_auto") ? Module::AutoSubmit
                   : id == QLatin1String("su_manu") ? Module::ManualSubmit
                                                    : Module::Status;
        p.highlighted = !m.captured(2).isEmpty();
        return p;
    }
    if (name == QLatin1String("bmp_tip_bulb")) {
        p.kind = Parsed::Bulb;
        return p;
    }
    if (name == QLatin1String("bmp_info_close") || name == QLatin1String("bmp_info_close_ak")) {
        p.kind = Parsed::Close;
        p.highlighted = name.endsWith(QLatin1String("_ak"));
        return p;
    }
    const QString prefixes[3] = {QStringLiteral("bmp_pnbuttons_"), QStringLiteral("bmp_gpn_main_"),
                                 QStringLiteral("bmp_info_")};
    for (int set = 0; set < 3; ++set) {
        if (!name.startsWith(prefixes[set]))
            continue;
        const QString rest = name.mid(prefixes[set].size());
        for (int i = 0; i < 8; ++i) {
            if (rest != QLatin1String(kFrameNames[i]))
                continue;
            // The client area has a frame on its right, top and bottom only.
            if (set == 1 && (i == 0 || i == 2 || i == 4))
                return p;
            p.kind = Parsed::Frame;
            p.frame = i;
            p.frameSet = set;
            return p;
        }
    }
    return p;
}

QString caption(Module module)
{
    switch (module) {
    case Module::Details:
        return Tr::tr("Site details");
    case Module::MetaTags:
        return Tr::tr("Meta tags");
    case Module::AutoSubmit:
        return Tr::tr("Automatic submission");
    case Module::ManualSubmit:
        return Tr::tr("Manual submission");
    case Module::Status:
        return Tr::tr("Status report");
    }
    return {};
}

QPixmap canvas(QSize size, qreal dpr)
{
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void drawIcon(QPainter& p, Module module, const QRectF& box, const QColor& ink)
{
    const qreal s = box.width();
    const auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * s, box.top() + y * s); };
    QPen pen(ink, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (module) {
    case Module::Details: { // a page with a folded corner and text lines
        QPainterPath page;
        page.moveTo(at(0.2, 0.05));
        page.lineTo(at(0.6, 0.05));
        page.lineTo(at(0.8, 0.25));
        page.lineTo(at(0.8, 0.95));
        page.lineTo(at(0.2, 0.95));
        page.closeSubpath();
        p.drawPath(page);
        QPainterPath fold;
        fold.moveTo(at(0.6, 0.05));
        fold.lineTo(at(0.6, 0.25));
        fold.lineTo(at(0.8, 0.25));
        p.drawPath(fold);
        for (qreal y : {0.45, 0.6, 0.75})
            p.drawLine(at(0.32, y), at(0.68, y));
        break;
    }
    case Module::MetaTags: { // angle brackets around a slash
        QPainterPath path;
        path.moveTo(at(0.3, 0.2));
        path.lineTo(at(0.05, 0.5));
        path.lineTo(at(0.3, 0.8));
        path.moveTo(at(0.7, 0.2));
        path.lineTo(at(0.95, 0.5));
        path.lineTo(at(0.7, 0.8));
        path.moveTo(at(0.58, 0.12));
        path.lineTo(at(0.42, 0.88));
        p.drawPath(path);
        break;
    }
    case Module::AutoSubmit: { // a paper plane
        QPainterPath plane;
        plane.moveTo(at(0.05, 0.45));
        plane.lineTo(at(0.95, 0.1));
        plane.lineTo(at(0.7, 0.9));
        plane.lineTo(at(0.45, 0.6));
        plane.closeSubpath();
        p.drawPath(plane);
        p.drawLine(at(0.45, 0.6), at(0.95, 0.1));
        p.drawLine(at(0.45, 0.6), at(0.42, 0.85));
        break;
    }
    case Module::ManualSubmit: { // a pencil over a line
        QPainterPath pencil;
        pencil.moveTo(at(0.15, 0.85));
        pencil.lineTo(at(0.2, 0.65));
        pencil.lineTo(at(0.7, 0.15));
        pencil.lineTo(at(0.85, 0.3));
        pencil.lineTo(at(0.35, 0.8));
        pencil.closeSubpath();
        p.drawPath(pencil);
        p.drawLine(at(0.6, 0.25), at(0.75, 0.4));
        p.drawLine(at(0.5, 0.92), at(0.9, 0.92));
        break;
    }
    case Module::Status: { // a bar chart on a base line
        p.drawLine(at(0.08, 0.92), at(0.92, 0.92));
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        const qreal heights[3] = {0.4, 0.65, 0.85};
        for (int i = 0; i < 3; ++i) {
            const qreal x = 0.16 + i * 0.26;
            p.drawRoundedRect(QRectF(at(x, 0.86 - heights[i]), at(x + 0.18, 0.86)), s * 0.03,
                              s * 0.03);
        }
        break;
    }
    }
}

QPixmap moduleButton(Module module, bool highlighted, qreal dpr)
{
    const QSize size = SkinPictures::kModuleButtonSize;
    QPixmap pm = canvas(size, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF face = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(5, 4, -5, -4);

    // A soft shadow below the face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(face.translated(0, 2), 12, 12);

    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    QColor ink, rim;
    if (highlighted) {
        fill.setColorAt(0, QColor(255, 214, 102));
        fill.setColorAt(1, QColor(245, 160, 40));
        ink = QColor(52, 34, 6);
        rim = QColor(196, 120, 18);
    } else {
        fill.setColorAt(0, QColor(58, 132, 210));
        fill.setColorAt(1, QColor(26, 86, 162));
        ink = Qt::white;
        rim = QColor(16, 60, 120);
    }
    p.setBrush(fill);
    p.setPen(QPen(rim, 1));
    p.drawRoundedRect(face, 12, 12);
    // A gloss on the upper half.
    QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, highlighted ? 90 : 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -face.height() / 2), 11, 11);

    const qreal iconSide = 34;
    drawIcon(p, module, QRectF(face.center().x() - iconSide / 2, face.top() + 9, iconSide, iconSide),
             ink);

    // The caption: bold, wrapped, shrunk until it fits the area under the icon.
    const QRectF textBox(face.left() + 6, face.top() + 48, face.width() - 12, face.height() - 52);
    QFont font = QGuiApplication::font();
    font.setBold(true);
    const QString text = caption(module);
    qreal points = 11;
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    for (; points > 6; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF fm(font);
        const QRectF needed = fm.boundingRect(textBox, flags, text);
        bool wordsFit = true;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            wordsFit = wordsFit && fm.horizontalAdvance(word) <= textBox.width();
        if (wordsFit && needed.height() <= textBox.height())
            break;
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(textBox, flags, text);
    return pm;
}

struct FrameStyle
{
    QColor base, outside, outline, light;
};

FrameStyle frameStyle(int set)
{
    const QColor client(119, 176, 217);
    switch (set) {
    case 0: // the button column: deep blue with a light inner rim
        return {QColor(0x1d, 0x5f, 0xa6), client, QColor(14, 52, 98), QColor(120, 170, 225)};
    case 1: // the client area: its own light blue, a soft darker rim
        return {client, QColor(0x1d, 0x5f, 0xa6), QColor(70, 120, 165), QColor(170, 210, 238)};
    default: // the info window
        return {QColor(139, 206, 254), QColor(139, 206, 254), QColor(40, 100, 160),
                QColor(205, 235, 255)};
    }
}

// A frame piece: the whole frame is drawn on a 3 × 3 tile grid and the piece is cut out.
QPixmap framePiece(int set, int index, qreal dpr)
{
    const int e = SkinPictures::kFrameEdge;
    const FrameStyle st = frameStyle(set);
    QPixmap whole = canvas(QSize(3 * e, 3 * e), dpr);
    {
        QPainter p(&whole);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRectF(0, 0, 3 * e, 3 * e), st.outside);
        const QRectF r(0.5, 0.5, 3 * e - 1, 3 * e - 1);
        p.setPen(QPen(st.outline, 1));
        p.setBrush(st.base);
        p.drawRoundedRect(r, e - 1, e - 1);
        p.setPen(QPen(st.light, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), e - 2.5, e - 2.5);
    }
    // Tile grid positions for the panel index order.
    const QPoint tiles[8] = {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {0, 1}, {2, 1}, {1, 0}, {1, 2}};
    const QPoint t = tiles[index];
    QPixmap piece = whole.copy(QRect(QPointF(t * e * dpr).toPoint(), QSize(e, e) * dpr));
    piece.setDevicePixelRatio(dpr);
    return piece;
}

QPixmap closeButton(bool highlighted, qreal dpr)
{
    const QSize size = SkinPictures::kCloseButtonSize;
    QPixmap pm = canvas(size, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3, 3, -3, -3);
    p.setPen(QPen(QColor(40, 100, 160), 1));
    p.setBrush(highlighted ? QColor(214, 64, 52) : QColor(255, 255, 255, 200));
    p.drawEllipse(disc);
    p.setPen(QPen(highlighted ? Qt::white : QColor(40, 100, 160), 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = disc.adjusted(5, 5, -5, -5);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    return pm;
}

QPixmap bulb(qreal dpr)
{
    const QSize size = SkinPictures::kBulbSize;
    QPixmap pm = canvas(size, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size.width();
    // Rays.
    p.setPen(QPen(QColor(245, 170, 30), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(s * 0.5, s * 0.4);
    for (int i = 0; i < 5; ++i) {
        QLineF ray(c, c + QPointF(0, -s * 0.38));
        ray.setAngle(30 + i * 30);
        ray.setP1(ray.pointAt(0.78));
        p.drawLine(ray);
    }
    // Glass.
    QRadialGradient glow(c, s * 0.25, c - QPointF(s * 0.06, s * 0.06));
    glow.setColorAt(0, QColor(255, 248, 200));
    glow.setColorAt(1, QColor(255, 206, 60));
    p.setBrush(glow);
    p.setPen(QPen(QColor(190, 130, 10), s * 0.03));
    QPainterPath glass;
    glass.addEllipse(c, s * 0.2, s * 0.2);
    QPainterPath neck;
    neck.moveTo(s * 0.38, s * 0.52);
    neck.lineTo(s * 0.42, s * 0.7);
    neck.lineTo(s * 0.58, s * 0.7);
    neck.lineTo(s * 0.62, s * 0.52);
    neck.closeSubpath();
    p.drawPath(glass.united(neck));
    // Screw base.
    p.setBrush(QColor(120, 130, 145));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(s * 0.41, s * 0.72, s * 0.18, s * 0.07), s * 0.02, s * 0.02);
    p.drawRoundedRect(QRectF(s * 0.42, s * 0.81, s * 0.16, s * 0.06), s * 0.02, s * 0.02);
    p.drawEllipse(QRectF(s * 0.46, s * 0.86, s * 0.08, s * 0.06));
    return pm;
}

} // namespace

QSize SkinPictures::pictureSize(const QString& resourceName)
{
    switch (parse(resourceName).kind) {
    case Parsed::Button:
        return kModuleButtonSize;
    case Parsed::Frame:
        return {kFrameEdge, kFrameEdge};
    case Parsed::Close:
        return kCloseButtonSize;
    case Parsed::Bulb:
        return kBulbSize;
    case Parsed::None:
        break;
    }
    return {};
}

QPixmap SkinPicture(const QString& resourceName, qreal dpr)
{
    const Parsed p = parse(resourceName);
    dpr = qMax<qreal>(1, dpr);
    switch (p.kind) {
    case Parsed::Button:
        return moduleButton(p.module, p.highlighted, dpr);
    case Parsed::Frame:
        return framePiece(p.frameSet, p.frame, dpr);
    case Parsed::Close:
        return closeButton(p.highlighted, dpr);
    case Parsed::Bulb:
        return bulb(dpr);
    case Parsed::None:
        break;
    }
    return {};
}

QPixmap SkinPicture(const QString& resourceName)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return SkinPicture(resourceName, screen ? screen->devicePixelRatio() : 1.0);
}
