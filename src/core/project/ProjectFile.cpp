#include "core/platform/SdError.h"
#include "core/project/SitComponentForm.h"
#include "core/project/SitLegacyForms.h"
#include "core/project/TSdProjectContainer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

void TSdProjectContainer::LoadProjects()
{
    checkFilename();
    ClearProjects();
    QFile file(m_filename);
    if (!file.open(QIODevice::ReadOnly)) {
        throw SdError(QCoreApplication::translate("TSdProjectContainer",
                                                  "The file %1 cannot be opened: %2")
                          .arg(QDir::toNativeSeparators(m_filename), file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw SdError(QCoreApplication::translate("TSdProjectContainer",
                                                  "The file %1 cannot be read: %2")
                          .arg(QDir::toNativeSeparators(m_filename), file.errorString()));
    }
    file.close();
    ReadProjects(bytes);
}

void TSdProjectContainer::ReadProjects(const QByteArray& bytes)
{
    ClearProjects();
    if (SitComponentForm::read(bytes, *this) == SitComponentForm::ReadResult::Accepted) {
        SetAllModified(false);
        return;
    }
    if (SitLegacyForms::readTextForm(bytes, *this))
        return;
    SitLegacyForms::readRecordForm(bytes, *this);
}

void TSdProjectContainer::WriteProjects(QIODevice& device) const
{
    std::vector<const TSdProjectData*> projects;
    projects.reserve(m_projects.size());
    for (const auto& project : m_projects)
        projects.push_back(project.get());
    SitComponentForm::write(device, projects);
}

void TSdProjectContainer::SaveProjects()
{
    checkFilename();
    // The old file is replaced only once the whole new one is on disk.
    QSaveFile file(m_filename);
    const auto failed = [this](const QString& reason) {
        return SdError(QCoreApplication::translate("TSdProjectContainer",
                                                   "The file %1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(m_filename), reason));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    try {
        WriteProjects(file);
    } catch (const SdError& e) {
        throw failed(e.text());
    }
    if (!file.commit())
        throw failed(file.errorString());
    SetAllModified(false);
}

void TSdProjectContainer::RemoveProject(int index)
{
    Project(index); // range check
    m_projects.erase(m_projects.begin() + index);
}
