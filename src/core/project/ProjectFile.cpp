#include "core/platform/SdError.h"
#include "core/project/TSdProjectContainer.h"

// Reading and writing of project files follows in the next change.

void TSdProjectContainer::LoadProjects()
{
    checkFilename();
    throw SdError(QStringLiteral("Project files cannot be read yet."));
}

void TSdProjectContainer::SaveProjects()
{
    checkFilename();
    throw SdError(QStringLiteral("Project files cannot be written yet."));
}

void TSdProjectData::ReadProjectText(const QStringList&)
{
    throw SdError(QStringLiteral("Project files cannot be read yet."));
}
