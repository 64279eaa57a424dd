#include "core/update/TUpdateManager.h"

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
