#pragma once

#include <QString>

// The hint kinds 1 to 15: the situations a modal note explains when the user first meets
// them. The switch of each kind lives in the settings (TRegistryEintraege::hint/setHint).
struct THinweis
{
    enum Group { Hint = 0, Tip = 1, Warning = 2 };
    QString title;       // in the active language
    QString explanation; // in the active language; "\n" separates lines
    int helpTopic = 0;
    int group = Hint;
};

namespace HintTable {
inline constexpr int kFirstKind = 1;
inline constexpr int kLastKind = 15;

bool isKind(int kind);
// The record of a kind; for a kind outside the table an empty record (topic 0).
THinweis hint(int kind);
} // namespace HintTable
