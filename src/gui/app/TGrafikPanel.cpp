#include "gui/app/TGrafikPanel.h"

#include <QPainter>

#include <stdexcept>

namespace {

QSize naturalSize(const QPixmap& p)
{
    return p.isNull() ? QSize(0, 0) : p.deviceIndependentSize().toSize();
}

void checkIndex(int index)
{
    if (index < 0 || index >= TGrafikPanel::PictureCount)
        throw std::out_of_range("picture index outside 0 to 8");
}

} // namespace

TGrafikPanel::TGrafikPanel(QWidget* parent)
    : QWidget(parent)
    , m_color(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap TGrafikPanel::picture(int index) const
{
    checkIndex(index);
    return m_pictures[static_cast<size_t>(index)];
}

void TGrafikPanel::setPicture(int index, const QPixmap& picture)
{
    checkIndex(index);
    m_pictures[static_cast<size_t>(index)] = picture;
    update();
}

void TGrafikPanel::setColor(const QColor& color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    update();
}

void TGrafikPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto& pic = m_pictures;
    const QSize tl = naturalSize(pic[PicTopLeft]), tr = naturalSize(pic[PicTopRight]);
    const QSize bl = naturalSize(pic[PicBottomLeft]), br = naturalSize(pic[PicBottomRight]);
    const int left = naturalSize(pic[PicLeft]).width();
    const int right = naturalSize(pic[PicRight]).width();
    const int top = naturalSize(pic[PicTop]).height();
    const int bottom = naturalSize(pic[PicBottom]).height();
    const int w = width(), h = height();

    const QRect body(left, top, w - left - right, h - top - bottom);
    if (pic[PicBody].isNull())
        p.fillRect(body, m_color);
    else
        p.drawPixmap(body, pic[PicBody]);

    if (!pic[PicLeft].isNull())
        p.drawPixmap(QRect(0, tl.height(), left, h - tl.height() - bl.height()), pic[PicLeft]);
    if (!pic[PicRight].isNull())
        p.drawPixmap(QRect(w - right, tr.height(), right, h - tr.height() - br.height()),
                     pic[PicRight]);
    if (!pic[PicTop].isNull())
        p.drawPixmap(QRect(tl.width(), 0, w - tl.width() - tr.width(), top), pic[PicTop]);
    if (!pic[PicBottom].isNull())
        p.drawPixmap(QRect(bl.width(), h - bottom, w - bl.width() - br.width(), bottom),
                     pic[PicBottom]);

    if (!pic[PicTopLeft].isNull())
        p.drawPixmap(QRect(QPoint(0, 0), tl), pic[PicTopLeft]);
    if (!pic[PicTopRight].isNull())
        p.drawPixmap(QRect(QPoint(w - tr.width(), 0), tr), pic[PicTopRight]);
    if (!pic[PicBottomLeft].isNull())
        p.drawPixmap(QRect(QPoint(0, h - bl.height()), bl), pic[PicBottomLeft]);
    if (!pic[PicBottomRight].isNull())
        p.drawPixmap(QRect(QPoint(w - br.width(), h - br.height()), br), pic[PicBottomRight]);
}
