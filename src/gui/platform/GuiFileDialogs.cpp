#include "gui/platform/GuiFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace {

QWidget* dialogParent()
{
    QWidget* parent = QApplication::activeModalWidget();
    return parent ? parent : QApplication::activeWindow();
}

QString runDialog(const FileDialogs::Options& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(dialogParent(), options.title, options.startPath,
                       GuiFileDialogs::toQtFilter(options.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setSizeGripEnabled(true);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    }
    if (!options.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(options.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString GuiFileDialogs::toQtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString GuiFileDialogs::openFile(const Options& options)
{
    return runDialog(options, QFileDialog::AcceptOpen);
}

QString GuiFileDialogs::saveFile(const Options& options)
{
    return runDialog(options, QFileDialog::AcceptSave);
}

QString GuiFileDialogs::chooseFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(dialogParent(), title, startFolder,
                                             QFileDialog::ShowDirsOnly
                                                 | QFileDialog::DontUseNativeDialog);
}
