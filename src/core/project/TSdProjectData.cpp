#include "core/project/TSdProjectData.h"

namespace {

template <typename T>
std::unique_ptr<T> replacePart(std::unique_ptr<T>& held, std::unique_ptr<T> value,
                               TSdProjectData* owner)
{
    if (!value) {
        if constexpr (std::is_same_v<T, TProjektDetails>)
            value = std::make_unique<T>();
        else
            value = std::make_unique<T>(owner);
    }
    std::swap(held, value);
    return value;
}

} // namespace

TSdProjectData::TSdProjectData()
    : m_details(std::make_unique<TProjektDetails>())
    , m_anmeldeStatus(std::make_unique<TSDAnmeldeStatus>(this))
    , m_status(std::make_unique<TStatusbericht>(this))
    , m_textFiles(std::make_unique<TTextFiles>(this))
{
}

TSdProjectData::~TSdProjectData() = default;

std::unique_ptr<TProjektDetails> TSdProjectData::SetProjektDetails(std::unique_ptr<TProjektDetails> value)
{
    return replacePart(m_details, std::move(value), this);
}

std::unique_ptr<TSDAnmeldeStatus> TSdProjectData::SetAnmeldeStatus(std::unique_ptr<TSDAnmeldeStatus> value)
{
    return replacePart(m_anmeldeStatus, std::move(value), this);
}

std::unique_ptr<TStatusbericht> TSdProjectData::SetStatus(std::unique_ptr<TStatusbericht> value)
{
    return replacePart(m_status, std::move(value), this);
}

std::unique_ptr<TTextFiles> TSdProjectData::SetTextFiles(std::unique_ptr<TTextFiles> value)
{
    return replacePart(m_textFiles, std::move(value), this);
}
