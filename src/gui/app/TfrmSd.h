#pragma once

#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

// Base of the windows that publish an explanatory text to the floating info window. Not a
// QObject: a window class inherits it beside its Qt class and passes itself in.
class TfrmSd
{
public:
    explicit TfrmSd(QWidget* window);
    virtual ~TfrmSd();
    TfrmSd(const TfrmSd&) = delete;
    TfrmSd& operator=(const TfrmSd&) = delete;

    QString WndDescription() const;
    // Stores the text and shows it in the info window at once when one exists.
    void setWndDescription(const QString& text);

    // Puts the info window against this window's left or right edge, at the top or the
    // bottom, by TfrmInfoFenster::position(); only while this window is visible.
    void placeInfoWindow();

    // The info window's top-left corner for a window frame and an info window size:
    // 0 left/top, 1 right/top, 2 left/bottom, 3 right/bottom.
    static QPoint infoWindowPosition(int position, const QRect& window, const QSize& info);

    QWidget* sdWindow() const { return m_window; }

private:
    class Watcher;
    friend class Watcher;
    void windowEvent(int type);

    QWidget* m_window;
    QPointer<Watcher> m_watcher;
    QString m_description;
    bool m_descriptionSet = false; // until then: the window's object name
};
