#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A button drawn entirely from pictures, with an optional caption over them.
class TGrafikButton : public QWidget
{
    Q_OBJECT
public:
    explicit TGrafikButton(QWidget* parent = nullptr);

    QPixmap picNormal() const { return m_normal; }
    QPixmap picPressed() const { return m_pressed; }
    QPixmap picDisable() const { return m_disable; }
    QPixmap picMouseOver() const { return m_mouseOver; }
    void setPicNormal(const QPixmap& picture);
    void setPicPressed(const QPixmap& picture);
    void setPicDisable(const QPixmap& picture);
    void setPicMouseOver(const QPixmap& picture);

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    // Kept for the windows that set them; drawing does not use them.
    QColor transColor() const { return m_transColor; }
    void setTransColor(const QColor& color);
    QColor bkColor() const { return m_bkColor; }
    void setBkColor(const QColor& color);

    // The picture the button paints in its present state (may be null).
    QPixmap currentPicture() const;
    bool isMouseInside() const { return m_inside; }
    bool isPressed() const { return m_down; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPixmap m_normal, m_pressed, m_disable, m_mouseOver;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    QColor m_transColor, m_bkColor;
    bool m_selected = false;
    bool m_inside = false;
    bool m_down = false;
};
