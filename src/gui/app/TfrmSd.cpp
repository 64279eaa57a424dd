#include "gui/app/TfrmSd.h"

#include "gui/app/TfrmInfoFenster.h"

#include <QEvent>
#include <QWidget>

class TfrmSd::Watcher final : public QObject
{
public:
    Watcher(TfrmSd* owner, QWidget* window) : QObject(window), m_owner(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent()) {
            switch (event->type()) {
            case QEvent::Show:
            case QEvent::WindowActivate:
            case QEvent::WindowDeactivate:
            case QEvent::Move:
                m_owner->windowEvent(event->type());
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    TfrmSd* m_owner;
};

TfrmSd::TfrmSd(QWidget* window)
    : m_window(window)
{
    m_watcher = new Watcher(this, window);
    window->installEventFilter(m_watcher);
}

TfrmSd::~TfrmSd()
{
    // The window's own destructor runs after this one; its events must no longer reach here.
    delete m_watcher.data();
}

QString TfrmSd::WndDescription() const
{
    // The object name is often given after this base is built, so it is read late.
    return m_descriptionSet ? m_description : m_window->objectName();
}

void TfrmSd::setWndDescription(const QString& text)
{
    m_description = text;
    m_descriptionSet = true;
    if (TfrmInfoFenster* info = TfrmInfoFenster::instance())
        info->showText(text);
}

void TfrmSd::windowEvent(int type)
{
    TfrmInfoFenster* info = TfrmInfoFenster::instance();
    if (!info)
        return;
    if (type == QEvent::Show) {
        setWndDescription(WndDescription());
        return;
    }
    if (type != QEvent::Move)
        info->showText(WndDescription());
    placeInfoWindow();
}

QPoint TfrmSd::infoWindowPosition(int position, const QRect& window, const QSize& info)
{
    const bool right = position == 1 || position == 3;
    const bool bottom = position == 2 || position == 3;
    const int x = right ? window.x() + window.width() : window.x() - info.width();
    const int y = bottom ? window.y() + window.height() - info.height() : window.y();
    return {x, y};
}

void TfrmSd::placeInfoWindow()
{
    TfrmInfoFenster* info = TfrmInfoFenster::instance();
    if (!info || !m_window->isVisible())
        return;
    info->move(infoWindowPosition(TfrmInfoFenster::position(), m_window->frameGeometry(),
                                  info->frameGeometry().size()));
}
