#pragma once

#include <QString>
#include <QStringList>

// Inserting the meta tags of a source file (a meta tag file, or an HTML page whose
// meta tags are read and generated again) into the HEAD section of an HTML file.
// Questions and errors go through Platform::messages(); file errors raise SdError.
namespace MetaTagInsertion {

// True when every line contains "<META NAME" (in any case); an empty list is one.
bool isMetaTagFile(const QStringList& lines);

// The drop of source onto target: refuses identical paths, asks "Insert meta tags from
// file ... into ...?" and inserts on Yes. True when the target was written.
bool confirmAndInsert(const QString& sourcePath, const QString& targetPath);

// Inserts the meta tags of sourcePath right after the first "<HEAD>" of targetPath,
// last line first. The target keeps its encoding and every byte outside the inserted
// lines; it is replaced atomically. True when the target was written.
bool insertMetaTags(const QString& sourcePath, const QString& targetPath);

} // namespace MetaTagInsertion
