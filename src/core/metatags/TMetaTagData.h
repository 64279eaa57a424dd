#pragma once

#include "core/metatags/TLastInfo.h"

#include <QDateTime>
#include <QString>

// The inputs a meta tag data component reads and fills; the generator window binds
// its controls through this interface. An input that is not there (not assigned, or
// destroyed) reports false from isAssigned and is skipped when writing.
class TMetaTagInputs
{
public:
    enum class Input {
        MTauthor,
        MTpublisher,
        MTcopyright,
        MTkeywords, // memo
        MTdescription, // memo
        MTpagetopic,
        MTaudience,
        MTpagetype,
        MTrobots, // drop-down list: item index
        MTexpiresInfo // expiry input: date and item index
    };

    virtual ~TMetaTagInputs() = default;

    virtual bool isAssigned(Input input) const = 0;
    // The text of a text input or memo.
    virtual QString text(Input input) const = 0;
    virtual void setText(Input input, const QString& text) = 0;
    // The item index of MTrobots or MTexpiresInfo.
    virtual int itemIndex(Input input) const = 0;
    virtual void setItemIndex(Input input, int index) = 0;
    // The date of MTexpiresInfo.
    virtual QDateTime date() const = 0;
    virtual void setDate(const QDateTime& date) = 0;

    static const char* name(Input input);
};

// The meta tag data of the generator window: one TLastInfo, the inputs it is bound
// to and the meta tag file's name. Errors are raised as SdError with the texts the
// window shows.
class TMetaTagData
{
public:
    explicit TMetaTagData(TMetaTagInputs* inputs = nullptr);

    void setInputs(TMetaTagInputs* inputs) { m_inputs = inputs; }
    TMetaTagInputs* inputs() const { return m_inputs; }

    TLastInfo& info() { return m_info; }
    const TLastInfo& info() const { return m_info; }

    QString Filename() const { return m_filename; }
    // Only names ending in ".mtg" (any case); other names raise SdError and keep the
    // old name. An empty name clears it.
    void setFilename(const QString& name);

    void Clear();
    void ReadControls();
    void WriteControls();
    bool GenerateFromControls(QStringList& list);
    void Save();
    void Load();
    bool ReadFromList(const QStringList& list);
    static int RefreshDelay(const QString& text) { return TLastInfo::RefreshDelay(text); }

private:
    TMetaTagInputs* m_inputs = nullptr;
    TLastInfo m_info;
    QString m_filename;
};
