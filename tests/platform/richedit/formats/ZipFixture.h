#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace richedit::test {

/// A zip archive made in memory from (name, content) pairs; `store` leaves entries uncompressed.
QByteArray makeZip(const std::vector<std::pair<QString, QByteArray>> &entries, bool store = false);

/// The smallest .docx around a body's XML (the inside of <w:body>), with optional extra parts
/// and relationships of the main part.
QByteArray makeDocx(const QByteArray &bodyXml, const std::vector<std::pair<QString, QByteArray>> &extraParts = {},
                    const QByteArray &extraRelationships = {});

} // namespace richedit::test
