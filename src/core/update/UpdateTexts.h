#pragma once

#include <QString>
#include <QStringList>

// The texts of the update manager, in the active language, looked up when asked for (so
// a window that binds to them re-texts itself by asking again). Placeholders are filled
// by the functions that take arguments. Parts of a composed message are joined with "\r".
namespace UpdateTexts {

// The product name used in messages; not translated.
QString productName();
// Where users are sent when updating fails.
QString supportAddress();
QString websiteAddress();

// "Internal error: <code>  - Please contact our support team at <address>!"
QString internalError(const QString& code);

// Wizard frame and pages.
QString windowTitle(); // "Update Manager"
QString pageHeading(); // "FTP access"
QString nextButton(); // "&Next >"
QString exitButton(); // "&Exit"
QString cancelButton(); // "&Cancel"
QString descriptionLine(); // for the main window's description line
QString closeQuestion();
// Title and text lines of a page 1 to 7 (the page's own controls come on top).
QString pageTitle(int page);
QStringList pageLines(int page);
// The three steps of page 2 or 4, and page 5's single step.
QStringList stepTexts(int page);
QString labelOk1();
QString labelOk2();
QString labelFehler();
QString labelOk3();

// The information stage.
QString noHomeUrl();
QString connectionError(int status, const QString& reason);
QString lineError(const QString& kindWord);
QString noUpdatesAvailable();
QString availableUpdates();
QStringList fetchFailurePage(const QString& errorText);

// The download stage.
QString downloadCancelled(const QString& lastError);
QString downloadFailed(int code, const QString& lastError);
QString progressCaption();
QString progressDownloading();
QString progressCancel();
QString bytesReceived(qint64 received, qint64 total);
// 1234567 -> "1,234,567", whatever the language.
QString groupedNumber(qint64 value);

// The installation.
QString setupStarting(const QString& setupPath);
QString setupCannotStart();
QString couldNotCloseDatabase();
QString couldNotOpenDatabase();
QString databaseInstalled();
QString databaseFailed(const QString& archivePath);
QString helpInstalled();
QString helpFailed(const QString& archivePath);
QString documentationInstalled();
QString documentationFailed(const QString& archivePath);
QString programInstalled();
QStringList programFailedPage(const QString& archivePath);
QString errorsOccurred();
QString errorCaption();

} // namespace UpdateTexts
