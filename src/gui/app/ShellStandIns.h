#pragma once

// Minimal stand-ins for the hint dialog and the tip of the day, used only until the real
// classes are in the tree. Same names and calls as the real ones.

#include "core/settings/TRegistryEintraege.h"

#include <QList>
#include <QString>

class QWidget;

class TfrmDetailErklaerung
{
public:
    static void showHint(int kind, TRegistryEintraege&, QWidget*) { s_shown.append(kind); }
    static inline QList<int> s_shown;
};

class TfrmTippDesTages
{
public:
    static bool isOpen() { return false; }
    static void showModal(TRegistryEintraege&, const QString&, int, QWidget*) { ++s_shown; }
    static inline int s_shown = 0;
};
