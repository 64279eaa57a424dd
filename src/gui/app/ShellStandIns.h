#pragma once

// A minimal stand-in for the tip of the day, used only until the real
// classes are in the tree. Same names and calls as the real ones.

#include "core/settings/TRegistryEintraege.h"

#include <QList>
#include <QString>

class QWidget;

class TfrmTippDesTages
{
public:
    static bool isOpen() { return false; }
    static void showModal(TRegistryEintraege&, const QString&, int, QWidget*) { ++s_shown; }
    static inline int s_shown = 0;
};
