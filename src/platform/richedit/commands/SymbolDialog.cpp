#include "SymbolDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace richedit {
namespace {

constexpr int gridColumns = 16;

constexpr UnicodeBlock blocks[] = {
    {"Basic Latin", 0x20, 0x7e},
    {"Latin-1 Supplement", 0xa0, 0xff},
    {"Latin Extended-A", 0x100, 0x17f},
    {"Latin Extended-B", 0x180, 0x24f},
    {"Greek and Coptic", 0x370, 0x3ff},
    {"Cyrillic", 0x400, 0x4ff},
    {"General Punctuation", 0x2010, 0x205e},
    {"Currency Symbols", 0x20a0, 0x20c0},
    {"Letterlike Symbols", 0x2100, 0x214f},
    {"Number Forms", 0x2150, 0x218b},
    {"Arrows", 0x2190, 0x21ff},
    {"Mathematical Operators", 0x2200, 0x22ff},
    {"Miscellaneous Technical", 0x2300, 0x23ff},
    {"Box Drawing", 0x2500, 0x257f},
    {"Geometric Shapes", 0x25a0, 0x25ff},
    {"Miscellaneous Symbols", 0x2600, 0x26ff},
    {"Dingbats", 0x2700, 0x27bf},
};

} // namespace

std::span<const UnicodeBlock> symbolBlocks()
{
    return blocks;
}

SymbolDialog::SymbolDialog(const QString &family, QWidget *parent)
    : QDialog(parent), m_font(new QFontComboBox(this)), m_block(new QComboBox(this)),
      m_grid(new QTableWidget(this))
{
    setObjectName(QStringLiteral("SymbolDialog"));
    setWindowTitle(tr("Symbol"));
    m_font->setCurrentFont(QFont(family));
    for (const UnicodeBlock &block : blocks)
        m_block->addItem(tr(block.name));
    m_grid->setColumnCount(gridColumns);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(30);
    m_grid->verticalHeader()->setDefaultSectionSize(30);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setMinimumSize(gridColumns * 30 + 24, 8 * 30);

    auto *form = new QFormLayout;
    form->addRow(tr("Font:"), m_font);
    form->addRow(tr("Subset:"), m_block);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *insert = buttons->addButton(tr("Insert"), QDialogButtonBox::AcceptRole);
    insert->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!symbol().isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(m_font, &QFontComboBox::currentFontChanged, this, &SymbolDialog::fill);
    connect(m_block, &QComboBox::currentIndexChanged, this, &SymbolDialog::fill);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_grid);
    layout->addWidget(buttons);
    fill();
}

void SymbolDialog::fill()
{
    const UnicodeBlock &block = blocks[std::max(0, m_block->currentIndex())];
    const QFont font(m_font->currentFont().family(), 14);
    const QFontMetrics metrics(font);
    QStringList symbols;
    for (char32_t code = block.first; code <= block.last; ++code) {
        // Only characters the font draws itself, so that what is picked is what is shown.
        if (QChar::isPrint(code) && metrics.inFontUcs4(code))
            symbols << QString::fromUcs4(&code, 1);
    }
    m_grid->clear();
    m_grid->setRowCount(int((symbols.size() + gridColumns - 1) / gridColumns));
    for (int i = 0; i < symbols.size(); ++i) {
        auto *cell = new QTableWidgetItem(symbols.at(i));
        cell->setFont(font);
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setToolTip(QStringLiteral("U+%1").arg(uint(symbols.at(i).toUcs4().value(0)), 4, 16, QLatin1Char('0')).toUpper());
        m_grid->setItem(i / gridColumns, i % gridColumns, cell);
    }
}

QString SymbolDialog::symbol() const
{
    const QTableWidgetItem *cell = m_grid->currentItem();
    return cell ? cell->text() : QString();
}

QString SymbolDialog::family() const
{
    return m_font->currentFont().family();
}

} // namespace richedit
