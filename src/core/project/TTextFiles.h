#pragma once

#include "core/project/TProjectDataCollection.h"

#include <QString>

// A meta tag file saved from the project.
class TTextFileItem
{
public:
    // File name without folder.
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& value) { m_title = value; }
    const QString& FilePath() const { return m_filePath; }
    void SetFilePath(const QString& value) { m_filePath = value; }

    QString DisplayName() const;

    bool operator==(const TTextFileItem& other) const = default;

private:
    QString m_title;
    QString m_filePath;
};

class TTextFiles : public TProjectDataCollection<TTextFileItem>
{
public:
    using TProjectDataCollection::TProjectDataCollection;
    static QString DefaultDisplayName();

    // The item whose FilePath equals path without regard to case, or none.
    TTextFileItem* FindByPath(const QString& path) const;
};
