#include "core/project/TSDAnmeldeStatus.h"
#include "core/project/TStatusbericht.h"
#include "core/project/TTextFiles.h"

// The display name of an item is its first text field; an item without one shows the
// name of its kind, as the collection editors of the original program did.

QString TSDAnmeldeStatus::DefaultDisplayName()
{
    return QStringLiteral("TSDAnmeldeStatusItem");
}

QString TSDAnmeldeStatusItem::DisplayName() const
{
    return m_text.isEmpty() ? TSDAnmeldeStatus::DefaultDisplayName() : m_text;
}

QString TTextFiles::DefaultDisplayName()
{
    return QStringLiteral("TTextFileItem");
}

QString TTextFileItem::DisplayName() const
{
    return m_title.isEmpty() ? TTextFiles::DefaultDisplayName() : m_title;
}

TTextFileItem* TTextFiles::FindByPath(const QString& path) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Items(i)->FilePath().compare(path, Qt::CaseInsensitive) == 0)
            return Items(i);
    }
    return nullptr;
}

TStatusberichtItem::TStatusberichtItem()
    : m_details(std::make_unique<TStatusberichtDetails>())
{
}

QString TStatusberichtItem::DisplayName() const
{
    return m_suchdienst.isEmpty() ? TStatusbericht::DefaultDisplayName() : m_suchdienst;
}

bool TStatusberichtItem::operator==(const TStatusberichtItem& other) const
{
    return m_suchdienst == other.m_suchdienst && m_date == other.m_date
        && *m_details == *other.m_details;
}

QString TStatusbericht::DefaultDisplayName()
{
    return QStringLiteral("TStatusberichtItem");
}
