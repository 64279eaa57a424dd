#include "gui/app/ShellStandIns.h"

#include <QDesktopServices>
#include <QPainter>

void TGrafikButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_selected && !m_pressed.isNull() ? m_pressed : m_normal);
}

QPixmap SkinPicture(const QString& resourceName)
{
    QPixmap p(138, 60);
    p.fill(resourceName.contains(QLatin1String("_ak")) ? QColor(250, 200, 80) : QColor(40, 110, 190));
    QPainter painter(&p);
    painter.setPen(Qt::white);
    painter.drawText(p.rect(), Qt::AlignCenter, resourceName);
    return p;
}

void OpenWebAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}
