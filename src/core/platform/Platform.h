#pragma once

class Messages;
class FileDialogs;
class WaitIndicator;

// Process-wide access to the user-facing interfaces. The executable installs the GUI
// implementations at start-up; tests install scripted ones. Installing does not take
// ownership. Before anything is installed, messages() writes to standard error and the
// other two behave as if the user cancelled.
namespace Platform {
Messages& messages();
FileDialogs& fileDialogs();
WaitIndicator& waitIndicator();

void setMessages(Messages* messages);
void setFileDialogs(FileDialogs* dialogs);
void setWaitIndicator(WaitIndicator* indicator);
} // namespace Platform
