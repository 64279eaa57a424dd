#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>

// A label that opens a web address when clicked. Under the mouse its text turns to the
// highlight colour; a 100 ms timer restores the colour once the mouse has left.
class TSdURL : public QLabel
{
    Q_OBJECT
public:
    explicit TSdURL(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString url() const { return m_url; }
    void setUrl(const QString& url);

    // An invalid colour stands for "the default": the present font colour is used instead.
    QColor highlightColor() const { return m_highlight; }
    void setHighlightColor(const QColor& color);
    QColor visitedColor() const { return m_visited; }
    void setVisitedColor(const QColor& color);
    bool useVisitedColor() const { return m_useVisited; }
    void setUseVisitedColor(bool use) { m_useVisited = use; }
    QString about() const { return {}; }

    QColor textColor() const;
    bool isHighlighted() const { return m_timer.isActive(); }

Q_SIGNALS:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showText();
    void setTextColor(const QColor& color);
    void tick();

    QString m_caption;
    QString m_url;
    QColor m_highlight;
    QColor m_visited;
    bool m_useVisited = false;
    QColor m_restore; // invalid: nothing remembered yet
    QTimer m_timer;
};
