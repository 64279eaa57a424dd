#pragma once

#include <QString>

// File and folder choosers. Filters use the program's own notation, pairs of a
// description and patterns joined by "|" ("Site details files|*.sit|All files|*.*").
// An empty result means the user cancelled.
class FileDialogs
{
public:
    struct Options
    {
        QString title;
        QString filter;
        QString startPath;      // folder or file to start at
        QString defaultSuffix;  // appended to names typed without an extension
        bool mustExist = true;  // open: the file must exist
        bool confirmOverwrite = true; // save: ask before replacing a file
    };

    virtual ~FileDialogs() = default;

    virtual QString openFile(const Options& options) = 0;
    virtual QString saveFile(const Options& options) = 0;
    virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
};
