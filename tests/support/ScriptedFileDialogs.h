#pragma once

#include "core/platform/FileDialogs.h"

#include <QList>
#include <QStringList>

// Answers file dialogs from a queue of paths (an empty string is Cancel; an empty queue
// cancels) and records the options of every dialog asked for.
class ScriptedFileDialogs final : public FileDialogs
{
public:
    enum class Call { Open, Save, Folder };
    struct Asked
    {
        Call call;
        Options options;
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;

    void answer(const QString& path) { m_answers.append(path); }

    QString openFile(const Options& options) override;
    QString saveFile(const Options& options) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;

    const QList<Asked>& asked() const { return m_asked; }

private:
    QString next(Call call, const Options& options);

    QStringList m_answers;
    QList<Asked> m_asked;
};
