#include "core/update/UpdateTexts.h"

#include <QCoreApplication>

namespace {

const QString kCr = QStringLiteral("\r");

} // namespace

namespace UpdateTexts {

QString productName()
{
    return QStringLiteral("Sendora! Special Edition");
}

QString supportAddress()
{
    return QStringLiteral("support@sendora.example");
}

QString websiteAddress()
{
    return QStringLiteral("http://www.sendora.example/");
}

QString internalError(const QString& code)
{
    return QCoreApplication::translate(
               "TfrmUPManager", "Internal error: %1  - Please contact our support team at %2!",
               "IDS_InternalError")
        .arg(code, supportAddress());
}

QString windowTitle()
{
    return QCoreApplication::translate("TfrmUPManager", "Update Manager", "IDS_Title");
}
QString pageHeading()
{
    return QCoreApplication::translate("TfrmUPManager", "FTP access", "IDS_Heading");
}
QString nextButton()
{
    return QCoreApplication::translate("TfrmUPManager", "&Next >", "IDS_Next");
}
QString exitButton()
{
    return QCoreApplication::translate("TfrmUPManager", "&Exit", "IDS_Exit");
}
QString cancelButton()
{
    return QCoreApplication::translate("TfrmUPManager", "&Cancel", "IDS_Cancel");
}

QString descriptionLine()
{
    return QCoreApplication::translate(
        "TfrmUPManager",
        "Update Manager ensures that your software is always up-to-date. All new versions "
        "are installed automatically.",
        "IDS_Description");
}

QString closeQuestion()
{
    return QCoreApplication::translate("TfrmUPManager",
                                       "Would you like to terminate the update manager now?",
                                       "IDS_CloseQuestion");
}

QString pageTitle(int page)
{
    switch (page) {
    case 1:
        return QCoreApplication::translate("TfrmUPManager", "Welcome to Update Manager",
                                           "IDS_Page1");
    case 2:
        return QCoreApplication::translate("TfrmUPManager", "View information", "IDS_Page2");
    case 3:
        return QCoreApplication::translate("TfrmUPManager", "Select updates", "IDS_Page3");
    case 4:
        return QCoreApplication::translate("TfrmUPManager", "Processing query ...", "IDS_Page4");
    case 5:
        return QCoreApplication::translate("TfrmUPManager", "Installing updates", "IDS_Page5");
    case 6:
        return QCoreApplication::translate("TfrmUPManager", "Update completed", "IDS_Page6");
    case 7:
        return QCoreApplication::translate("TfrmUPManager", "Error", "IDS_Page7");
    default:
        return {};
    }
}

QStringList pageLines(int page)
{
    const QString lookingForUpdates = QCoreApplication::translate(
        "TfrmUPManager", "Please wait. Program is looking for available updates.",
        "IDS_LookingForUpdates");
    switch (page) {
    case 1:
        return { QCoreApplication::translate(
                     "TfrmUPManager",
                     "Update Manager ensures that your software is always up-to-date.",
                     "IDS_Page1a"),
                 QCoreApplication::translate(
                     "TfrmUPManager",
                     "Start Update Manager to detect and install all currently available updates.",
                     "IDS_Page1b"),
                 QCoreApplication::translate("TfrmUPManager", "Click \"Next >\" to start process.",
                                             "IDS_Page1c") };
    case 2:
    case 4:
        return { lookingForUpdates };
    case 3:
        return { QCoreApplication::translate(
                     "TfrmUPManager",
                     "Select the update you wish to install. We recommend to always install all "
                     "updates.",
                     "IDS_Page3a"),
                 QCoreApplication::translate("TfrmUPManager", "Details:", "IDS_Details") };
    case 6:
        return { QCoreApplication::translate(
                     "TfrmUPManager",
                     "Your software has been successfully updated. The following updates have "
                     "been installed:",
                     "IDS_Page6a"),
                 QCoreApplication::translate(
                     "TfrmUPManager", "Click \"Close\" to exit Update Manager.", "IDS_Page6b") };
    default:
        return {};
    }
}

QStringList stepTexts(int page)
{
    const QString connecting = QCoreApplication::translate(
        "TfrmUPManager", "Connecting to server ...", "IDS_StepConnect");
    const QString disconnecting
        = QCoreApplication::translate("TfrmUPManager", "Disconnecting ...", "IDS_StepDisconnect");
    switch (page) {
    case 2:
        return { connecting,
                 QCoreApplication::translate("TfrmUPManager", "Looking for available updates ...",
                                             "IDS_StepLooking"),
                 disconnecting };
    case 4:
        return { connecting,
                 QCoreApplication::translate("TfrmUPManager", "Transferring updates",
                                             "IDS_StepTransfer"),
                 disconnecting };
    case 5:
        return { QCoreApplication::translate("TfrmUPManager", "Installing updates", "IDS_Page5") };
    default:
        return {};
    }
}

QString labelOk1()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "Required data has been found. Click \"Next >\".", "IDS_LabelOK1");
}

QString labelOk2()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "Selected updates have been successfully installed. Click \"Next >\".",
        "IDS_LabelOK2");
}

QString labelFehler()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "Download not completed. Click \"Close\" to exit Update Manager.",
        "IDS_LabelFehler");
}

QString labelOk3()
{
    return labelOk2();
}

QString noHomeUrl()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "Cannot retrieve version information because no home URL was provided.",
        "IDS_NoHomeUrl");
}

QString connectionError(int status, const QString& reason)
{
    return QCoreApplication::translate("TfrmUPManager", "Connection error: ", "IDS_ConnectionError")
        + QString::number(status) + u' ' + reason;
}

QString lineError(const QString& kindWord)
{
    return QCoreApplication::translate("TfrmUPManager", "Error code: ", "IDS_ErrorCode") + kindWord
        + QStringLiteral(" xc882");
}

QString noUpdatesAvailable()
{
    return QCoreApplication::translate("TfrmUPManager", "No updates available!", "IDS_NoUpdates");
}
QString availableUpdates()
{
    return QCoreApplication::translate("TfrmUPManager", "Available updates",
                                       "IDS_AvailableUpdates");
}

QStringList fetchFailurePage(const QString& errorText)
{
    return { QCoreApplication::translate(
                 "TfrmUPManager",
                 "The update manager was unable to load the available update (error code: %1). "
                 "This problem is most likely only temporary (e.g. update server temporarily "
                 "offline, etc.).",
                 "IDS_FetchFailed")
                 .arg(errorText),
             QCoreApplication::translate(
                 "TfrmUPManager",
                 "Please try to download again later. If this error persists, please download the "
                 "update directly from our website (%1)!",
                 "IDS_FetchFailed2")
                 .arg(websiteAddress()),
             QCoreApplication::translate("TfrmUPManager", "Update manager is being terminated.",
                                         "IDS_Terminated") };
}

QString downloadCancelled(const QString& lastError)
{
    return QCoreApplication::translate("TfrmUPManager",
                                       "Process has been terminated (error code: %1).",
                                       "IDS_DownloadCancelled")
               .arg(lastError)
        + kCr + kCr
        + QCoreApplication::translate("TfrmUPManager", "Update manager is being terminated.",
                                      "IDS_Terminated");
}

QString downloadFailed(int code, const QString& lastError)
{
    return QCoreApplication::translate(
               "TfrmUPManager",
               "The update manager was unable to download the available updates (error code: %1, "
               "%2). This problem is most likely only temporary (e.g. update server temporarily "
               "offline, etc.).",
               "IDS_DownloadFailed")
               .arg(QString::number(code), lastError)
        + kCr + kCr
        + QCoreApplication::translate(
               "TfrmUPManager",
               "Please check your proxy settings and try again. If this error persists, please "
               "contact our technical support.",
               "IDS_DownloadFailed2")
        + kCr + kCr
        + QCoreApplication::translate("TfrmUPManager", "Update manager is being terminated.",
                                      "IDS_Terminated");
}

QString progressCaption()
{
    return QCoreApplication::translate("TfrmUPManager", "Progress", "IDS_Progress");
}
QString progressDownloading()
{
    return QCoreApplication::translate("TfrmUPManager", "New version is being downloaded",
                                       "IDS_Downloading");
}
QString progressCancel()
{
    return QCoreApplication::translate("TfrmUPManager", "Cancel", "IDS_ProgressCancel");
}

QString groupedNumber(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return value < 0 ? u'-' + digits : digits;
}

QString bytesReceived(qint64 received, qint64 total)
{
    return QCoreApplication::translate("TfrmUPManager", "%1 of %2 bytes received.",
                                       "IDS_BytesReceived")
        .arg(groupedNumber(received), groupedNumber(total));
}

QString setupStarting(const QString& setupPath)
{
    // The old text carried a stray "£" and sent the user to the Windows start menu.
    return QCoreApplication::translate(
               "TfrmUPManager",
               "Installation utility is being started. %1 is therefore being terminated. After "
               "successful installation of the new version, start program as usual via the "
               "applications menu of your desktop (%2)",
               "IDS_SetupStarting")
               .arg(productName(), productName().toUpper())
        + kCr + kCr
        + QCoreApplication::translate(
               "TfrmUPManager",
               "The installation utility of the new version has been saved in the following "
               "directory and can be started again at any time, if required: ",
               "IDS_SetupSaved")
        + kCr + kCr + setupPath;
}

QString setupCannotStart()
{
    return QCoreApplication::translate("TfrmUPManager", "Installation utility cannot be started!",
                                       "IDS_SetupCannotStart");
}

QString couldNotCloseDatabase()
{
    return QCoreApplication::translate("TfrmUPManager", "Could not close database!",
                                       "IDS_CannotClose");
}
QString couldNotOpenDatabase()
{
    return QCoreApplication::translate("TfrmUPManager", "Could not open database!",
                                       "IDS_CannotOpen");
}

QString databaseInstalled()
{
    return QCoreApplication::translate("TfrmUPManager",
                                       "The database update has been installed successfully.",
                                       "IDS_DatabaseInstalled");
}

QString databaseFailed(const QString& archivePath)
{
    return QCoreApplication::translate("TfrmUPManager",
                                       "Error during installation of the database update",
                                       "IDS_DatabaseFailed")
        + kCr
        + QCoreApplication::translate(
              "TfrmUPManager",
              "Please close %1 and copy the content of the %2 zip file to the DATA subfolder in "
              "the %3 folder.",
              "IDS_DatabaseFailed2")
              .arg(productName(), archivePath, productName());
}

namespace {

QString copyToProgramFolder(const QString& archivePath)
{
    return QCoreApplication::translate(
               "TfrmUPManager",
               "Please close %1 and copy the content of the %2 zip file to the %3 program folder.",
               "IDS_CopyToProgramFolder")
        .arg(productName(), archivePath, productName());
}

} // namespace

QString helpInstalled()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "The help file has been installed successfully.", "IDS_HelpInstalled");
}

QString helpFailed(const QString& archivePath)
{
    return QCoreApplication::translate(
               "TfrmUPManager", "Error during installation of the help update", "IDS_HelpFailed")
        + kCr + copyToProgramFolder(archivePath);
}

QString documentationInstalled()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "The documentation has been installed successfully.", "IDS_DocuInstalled");
}

QString documentationFailed(const QString& archivePath)
{
    return QCoreApplication::translate("TfrmUPManager",
                                       "Error during installation of the documentation update",
                                       "IDS_DocuFailed")
        + kCr + copyToProgramFolder(archivePath);
}

QString programInstalled()
{
    return QCoreApplication::translate(
               "TfrmUPManager",
               "Update of program files successfully completed. %1 is being restarted.",
               "IDS_ProgramInstalled")
        .arg(productName());
}

QStringList programFailedPage(const QString& archivePath)
{
    return { QCoreApplication::translate(
                 "TfrmUPManager",
                 "An internal error occurred during the decompressing of the files.",
                 "IDS_ProgramFailed"),
             copyToProgramFolder(archivePath),
             QCoreApplication::translate("TfrmUPManager", "Restart %1.", "IDS_Restart")
                 .arg(productName()) };
}

QString errorsOccurred()
{
    return QCoreApplication::translate(
        "TfrmUPManager", "Errors occurred. Please follow the instructions on the following pages.",
        "IDS_ErrorsOccurred");
}

QString errorCaption()
{
    return QCoreApplication::translate("TfrmUPManager", "Error", "IDS_ErrorCaption");
}

} // namespace UpdateTexts
