#pragma once

#include "core/platform/Messages.h"

// Message boxes over the active window, with the program's caption and button texts in
// the active language.
class GuiMessages final : public Messages
{
public:
    Result show(Kind kind, const QString& text, Buttons buttons) override;

    // The caption of every message box ("Sendora!").
    static QString caption();
};
