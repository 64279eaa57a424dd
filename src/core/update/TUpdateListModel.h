#pragma once

#include "core/update/UpdateSlots.h"

#include <QAbstractItemModel>

// The update list of the selection page: either the single entry "No updates
// available!", or a root "Available updates" whose children are the available slots
// (only the complete setup when that is available), each "<date>: <title>" with an
// unticked check box. Ticking a child sets its slot's Selected.
class TUpdateListModel final : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUpdateListModel)

public:
    // The slot number (1 to 5) of a child entry; 0 for the root and the lone entry.
    static constexpr int SlotRole = Qt::UserRole + 1;

    explicit TUpdateListModel(UpdateSlots& updateSlots, QObject* parent = nullptr);

    // Rebuilds the entries from the slots. Returns false when no slot is available (the
    // list then shows "No updates available!").
    bool BuildUpdateList();

    // Whether the list is the lone "No updates available!" entry; such a list has no lines.
    bool isEmptyList() const { return m_children.isEmpty(); }
    // The text for "Details:" when the entry is clicked: the slot's details, nothing for
    // the root.
    QString detailsText(const QModelIndex& index) const;
    bool anySelected() const;
    QModelIndex rootEntry() const { return index(0, 0); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // After a tick changed: whether any slot is now selected (none: the wizard's button
    // becomes "&Exit").
    void selectionChanged(bool anySelected);

private:
    static constexpr quintptr kTopLevel = 0;
    static constexpr quintptr kChild = 1;

    UpdateSlots& m_slots;
    QList<int> m_children; // slot indexes (0 to 4) of the child entries
};
