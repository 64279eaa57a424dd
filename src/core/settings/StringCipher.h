#pragma once

#include <QByteArray>
#include <QString>

// The cipher that keeps the proxy password in sd.ini and the lines of the update
// information file from being read at a glance: CAST-128 under a fixed program key in
// 8-bit cipher-feedback mode, then Base64. It hides, it does not protect: anyone with
// the program can decipher.
//
// Texts are enciphered as Windows-1252 bytes, so that stored values stay compatible with
// files written by earlier versions of the program. A text with a character that
// Windows-1252 has no form for cannot be enciphered faithfully; EncryptText then throws
// SdError instead of storing a "?" in its place (a password that silently changed would
// fail later with no hint why). Callers that store the result write an empty value.

// Throws SdError when plain holds a character outside Windows-1252.
QString EncryptText(const QString& plain);
// Throws SdError ("Base64: Incorrect string format") when stored is not Base64 whose
// length is a multiple of 4. The empty text gives the empty text.
QString DecryptText(const QString& stored);

// The same cipher on bytes: the result of EncryptBytes is Base64 text (ASCII).
QByteArray EncryptBytes(const QByteArray& plain);
// Throws SdError like DecryptText.
QByteArray DecryptBytes(const QByteArray& base64);
