#include "support/ScriptedFileDialogs.h"

#include "core/platform/Platform.h"

ScriptedFileDialogs::ScriptedFileDialogs()
{
    Platform::setFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    Platform::setFileDialogs(nullptr);
}

QString ScriptedFileDialogs::next(Call call, const Options& options)
{
    m_asked.append({call, options});
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

QString ScriptedFileDialogs::openFile(const Options& options)
{
    return next(Call::Open, options);
}

QString ScriptedFileDialogs::saveFile(const Options& options)
{
    return next(Call::Save, options);
}

QString ScriptedFileDialogs::chooseFolder(const QString& title, const QString& startFolder)
{
    Options options;
    options.title = title;
    options.startPath = startFolder;
    return next(Call::Folder, options);
}
