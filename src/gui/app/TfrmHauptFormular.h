#pragma once

#include <QMainWindow>
#include <QSize>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class TdmStorage;
class TRegistryEintraege;

// The main window: the module button column, the light-blue client area and the status
// bar. The modules fill the client area as their windows arrive.
class TfrmHauptFormular final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmHauptFormular)

public:
    static constexpr QRgb kClientColour = 0xFF77B0D9; // red 119, green 176, blue 217

    TfrmHauptFormular(TRegistryEintraege& settings, TdmStorage& storage, QSize startSize,
                      QWidget* parent = nullptr);
    ~TfrmHauptFormular() override;

    // The caption with the file name of the current project (without folder); empty for
    // a project without a file, which shows the untitled name of the active language.
    void setCaptionFileName(const QString& fileName);

    QAction* languageAction(int language) const;

Q_SIGNALS:
    // The window is closing for good: the program's shutdown follows.
    void closing();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createStatusBar();
    void retranslateUi();
    void languageItemClicked(QAction* action);
    void checkActiveLanguage();

    TRegistryEintraege& m_settings;
    TdmStorage& m_storage;
    QString m_captionFileName;

    QFrame* m_pnButtons = nullptr;
    QFrame* m_gpnMain = nullptr;
    QMenu* m_languageMenu = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    QAction* m_englishCmd = nullptr;
    QAction* m_germanCmd = nullptr;
    QAction* m_frenchCmd = nullptr;
    QLabel* m_statusPanels[3] = {};
};
