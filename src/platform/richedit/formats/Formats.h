#pragma once

#include "DocumentFormat.h"
#include "FormatIO.h"

#include <memory>
#include <vector>

namespace richedit {

/// One row of the format table: how a format is named, recognised, read and written.
struct FormatInfo {
    DocumentFormat format;
    QString filterName;     // "Word Document"
    QStringList extensions; // without dots, the first one is written by Save As
    Reader reader;          // null while the engine cannot read the format
    Writer writer;          // null while the engine cannot write the format
};

const std::vector<FormatInfo> &allFormats();
const FormatInfo &formatInfo(DocumentFormat format);

/// The format whose extension (without dot, any letter case) matches, else Undefined.
DocumentFormat formatForExtension(const QString &extension);
/// The format a file name's extension names, else Undefined.
DocumentFormat formatForFileName(const QString &fileName);
/// "Word Document (*.docx)"
QString fileFilter(const FormatInfo &info);

/// Reads a file into a new document. Throws `richedit::Error` naming the file.
std::unique_ptr<Document> readDocument(const QString &path, DocumentFormat format, ReadReport *report = nullptr);
/// Reads bytes into a new document; `sourceName` names them in error messages.
std::unique_ptr<Document> readDocument(const QByteArray &data, DocumentFormat format, const QString &sourceName,
                                       ReadReport *report = nullptr);

/// Writes to `out`. Throws `richedit::Error` when the format cannot be written.
void writeDocument(const Document &document, QIODevice &out, DocumentFormat format);
/// Writes to a temporary file beside `path` and renames it over `path`, so a failed save
/// leaves the previous file as it was. Throws `richedit::Error` naming the file.
void writeDocument(const Document &document, const QString &path, DocumentFormat format);

} // namespace richedit
