#pragma once

#include <QDialog>

#include <span>

class QComboBox;
class QFontComboBox;
class QTableWidget;

namespace richedit {

/// A range of Unicode characters offered by the symbol dialog.
struct UnicodeBlock {
    const char *name;
    char32_t first;
    char32_t last;
};

/// The blocks the symbol dialog offers, in its list's order.
std::span<const UnicodeBlock> symbolBlocks();

/// The symbol dialog: a character map of one font and one Unicode block. A double click or
/// Insert chooses the character.
class SymbolDialog : public QDialog {
    Q_OBJECT
public:
    SymbolDialog(const QString &family, QWidget *parent = nullptr);

    QString symbol() const;
    QString family() const;

private:
    void fill();

    QFontComboBox *m_font;
    QComboBox *m_block;
    QTableWidget *m_grid;
};

} // namespace richedit
