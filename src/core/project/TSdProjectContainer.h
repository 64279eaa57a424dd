#pragma once

#include "core/project/TSdProjectData.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

// The projects of one project file, in file order; owns them. The main window owns one
// container and works on its current project.
//
// Failures of LoadProjects and SaveProjects are thrown as SdError with the text to show.
class TSdProjectContainer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSdProjectContainer)

public:
    explicit TSdProjectContainer(QObject* parent = nullptr);
    // With loadOnCreate and a file name, the file is loaded at once (LoadProjects, which
    // may throw).
    TSdProjectContainer(const QString& fileName, bool loadOnCreate, QObject* parent = nullptr);
    ~TSdProjectContainer() override;

    const QString& Filename() const { return m_filename; }
    void SetFilename(const QString& value) { m_filename = value; }
    bool LoadOnCreate() const { return m_loadOnCreate; }
    void SetLoadOnCreate(bool value) { m_loadOnCreate = value; }
    bool Modified() const { return m_modified; }

    // Appends project (a new empty one when none is given), clears its Geaendert and
    // returns it.
    TSdProjectData* AddProject(std::unique_ptr<TSdProjectData> project = {});
    void ClearProjects();
    // Frees the project at index; throws SdError for an index out of range.
    void RemoveProject(int index);
    int ProjectCount() const { return int(m_projects.size()); }
    // Throws SdError for an index out of range.
    TSdProjectData* Project(int index) const;

    bool AnyModified() const;
    void SetAllModified(bool value);

    // The untitled default project: clears the container, sets Filename to the untitled
    // name, adds the project "Standard" / "Standardprojekt" with language and country
    // preset from the user-interface language (1 English, 2 German, 3 French) and returns
    // it with all modified flags cleared. The main window itself empties its current-run
    // report and the path of the last formatted report.
    TSdProjectData* NewDefaultProject(int uiLanguage);

    // Clears the container and reads Filename: the component form, else the text form,
    // else the record form. Afterwards the container holds the projects read.
    void LoadProjects();
    // Writes all projects to Filename in the component form and clears all modified
    // flags. The old file stays as it was unless the whole new one could be written.
    void SaveProjects();

    // What LoadProjects does with the bytes of the file.
    void ReadProjects(const QByteArray& bytes);
    // The component form of all projects (throws SdError when device fails).
    void WriteProjects(QIODevice& device) const;

private:
    void checkFilename() const;

    QString m_filename;
    bool m_loadOnCreate = false;
    bool m_modified = false;
    std::vector<std::unique_ptr<TSdProjectData>> m_projects;
};
