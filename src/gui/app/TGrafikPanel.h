#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>

// A panel framed by nine pictures: four corners at their natural size, four edges stretched
// along the sides, and a body stretched over the rest (or filled with the panel colour).
class TGrafikPanel : public QWidget
{
    Q_OBJECT
public:
    enum Index {
        PicTopLeft = 0,
        PicTopRight,
        PicBottomLeft,
        PicBottomRight,
        PicLeft,
        PicRight,
        PicTop,
        PicBottom,
        PicBody,
        PictureCount
    };

    explicit TGrafikPanel(QWidget* parent = nullptr);

    // An index outside 0 to 8 is the caller's error: std::out_of_range.
    QPixmap picture(int index) const;
    void setPicture(int index, const QPixmap& picture);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QPixmap, PictureCount> m_pictures;
    QColor m_color;
};
