#pragma once

#include "core/platform/SdError.h"

#include <QString>

#include <memory>
#include <vector>

class TSdProjectData;

// An ordered collection that owns its items: items are appended at the end, addressed
// by index from 0 and freed when removed or when the collection is cleared or freed.
// The owner is the project the collection belongs to (none for a free-standing report
// such as the current run's).
template <typename Item>
class TProjectDataCollection
{
public:
    explicit TProjectDataCollection(TSdProjectData* owner = nullptr)
        : m_owner(owner)
    {
    }
    TProjectDataCollection(const TProjectDataCollection&) = delete;
    TProjectDataCollection& operator=(const TProjectDataCollection&) = delete;

    TSdProjectData* Owner() const { return m_owner; }

    // The new last item.
    Item* Add()
    {
        m_items.push_back(std::make_unique<Item>());
        return m_items.back().get();
    }
    int Count() const { return int(m_items.size()); }
    Item* Items(int index) const
    {
        checkIndex(index);
        return m_items[std::size_t(index)].get();
    }
    void Delete(int index)
    {
        checkIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    void Clear() { m_items.clear(); }
    void Reserve(int count) { m_items.reserve(std::size_t(count)); }

private:
    void checkIndex(int index) const
    {
        if (index < 0 || index >= Count())
            throw SdError(QStringLiteral("List index out of bounds (%1)").arg(index));
    }

    TSdProjectData* m_owner;
    std::vector<std::unique_ptr<Item>> m_items;
};
