#include "StyleEditor.h"
#include "TableDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

namespace richedit::dialogs {
namespace {

QString text(const char *english)
{
    return QCoreApplication::translate("richedit::StyleEditorDialog", english);
}

QString paragraphText(const char *english)
{
    return QCoreApplication::translate("richedit::ParagraphDialog", english);
}

constexpr qreal layoutPerPoint = qreal(layoutDpi) / 72;

/// The style editor: one style at a time, the edits of each kept until OK.
class StyleEditorDialog : public QDialog {
public:
    StyleEditorDialog(QWidget *parent, const StyleSheet &sheet, const QString &current) : QDialog(parent), m_sheet(sheet)
    {
        setWindowTitle(QCoreApplication::translate("EditorCommand", "Modify Style"));
        m_font = QFont(QStringLiteral("Times New Roman"), 12);
        for (QDoubleSpinBox *box : {m_size, m_left, m_right, m_first, m_before, m_after}) {
            box->setRange(box == m_first ? -1584 : 0, 1584);
            box->setSuffix(QStringLiteral(" pt"));
        }
        m_size->setRange(1, 1638);
        const std::pair<Qt::Alignment, const char *> alignments[] = {
            {Qt::AlignLeft, "Left"}, {Qt::AlignHCenter, "Centered"}, {Qt::AlignRight, "Right"}, {Qt::AlignJustify, "Justified"}};
        for (const auto &[value, name] : alignments)
            m_alignment->addItem(paragraphText(name), int(value));
        const std::pair<int, const char *> spacings[] = {{100, "Single"}, {150, "1.5 lines"}, {200, "Double"}};
        for (const auto &[value, name] : spacings)
            m_spacing->addItem(paragraphText(name), value);
        fillStyles(current);
        auto *newStyle = new QPushButton(text("New Style"), this);
        m_preview->setText(text("AaBbCc – the quick brown fox"));
        m_preview->setMinimumHeight(60);
        m_preview->setFrameShape(QFrame::Box);

        auto *form = new QFormLayout;
        form->addRow(text("Style:"), m_styles);
        form->addRow(QString(), newStyle);
        form->addRow(text("Name:"), m_name);
        form->addRow(text("Based on:"), m_basedOn);
        form->addRow(text("Style for following paragraph:"), m_next);
        form->addRow(text("Font:"), m_family);
        form->addRow(text("Size:"), m_size);
        auto *styleRow = new QHBoxLayout;
        styleRow->addWidget(m_bold);
        styleRow->addWidget(m_italic);
        styleRow->addWidget(m_underline);
        styleRow->addWidget(m_color);
        form->addRow(styleRow);
        form->addRow(paragraphText("Alignment:"), m_alignment);
        form->addRow(paragraphText("Left indent:"), m_left);
        form->addRow(paragraphText("Right indent:"), m_right);
        form->addRow(paragraphText("First line:"), m_first);
        form->addRow(paragraphText("Spacing before:"), m_before);
        form->addRow(paragraphText("Spacing after:"), m_after);
        form->addRow(paragraphText("Line spacing:"), m_spacing);
        form->addRow(m_preview);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto *layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addWidget(buttons);

        connect(m_styles, &QComboBox::currentIndexChanged, this, [this] {
            store();
            load(m_styles->currentData().toString());
        });
        connect(newStyle, &QPushButton::clicked, this, [this] {
            store();
            const Style *base = m_sheet.find(m_id);
            const StyleType type = base ? base->type : StyleType::Paragraph;
            Style added = styles::newStyle(m_sheet, type, base ? base->id : QString());
            m_sheet.add(added);
            m_changed[added.id] = added;
            fillStyles(added.id);
        });
        connect(m_color, &QPushButton::clicked, this, [this] {
            const QColor chosen = QColorDialog::getColor(m_colorValue.isValid() ? m_colorValue : QColor(Qt::black), this);
            if (chosen.isValid())
                m_colorValue = chosen;
            updatePreview();
        });
        for (QCheckBox *box : {m_bold, m_italic, m_underline})
            connect(box, &QCheckBox::toggled, this, &StyleEditorDialog::updatePreview);
        connect(m_family, &QFontComboBox::currentFontChanged, this, &StyleEditorDialog::updatePreview);
        connect(m_size, &QDoubleSpinBox::valueChanged, this, &StyleEditorDialog::updatePreview);
        load(m_styles->currentData().toString());
    }

    std::vector<Style> changed()
    {
        store();
        std::vector<Style> styles;
        for (const auto &[id, style] : m_changed)
            styles.push_back(style);
        return styles;
    }

private:
    void fillStyles(const QString &current)
    {
        const QSignalBlocker block(m_styles);
        m_styles->clear();
        for (const Style &style : m_sheet.styles())
            if (style.type != StyleType::Table)
                m_styles->addItem(style.name.isEmpty() ? style.id : style.name, style.id);
        m_styles->setCurrentIndex(std::max(0, m_styles->findData(current)));
        m_id.clear();
        load(m_styles->currentData().toString());
    }

    styles::StyleFields fields() const
    {
        styles::StyleFields f = m_shown;
        f.name = m_name->text();
        f.basedOn = m_basedOn->currentData().toString();
        f.next = m_next->currentData().toString();
        f.family = m_family->currentFont().family();
        f.size = m_size->value();
        f.bold = m_bold->isChecked();
        f.italic = m_italic->isChecked();
        f.underline = m_underline->isChecked();
        f.color = m_colorValue;
        f.alignment = Qt::Alignment(m_alignment->currentData().toInt());
        // Lengths the boxes show rounded count as unchanged while they still round the same.
        const auto length = [](const QDoubleSpinBox *box, qreal was) {
            return qFuzzyCompare(box->value() + 1, qRound(was / layoutPerPoint * 100) / 100.0 + 1) ? was
                                                                                                   : box->value() * layoutPerPoint;
        };
        f.leftIndent = length(m_left, m_shown.leftIndent);
        f.rightIndent = length(m_right, m_shown.rightIndent);
        f.firstLineIndent = length(m_first, m_shown.firstLineIndent);
        f.spaceBefore = length(m_before, m_shown.spaceBefore);
        f.spaceAfter = length(m_after, m_shown.spaceAfter);
        f.lineSpacingPercent = m_spacing->currentData().toInt();
        return f;
    }

    void store()
    {
        const Style *style = m_sheet.find(m_id);
        if (!style)
            return;
        const styles::StyleFields now = fields();
        if (now == m_shown)
            return;
        const Style edited = styles::withFields(*style, m_shown, now);
        m_sheet.add(edited);
        m_changed[edited.id] = edited;
    }

    void load(const QString &id)
    {
        const Style *style = m_sheet.find(id);
        if (!style)
            return;
        m_id = id;
        m_shown = styles::fieldsOf(m_sheet, *style, m_font);
        const bool paragraph = style->type == StyleType::Paragraph;
        m_name->setText(m_shown.name);
        for (QComboBox *box : {m_basedOn, m_next}) {
            box->clear();
            box->addItem(text("(none)"), QString());
        }
        for (const Style &other : m_sheet.styles()) {
            if (other.type != style->type || other.id == id)
                continue;
            m_basedOn->addItem(other.name.isEmpty() ? other.id : other.name, other.id);
            if (paragraph)
                m_next->addItem(other.name.isEmpty() ? other.id : other.name, other.id);
        }
        if (paragraph)
            m_next->addItem(m_shown.name, id);
        m_basedOn->setCurrentIndex(std::max(0, m_basedOn->findData(m_shown.basedOn)));
        m_next->setCurrentIndex(std::max(0, m_next->findData(m_shown.next)));
        m_family->setCurrentFont(QFont(m_shown.family));
        m_shown.family = m_family->currentFont().family();
        m_size->setValue(m_shown.size);
        m_bold->setChecked(m_shown.bold);
        m_italic->setChecked(m_shown.italic);
        m_underline->setChecked(m_shown.underline);
        m_colorValue = m_shown.color;
        m_alignment->setCurrentIndex(std::max(0, m_alignment->findData(int(m_shown.alignment))));
        m_left->setValue(m_shown.leftIndent / layoutPerPoint);
        m_right->setValue(m_shown.rightIndent / layoutPerPoint);
        m_first->setValue(m_shown.firstLineIndent / layoutPerPoint);
        m_before->setValue(m_shown.spaceBefore / layoutPerPoint);
        m_after->setValue(m_shown.spaceAfter / layoutPerPoint);
        if (m_spacing->findData(m_shown.lineSpacingPercent) < 0)
            m_spacing->addItem(QStringLiteral("%1 %").arg(m_shown.lineSpacingPercent), m_shown.lineSpacingPercent);
        m_spacing->setCurrentIndex(m_spacing->findData(m_shown.lineSpacingPercent));
        for (QWidget *w : std::initializer_list<QWidget *>{m_next, m_alignment, m_left, m_right, m_first, m_before,
                                                           m_after, m_spacing})
            w->setEnabled(paragraph);
        updatePreview();
    }

    void updatePreview()
    {
        QFont font = m_family->currentFont();
        font.setPointSizeF(m_size->value());
        font.setBold(m_bold->isChecked());
        font.setItalic(m_italic->isChecked());
        font.setUnderline(m_underline->isChecked());
        m_preview->setFont(font);
        QPalette palette = m_preview->palette();
        palette.setColor(QPalette::WindowText, m_colorValue.isValid() ? m_colorValue : QColor(Qt::black));
        m_preview->setPalette(palette);
        m_color->setText(text("Color..."));
    }

    StyleSheet m_sheet;
    std::map<QString, Style> m_changed;
    QString m_id;
    styles::StyleFields m_shown;
    QFont m_font;
    QColor m_colorValue;
    QComboBox *m_styles = new QComboBox(this);
    QLineEdit *m_name = new QLineEdit(this);
    QComboBox *m_basedOn = new QComboBox(this);
    QComboBox *m_next = new QComboBox(this);
    QFontComboBox *m_family = new QFontComboBox(this);
    QDoubleSpinBox *m_size = new QDoubleSpinBox(this);
    QCheckBox *m_bold = new QCheckBox(text("Bold"), this);
    QCheckBox *m_italic = new QCheckBox(text("Italic"), this);
    QCheckBox *m_underline = new QCheckBox(text("Underline"), this);
    QPushButton *m_color = new QPushButton(this);
    QComboBox *m_alignment = new QComboBox(this);
    QDoubleSpinBox *m_left = new QDoubleSpinBox(this);
    QDoubleSpinBox *m_right = new QDoubleSpinBox(this);
    QDoubleSpinBox *m_first = new QDoubleSpinBox(this);
    QDoubleSpinBox *m_before = new QDoubleSpinBox(this);
    QDoubleSpinBox *m_after = new QDoubleSpinBox(this);
    QComboBox *m_spacing = new QComboBox(this);
    QLabel *m_preview = new QLabel(this);
};

} // namespace

std::optional<std::vector<Style>> editStyleForm(QWidget *parent, const StyleSheet &sheet, const QString &current)
{
    StyleEditorDialog dialog(parent, sheet, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.changed();
}

} // namespace richedit::dialogs
