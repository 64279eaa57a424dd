#pragma once

#include "core/platform/HttpClient.h"
#include "core/update/TUpdateListModel.h"
#include "core/update/UpdateInformation.h"

#include <QObject>

// The engine of the update manager wizard: evaluates the information file, keeps the
// update list the selection page shows, and the state the wizard's buttons follow.
class TUpmngWebFileInfo;

class TUpdateManager final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUpdateManager)

public:
    // The wizard's button states: 0 "&Next >" and "&Cancel"; 1 "&Exit" (closes with OK),
    // no Cancel; 2 both disabled.
    enum class ButtonState
    {
        Next = 0,
        Exit = 1,
        Busy = 2
    };

    explicit TUpdateManager(TAktuelleVersionInfo versions, QObject* parent = nullptr);

    TUpdateInformation& information() { return m_information; }
    const TUpdateInformation& information() const { return m_information; }
    TUpdateListModel& updateList() { return m_list; }
    UpdateSlots& updateSlots() { return m_information.updateSlots(); }

    // The proxy of every request (HttpClient::Proxy::fromSettings).
    void setProxy(const HttpClient::Proxy& proxy) { m_proxy = proxy; }
    const HttpClient::Proxy& proxy() const { return m_proxy; }

    // Reads the information file from the server and evaluates it. A connection that
    // fails and a status above 200 give "Connection error: " with the code and its text.
    bool FetchUpdateInformation(QString& errorText);
    // Whether any update is available; any error gives false.
    bool CheckForUpdates();

    // Downloads the selected slots in slot order into updatesFolder (created when
    // missing), each with the given component. Stops at the first failure after its
    // message; sets the may-close flag then and the button state.
    bool DownloadUpdates(const QString& updatesFolder, TUpmngWebFileInfo& downloader);

    // Evaluates the enciphered lines and rebuilds the update list (also after a failure,
    // which leaves the slots reset).
    bool ParseUpdateInformation(const QStringList& lines, QString& errorText);
    // Rebuilds the list; an empty list sets the may-close flag.
    void BuildUpdateList();

    bool updatesAvailable() const { return m_information.updatesAvailable(); }
    bool mayClose() const { return m_mayClose; }
    void setMayClose(bool mayClose) { m_mayClose = mayClose; }
    ButtonState buttonState() const { return m_buttons; }
    void SetButtons(ButtonState state);

Q_SIGNALS:
    void buttonStateChanged(TUpdateManager::ButtonState state);

private:
    TUpdateInformation m_information;
    TUpdateListModel m_list;
    HttpClient::Proxy m_proxy;
    bool m_mayClose = false;
    ButtonState m_buttons = ButtonState::Next;
};
