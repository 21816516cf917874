#pragma once

#include "platform/richedit/model/Section.h"

#include <QByteArray>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <functional>
#include <vector>

namespace richedit::doc {

/// One property modifier of a group: its opcode and operand bytes.
struct Sprm {
    quint16 code = 0;
    QByteArray operand;
};

/// Splits a group of property modifiers; a modifier cut short ends the group.
std::vector<Sprm> parseSprms(const QByteArray &grpprl);

/// One cell of a table row as the row's table definition gives it.
struct TableCellDef {
    int left = 0; // twips
    int right = 0;
    bool mergedWithLeft = false;  // an old-style horizontal merge continues here
    bool mergedWithAbove = false; // a vertical merge continues here
};

/// Paragraph properties beyond what a block format holds: table membership and list.
struct ParagraphProps {
    QTextBlockFormat format;
    int istd = 0;
    bool inTable = false;
    bool rowEnd = false;   // the paragraph is a table row's end mark
    int depth = 0;         // table nesting level, 0 outside tables
    bool innerCell = false; // the mark ends a cell of a nested table
    bool innerRowEnd = false;
    int listId = 0; // ilfo, 0 for none
    int listLevel = 0;
    std::vector<TableCellDef> cells; // of the row, from the row-end mark's table definition
};

/// Character formatting modifiers. `base` is what the style gives (toggles 0x80 and 0x81 read it).
void applyCharacterSprm(QTextCharFormat &format, const Sprm &sprm, const QTextCharFormat &base,
                        const QStringList &fonts);
/// The character style a group selects (sprmCIstd), or -1.
int characterStyleOf(const std::vector<Sprm> &sprms);
void applyParagraphSprm(ParagraphProps &props, const Sprm &sprm);
void applySectionSprm(Section &section, const Sprm &sprm);

/// The section properties a Word 97 section starts from before its modifiers.
Section defaultWordSection();

} // namespace richedit::doc
