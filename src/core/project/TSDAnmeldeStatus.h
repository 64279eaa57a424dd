#pragma once

#include "core/project/TProjectDataCollection.h"

#include <QString>

// The submission state of one search service.
class TSDAnmeldeStatusItem
{
public:
    const QString& Text() const { return m_text; }
    void SetText(const QString& value) { m_text = value; }
    // Date of the last submission (TDateTime); 0 = none.
    double Date() const { return m_date; }
    void SetDate(double value) { m_date = value; }
    // Field Nr of the service table; 0 = no service.
    int Number() const { return m_number; }
    void SetNumber(int value) { m_number = value; }
    int Code() const { return m_code; }
    void SetCode(int value) { m_code = value; }
    const QString& Comment() const { return m_comment; }
    void SetComment(const QString& value) { m_comment = value; }

    QString DisplayName() const;

    bool operator==(const TSDAnmeldeStatusItem& other) const = default;

private:
    QString m_text;
    double m_date = 0.0;
    int m_number = 0;
    int m_code = 0;
    QString m_comment;
};

// The submission state per search service, rebuilt from the service table when the
// project is saved and written back into it when the project is loaded.
class TSDAnmeldeStatus : public TProjectDataCollection<TSDAnmeldeStatusItem>
{
public:
    using TProjectDataCollection::TProjectDataCollection;
    static QString DefaultDisplayName();
};
