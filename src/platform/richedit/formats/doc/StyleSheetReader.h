#pragma once

#include "Sprms.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace richedit::doc {

/// One style of the file's style sheet, as stored: its kind, links and property groups.
struct WordStyle {
    QString name;
    int kind = 1; // 1 paragraph, 2 character, 3 table, 4 numbering
    int basedOn = 0xFFF;
    int next = 0xFFF;
    std::vector<Sprm> paragraphSprms;
    std::vector<Sprm> characterSprms;
};

struct WordStyleSheet {
    std::vector<std::optional<WordStyle>> styles; // by istd; empty slots stay empty
    int defaultFont = 0; // index into the font table of the text's default font
};

/// Parses the style sheet (STSH); a damaged entry is left empty rather than failing the file.
WordStyleSheet parseStyleSheet(const QByteArray &stsh);

/// The font names of the font table (SttbfFfn), by index.
QStringList parseFontTable(const QByteArray &sttbfFfn);

} // namespace richedit::doc
