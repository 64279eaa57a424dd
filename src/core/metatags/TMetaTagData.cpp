#include "core/metatags/TMetaTagData.h"

#include "core/platform/SdError.h"
#include "core/platform/TextLines.h"

#include <QCoreApplication>

namespace {

using Input = TMetaTagInputs::Input;

// Texts of this file are looked up under one context, which lupdate sees too.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(TMetaTagData)
};

struct TextField
{
    Input input;
    QString TLastInfo::*field;
};

const TextField kTextFields[] = {
    { Input::MTauthor, &TLastInfo::Author },       { Input::MTpublisher, &TLastInfo::Publisher },
    { Input::MTcopyright, &TLastInfo::Copyright }, { Input::MTpagetopic, &TLastInfo::PageTopic },
    { Input::MTaudience, &TLastInfo::Audience },   { Input::MTpagetype, &TLastInfo::PageType },
};

} // namespace

const char* TMetaTagInputs::name(Input input)
{
    switch (input) {
    case Input::MTauthor: return "MTauthor";
    case Input::MTpublisher: return "MTpublisher";
    case Input::MTcopyright: return "MTcopyright";
    case Input::MTkeywords: return "MTkeywords";
    case Input::MTdescription: return "MTdescription";
    case Input::MTpagetopic: return "MTpagetopic";
    case Input::MTaudience: return "MTaudience";
    case Input::MTpagetype: return "MTpagetype";
    case Input::MTrobots: return "MTrobots";
    case Input::MTexpiresInfo: return "MTexpiresInfo";
    }
    return "";
}

TMetaTagData::TMetaTagData(TMetaTagInputs* inputs)
    : m_inputs(inputs)
{
}

void TMetaTagData::setFilename(const QString& name)
{
    // The same German text in every language, as the window always showed it.
    if (!name.isEmpty() && !name.endsWith(QLatin1String(".mtg"), Qt::CaseInsensitive))
        throw SdError(QStringLiteral("Die Dateierweiterung muss \".MTG\" sein!"));
    m_filename = name;
}

void TMetaTagData::Clear()
{
    m_filename.clear();
    m_info.Author.clear();
    m_info.Publisher.clear();
    m_info.Copyright.clear();
    m_info.PageTopic.clear();
    m_info.Audience.clear();
    m_info.PageType.clear();
    m_info.Keywords.clear();
    m_info.Description.clear();
    m_info.Robots = -1;
}

void TMetaTagData::ReadControls()
{
    if (!m_inputs)
        return;
    for (const TextField& f : kTextFields) {
        if (m_inputs->isAssigned(f.input))
            m_info.*f.field = m_inputs->text(f.input);
    }
    if (m_inputs->isAssigned(Input::MTkeywords))
        m_info.Keywords = TextLines::split(m_inputs->text(Input::MTkeywords));
    if (m_inputs->isAssigned(Input::MTdescription))
        m_info.Description = TextLines::split(m_inputs->text(Input::MTdescription));
    if (m_inputs->isAssigned(Input::MTexpiresInfo)) {
        m_info.ExpiresDate = m_inputs->date();
        m_info.ExpiresMode = m_inputs->itemIndex(Input::MTexpiresInfo);
    }
    if (m_inputs->isAssigned(Input::MTrobots))
        m_info.Robots = m_inputs->itemIndex(Input::MTrobots);
}

void TMetaTagData::WriteControls()
{
    if (!m_inputs)
        return;
    for (const TextField& f : kTextFields) {
        if (m_inputs->isAssigned(f.input))
            m_inputs->setText(f.input, m_info.*f.field);
    }
    if (m_inputs->isAssigned(Input::MTkeywords))
        m_inputs->setText(Input::MTkeywords, TextLines::join(m_info.Keywords));
    if (m_inputs->isAssigned(Input::MTdescription))
        m_inputs->setText(Input::MTdescription, TextLines::join(m_info.Description));
    if (m_inputs->isAssigned(Input::MTexpiresInfo)) {
        m_inputs->setDate(m_info.ExpiresDate);
        m_inputs->setItemIndex(Input::MTexpiresInfo, m_info.ExpiresMode);
    }
    if (m_inputs->isAssigned(Input::MTrobots))
        m_inputs->setItemIndex(Input::MTrobots, m_info.Robots);
}

bool TMetaTagData::GenerateFromControls(QStringList& list)
{
    ReadControls();
    return m_info.GenerateLines(list);
}

void TMetaTagData::Save()
{
    if (m_filename.isEmpty())
        throw SdError(Tr::tr("File name is empty!"));
    for (int i = 0; i <= static_cast<int>(Input::MTexpiresInfo); ++i) {
        const auto input = static_cast<Input>(i);
        if (!m_inputs || !m_inputs->isAssigned(input))
            throw SdError(Tr::tr("The input %1 is not assigned!").arg(QLatin1String(TMetaTagInputs::name(input))));
    }
    ReadControls();
    m_info.SaveFile(m_filename);
}

void TMetaTagData::Load()
{
    if (m_filename.isEmpty())
        throw SdError(QStringLiteral("Kein Dateiname angegeben!"));
    m_info.LoadFile(m_filename);
    WriteControls();
}

bool TMetaTagData::ReadFromList(const QStringList& list)
{
    const bool result = m_info.ReadFromLines(list);
    WriteControls();
    return result;
}
