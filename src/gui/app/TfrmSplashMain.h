#pragma once

#include <QWidget>

// The borderless start-up window, 500 x 250, shown while the settings are loaded and the
// long-lived windows are created.
class TfrmSplashMain final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSplashMain)

public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 250;

    explicit TfrmSplashMain(QWidget* parent = nullptr);

    QString slogan() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
};
