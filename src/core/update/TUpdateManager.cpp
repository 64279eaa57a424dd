#include "core/update/TUpdateManager.h"

#include "core/platform/Messages.h"
#include "core/platform/Platform.h"
#include "core/update/TUpmngWebFileInfo.h"
#include "core/update/UpdateServer.h"
#include "core/update/UpdateTexts.h"

#include <QDir>

TUpdateManager::TUpdateManager(TAktuelleVersionInfo versions, QObject* parent)
    : QObject(parent)
    , m_information(std::move(versions))
    , m_list(m_information.updateSlots())
{
    connect(&m_list, &TUpdateListModel::selectionChanged, this, [this](bool anySelected) {
        SetButtons(anySelected ? ButtonState::Next : ButtonState::Exit);
    });
}

bool TUpdateManager::ParseUpdateInformation(const QStringList& lines, QString& errorText)
{
    const bool ok = m_information.ParseUpdateInformation(lines, errorText);
    if (!ok)
        m_information.resetSlots(); // slots filled by earlier lines are not to be used
    BuildUpdateList();
    return ok;
}

void TUpdateManager::BuildUpdateList()
{
    if (!m_list.BuildUpdateList())
        m_mayClose = true;
}

void TUpdateManager::SetButtons(ButtonState state)
{
    if (m_buttons == state)
        return;
    m_buttons = state;
    Q_EMIT buttonStateChanged(state);
}

bool TUpdateManager::FetchUpdateInformation(QString& errorText)
{
    errorText.clear();
    const TAktuelleVersionInfo& versions = m_information.versionInfo();
    if (versions.infoFileUrl.trimmed().isEmpty()) {
        errorText = UpdateTexts::noHomeUrl();
        return false;
    }
    m_information.clearParsedLine();

    HttpClient::Request request;
    request.url = versions.infoFileUrl.trimmed();
    request.user = QString(UpdateServer::kUserName);
    request.password = QString(UpdateServer::kPassword);
    request.proxy = m_proxy;
    request.userAgent
        = QByteArray(UpdateServer::kInfoUserAgent.data(), UpdateServer::kInfoUserAgent.size());
    request.referer = QByteArray(UpdateServer::kReferer.data(), UpdateServer::kReferer.size());
    request.accept = QByteArrayLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    request.idleTimeoutMs = 30000;

    HttpClient client;
    const HttpClient::Result result = client.perform(request);
    if (!result.completed) {
        errorText = UpdateTexts::connectionError(result.curlCode, result.errorText);
        return false;
    }
    if (result.statusCode > 200) {
        // Every status above 200 fails; the text says which, also for those below 400.
        errorText = UpdateTexts::connectionError(result.statusCode, result.reasonPhrase);
        return false;
    }
    QString parseError;
    if (ParseUpdateInformation(TUpdateInformation::splitLines(result.body), parseError))
        return true;
    if (!errorText.isEmpty())
        errorText += QStringLiteral("  ");
    errorText += parseError;
    return false;
}

bool TUpdateManager::CheckForUpdates()
{
    m_information.clearParsedLine();
    QString errorText;
    try {
        return FetchUpdateInformation(errorText) && updatesAvailable();
    } catch (...) {
        return false;
    }
}

bool TUpdateManager::DownloadUpdates(const QString& updatesFolder, TUpmngWebFileInfo& downloader)
{
    bool ok = true;
    const QString folder = QDir::cleanPath(updatesFolder);
    if (!QDir().mkpath(folder)) {
        Platform::messages().error(QDir::toNativeSeparators(folder));
        ok = false;
    }
    for (std::size_t i = 0; ok && i < kUpdateSlotCount; ++i) {
        tupdateinfofelder& slot = m_information.updateSlots()[i];
        if (!slot.Selected)
            continue;
        slot.LocalFile = folder + u'/' + QString(kUpdateKinds[i].localFile);
        if (downloader.DownloadFile(slot.RemoteFile, slot.LocalFile))
            continue;
        if (downloader.userCancel())
            Platform::messages().information(
                UpdateTexts::downloadCancelled(downloader.LastError()));
        else
            Platform::messages().error(
                UpdateTexts::downloadFailed(downloader.LastErrorCode(), downloader.LastError()));
        ok = false;
    }
    if (!ok)
        m_mayClose = true;
    SetButtons(ok ? ButtonState::Next : ButtonState::Exit);
    return ok;
}
