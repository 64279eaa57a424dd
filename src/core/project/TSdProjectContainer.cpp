#include "core/project/TSdProjectContainer.h"

#include "core/app/TdmStorage.h"
#include "core/platform/SdError.h"

TSdProjectContainer::TSdProjectContainer(QObject* parent)
    : QObject(parent)
{
}

TSdProjectContainer::TSdProjectContainer(const QString& fileName, bool loadOnCreate, QObject* parent)
    : QObject(parent)
    , m_filename(fileName)
    , m_loadOnCreate(loadOnCreate)
{
    if (m_loadOnCreate && !m_filename.isEmpty())
        LoadProjects();
}

TSdProjectContainer::~TSdProjectContainer() = default;

TSdProjectData* TSdProjectContainer::AddProject(std::unique_ptr<TSdProjectData> project)
{
    if (!project)
        project = std::make_unique<TSdProjectData>();
    project->SetGeaendert(false);
    m_projects.push_back(std::move(project));
    return m_projects.back().get();
}

void TSdProjectContainer::ClearProjects()
{
    m_projects.clear();
}

TSdProjectData* TSdProjectContainer::Project(int index) const
{
    if (index < 0 || index >= ProjectCount())
        throw SdError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_projects[std::size_t(index)].get();
}

bool TSdProjectContainer::AnyModified() const
{
    for (const auto& project : m_projects) {
        if (project->Geaendert())
            return true;
    }
    return false;
}

void TSdProjectContainer::SetAllModified(bool value)
{
    m_modified = value;
    for (const auto& project : m_projects)
        project->SetGeaendert(value);
}

TSdProjectData* TSdProjectContainer::NewDefaultProject(int uiLanguage)
{
    ClearProjects();
    m_filename = TdmStorage::untitledFileName();
    SetAllModified(false);

    auto project = std::make_unique<TSdProjectData>();
    project->SetProjectName(QStringLiteral("Standard"));
    project->SetProjectDescription(QStringLiteral("Standardprojekt"));
    TProjektDetails& details = project->ProjektDetails();
    switch (uiLanguage) {
    case TdmStorage::German:
        details.SetLanguage(16);
        details.SetCountry(81);
        break;
    case TdmStorage::French:
        details.SetLanguage(15);
        details.SetCountry(69);
        break;
    default:
        details.SetLanguage(12);
        details.SetCountry(221);
        break;
    }
    return AddProject(std::move(project));
}

void TSdProjectContainer::checkFilename() const
{
    if (m_filename.isEmpty())
        throw SdError(QStringLiteral("FileName property is not set!"));
}
