#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Splitting a text from the clipboard into the fifteen directory keywords.
namespace KeywordSplit {

inline constexpr int kKeywordCount = 15;
inline constexpr int kClipboardLimit = 1024;

// The fifteen keywords of text split at separator (empty strings where fewer were
// found). An empty text shows "Clipboard contains no text" and gives fifteen empty
// strings; an empty separator puts the whole text into the first keyword.
QStringList SplitKeywords(const QString& text, const QString& separator);

// The text the separator dialog works on, from what the clipboard holds, with the
// information messages of the clipboard command; nullopt when the command stops.
std::optional<QString> clipboardWorkingText(bool clipboardHasText, const QString& clipboardText);

} // namespace KeywordSplit
