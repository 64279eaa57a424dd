#include "core/update/TUpdateListModel.h"

#include "core/update/UpdateTexts.h"

TUpdateListModel::TUpdateListModel(UpdateSlots& updateSlots, QObject* parent)
    : QAbstractItemModel(parent)
    , m_slots(updateSlots)
{ }

bool TUpdateListModel::BuildUpdateList()
{
    beginResetModel();
    m_children.clear();
    if (!m_slots[std::size_t(UpdateKind::Komplett)].NotAvailable) {
        m_children.append(int(UpdateKind::Komplett));
    } else {
        for (int i = 0; i < kUpdateSlotCount; ++i) {
            if (!m_slots[std::size_t(i)].NotAvailable)
                m_children.append(i);
        }
    }
    endResetModel();
    return !m_children.isEmpty();
}

QString TUpdateListModel::detailsText(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() != kChild)
        return {};
    return m_slots[std::size_t(m_children.value(index.row()))].Details;
}

bool TUpdateListModel::anySelected() const
{
    for (const tupdateinfofelder& slot : m_slots) {
        if (slot.Selected)
            return true;
    }
    return false;
}

QModelIndex TUpdateListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, kTopLevel) : QModelIndex();
    if (parent.internalId() == kTopLevel && row < m_children.size())
        return createIndex(row, 0, kChild);
    return {};
}

QModelIndex TUpdateListModel::parent(const QModelIndex& child) const
{
    if (child.isValid() && child.internalId() == kChild)
        return createIndex(0, 0, kTopLevel);
    return {};
}

int TUpdateListModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() == 0 && parent.internalId() == kTopLevel)
        return int(m_children.size());
    return 0;
}

int TUpdateListModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

QVariant TUpdateListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == kTopLevel) {
        if (role == Qt::DisplayRole)
            return m_children.isEmpty() ? UpdateTexts::noUpdatesAvailable()
                                        : UpdateTexts::availableUpdates();
        if (role == SlotRole)
            return 0;
        return {};
    }
    const int slotIndex = m_children.value(index.row());
    const tupdateinfofelder& slot = m_slots[std::size_t(slotIndex)];
    switch (role) {
    case Qt::DisplayRole:
        return QString(slot.Date + QStringLiteral(": ") + slot.Title);
    case Qt::CheckStateRole:
        return slot.Selected ? Qt::Checked : Qt::Unchecked;
    case SlotRole:
        return slotIndex + 1;
    default:
        return {};
    }
}

bool TUpdateListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.internalId() != kChild || role != Qt::CheckStateRole)
        return false;
    tupdateinfofelder& slot = m_slots[std::size_t(m_children.value(index.row()))];
    slot.Selected = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, { Qt::CheckStateRole });
    Q_EMIT selectionChanged(anySelected());
    return true;
}

Qt::ItemFlags TUpdateListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() == kChild)
        result |= Qt::ItemIsUserCheckable;
    return result;
}
