#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit text of the original Windows program's files (project text and record
// forms, meta tag files, the export file, cipher input) is Windows-1252.
namespace Windows1252 {

// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no assigned character; like Windows they
// map to the C1 control characters of the same value, so every byte string survives a
// round trip.
QString decode(const QByteArray& bytes);

// Characters without a Windows-1252 form become "?". When ok is given it is set to
// false if that happened.
QByteArray encode(const QString& text, bool* ok = nullptr);

// True when every character of text has a Windows-1252 form.
bool canEncode(const QString& text);

// Text files the program reads for itself: UTF-8 (with or without BOM) when the bytes
// are valid UTF-8, else Windows-1252.
QString decodeUtf8OrWindows1252(const QByteArray& bytes);

} // namespace Windows1252
