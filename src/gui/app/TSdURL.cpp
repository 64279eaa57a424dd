#include "gui/app/TSdURL.h"

#include "gui/platform/OpenWebAddress.h"

#include <QCursor>
#include <QMouseEvent>

TSdURL::TSdURL(QWidget* parent)
    : QLabel(parent)
    , m_highlight(Qt::red)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &TSdURL::tick);
}

void TSdURL::setCaption(const QString& caption)
{
    m_caption = caption;
    showText();
}

void TSdURL::setUrl(const QString& url)
{
    m_url = url;
    showText();
}

void TSdURL::showText()
{
    setText(m_caption.isEmpty() ? m_url : m_caption);
}

void TSdURL::setHighlightColor(const QColor& color)
{
    m_highlight = color.isValid() ? color : textColor();
    m_restore = QColor();
}

void TSdURL::setVisitedColor(const QColor& color)
{
    m_visited = color.isValid() ? color : textColor();
    m_restore = QColor();
}

QColor TSdURL::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TSdURL::setTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
    update();
}

void TSdURL::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (!m_timer.isActive()) {
        if (!m_restore.isValid())
            m_restore = textColor();
        setTextColor(m_highlight);
        m_timer.start();
    }
}

void TSdURL::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (!m_timer.isActive()) {
        if (!m_restore.isValid())
            m_restore = textColor();
        setTextColor(m_highlight);
        m_timer.start();
    }
}

void TSdURL::tick()
{
    if (rect().contains(mapFromGlobal(QCursor::pos())) && underMouse())
        return;
    m_timer.stop();
    if (m_restore.isValid())
        setTextColor(m_restore);
}

void TSdURL::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (!m_url.trimmed().isEmpty())
        OpenWebAddress(m_url);
    Q_EMIT clicked();
    if (m_useVisited && m_visited.isValid()) {
        m_restore = m_visited;
        if (!m_timer.isActive())
            setTextColor(m_visited);
    }
}
