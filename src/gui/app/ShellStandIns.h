#pragma once

// Minimal stand-ins for the shared window classes and services of the application shell
// (info window base, picture controls, help, hints, tip of the day, about box), used only
// until the real classes are in the tree. Same names and calls as the real ones.

#include "core/settings/TRegistryEintraege.h"

#include <QDialog>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <functional>

class TfrmSd
{
public:
    explicit TfrmSd(QWidget* window) : m_window(window) { m_description = window->objectName(); }
    virtual ~TfrmSd() = default;
    QString WndDescription() const { return m_description; }
    void setWndDescription(const QString& text) { m_description = text; }
    void placeInfoWindow() {}

private:
    QWidget* m_window;
    QString m_description;
};

class TGrafikPanel : public QWidget
{
public:
    enum Index { PicTopLeft, PicTopRight, PicBottomLeft, PicBottomRight, PicLeft, PicRight, PicTop, PicBottom, PicBody };
    using QWidget::QWidget;
    QPixmap picture(int i) const { return m_pics[i]; }
    void setPicture(int i, const QPixmap& p) { m_pics[i] = p; update(); }
    void setColor(const QColor& c) { QPalette pal = palette(); pal.setColor(QPalette::Window, c); setPalette(pal); setAutoFillBackground(true); }

private:
    QPixmap m_pics[9];
};

class TGrafikButton : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicNormal(const QPixmap& p) { m_normal = p; update(); }
    void setPicPressed(const QPixmap& p) { m_pressed = p; update(); }
    void setPicDisable(const QPixmap&) {}
    void setPicMouseOver(const QPixmap&) {}
    QPixmap picNormal() const { return m_normal; }
    void setSelected(bool s) { m_selected = s; update(); }
    bool isSelected() const { return m_selected; }
Q_SIGNALS:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent*) override { Q_EMIT clicked(); }
    void paintEvent(QPaintEvent*) override;
private:
    QPixmap m_normal, m_pressed;
    bool m_selected = false;
};

class TfrmInfoFenster : public QWidget
{
public:
    static TfrmInfoFenster* instance() { return s_instance; }
    static TfrmInfoFenster* create(TRegistryEintraege&) { return s_instance; } // none until the real one
    static void release() { delete s_instance; s_instance = nullptr; }
    static int position() { return s_position; }
    static void setPosition(int p) { s_position = p; }
    void showText(const QString&) {}
private:
    static inline TfrmInfoFenster* s_instance = nullptr;
    static inline int s_position = 1;
};

QPixmap SkinPicture(const QString& resourceName);

class TfrmDetailErklaerung
{
public:
    static void showHint(int kind, TRegistryEintraege&, QWidget*) { s_shown.append(kind); }
    static inline QList<int> s_shown;
};

class HelpSystem
{
public:
    static HelpSystem& instance() { static HelpSystem h; return h; }
    void setLanguage(int) {}
    void showTopic(int t) { requests << QStringLiteral("topic %1").arg(t); }
    void showContents() { requests << QStringLiteral("contents"); }
    void showIndex(const QString&) {}
    void showTopicByName(const QString& n) { requests << QStringLiteral("name ") + n; }
    static void setHelpContext(QWidget*, int) {}
    QStringList requests;
};

class TfrmTippDesTages
{
public:
    static bool isOpen() { return false; }
    static void showModal(TRegistryEintraege&, const QString&, int, QWidget*) { ++s_shown; }
    static inline int s_shown = 0;
};

class TfrmAboutBox : public QDialog
{
public:
    explicit TfrmAboutBox(QWidget* parent) : QDialog(parent) {}
};

void OpenWebAddress(const QString& address);
