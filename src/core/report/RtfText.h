#pragma once

#include <QString>
#include <QStringView>

// Plain text made safe for the body of a Rich Text document.
namespace RtfText {

enum class CodePage { Windows1252, Other };

// The code page a document declares with \ansicpg (Windows-1252 only when it says so).
CodePage declaredCodePage(QStringView document);

// Returns 7-bit text that a Rich Text reader shows as text: "\", "{" and "}" are
// escaped, a tab becomes \tab, a line break (CR, LF or CR LF) \line, other control
// characters and the ASCII characters of alsoHex become \'hh; other characters beyond ASCII
// become \'hh when the document's code page has them and \uN? otherwise (one per UTF-16
// unit, as Rich Text writes characters outside the basic plane).
QString escape(QStringView text, CodePage codePage, QStringView alsoHex = {});

} // namespace RtfText
