#pragma once

#include <QString>

// Every message box of the program goes through this interface, so that core code never
// touches a widget and tests can answer questions and read the exact texts shown.
// Texts may join their parts with carriage returns ("\r"); a viewer shows them as line
// breaks.
class Messages
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Result { Ok, Cancel, Yes, No };

    virtual ~Messages() = default;

    virtual Result show(Kind kind, const QString& text, Buttons buttons) = 0;

    void error(const QString& text) { show(Kind::Error, text, Buttons::Ok); }
    void warning(const QString& text) { show(Kind::Warning, text, Buttons::Ok); }
    void information(const QString& text) { show(Kind::Information, text, Buttons::Ok); }
    Result confirm(const QString& text, Buttons buttons = Buttons::YesNo)
    {
        return show(Kind::Confirmation, text, buttons);
    }
};

// Used where no interface has been installed yet (command-line tools, very early
// start-up): writes the text to standard error and answers with the first button.
class StderrMessages final : public Messages
{
public:
    Result show(Kind kind, const QString& text, Buttons buttons) override;
};
