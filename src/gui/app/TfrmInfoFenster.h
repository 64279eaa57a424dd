#pragma once

#include <QWidget>

class QLabel;
class TGrafikButton;
class TGrafikPanel;
class TRegistryEintraege;

// The small floating window that shows the text of the window the user works in. At most
// one exists; the main window creates and releases it. Closing it in any way switches the
// info window off in the settings.
class TfrmInfoFenster final : public QWidget
{
    Q_OBJECT
public:
    static TfrmInfoFenster* instance();
    static TfrmInfoFenster* create(TRegistryEintraege& settings);
    // Frees the window without touching the switch (the main window closes, or the
    // option was switched off).
    static void release();
    static int position();
    static void setPosition(int position);

    void showText(const QString& text);
    QString text() const;
    TGrafikButton* closeButton() const { return m_close; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    explicit TfrmInfoFenster(TRegistryEintraege& settings);
    ~TfrmInfoFenster() override;
    void loadPictures();

    TRegistryEintraege& m_settings;
    TGrafikPanel* m_panel = nullptr;
    QLabel* m_text = nullptr;
    TGrafikButton* m_close = nullptr;
    bool m_textSet = false;
};
