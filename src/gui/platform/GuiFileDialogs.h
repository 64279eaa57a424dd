#pragma once

#include "core/platform/FileDialogs.h"

// Qt's own file dialogs (not the desktop's), so that their texts follow the program's
// language.
class GuiFileDialogs final : public FileDialogs
{
public:
    QString openFile(const Options& options) override;
    QString saveFile(const Options& options) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;

    // "Site details files|*.sit|All files|*.*" -> "Site details files (*.sit);;All files (*.*)"
    static QString toQtFilter(const QString& filter);
};
