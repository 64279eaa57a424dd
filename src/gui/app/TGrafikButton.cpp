#include "gui/app/TGrafikButton.h"

#include <QMouseEvent>
#include <QPainter>

TGrafikButton::TGrafikButton(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_Hover);
}

void TGrafikButton::setPicNormal(const QPixmap& picture)
{
    m_normal = picture;
    update();
}

void TGrafikButton::setPicPressed(const QPixmap& picture)
{
    m_pressed = picture;
    update();
}

void TGrafikButton::setPicDisable(const QPixmap& picture)
{
    m_disable = picture;
    update();
}

void TGrafikButton::setPicMouseOver(const QPixmap& picture)
{
    m_mouseOver = picture;
    update();
}

void TGrafikButton::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void TGrafikButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TGrafikButton::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TGrafikButton::setTransColor(const QColor& color)
{
    m_transColor = color;
    update();
}

void TGrafikButton::setBkColor(const QColor& color)
{
    m_bkColor = color;
    update();
}

QPixmap TGrafikButton::currentPicture() const
{
    if (m_selected)
        return m_pressed.isNull() ? m_mouseOver : m_pressed;
    if (!isEnabled())
        return m_disable;
    if (m_inside && m_down)
        return m_pressed.isNull() ? m_normal : m_pressed;
    if (m_inside)
        return m_mouseOver.isNull() ? m_normal : m_mouseOver;
    return m_normal;
}

void TGrafikButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap picture = currentPicture();
    if (!picture.isNull())
        p.drawPixmap(rect(), picture);
    if (m_caption.isEmpty())
        return;
    // A band as high as the letter W in the middle of the button; the wrapped text is centred
    // on it vertically.
    const QFontMetrics fm(font());
    const int band = fm.boundingRect(QLatin1Char('W')).height();
    const int flags = int(m_alignment & Qt::AlignHorizontal_Mask) | Qt::TextWordWrap;
    const QRect needed = fm.boundingRect(rect(), flags, m_caption);
    const int h = qMax(band, needed.height());
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(QRect(0, (height() - h) / 2, width(), h), flags | Qt::AlignVCenter, m_caption);
}

void TGrafikButton::enterEvent(QEnterEvent* event)
{
    m_inside = true;
    update();
    QWidget::enterEvent(event);
}

void TGrafikButton::leaveEvent(QEvent* event)
{
    m_inside = false;
    update();
    QWidget::leaveEvent(event);
}

void TGrafikButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_inside = true;
    m_down = true;
    update();
}

void TGrafikButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const bool wasDown = m_down;
    m_down = false;
    m_inside = rect().contains(event->position().toPoint());
    update();
    if (wasDown && m_inside && isEnabled())
        Q_EMIT clicked();
}

void TGrafikButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
