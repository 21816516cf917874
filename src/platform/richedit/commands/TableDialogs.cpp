#include "TableDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace richedit::dialogs {
namespace {

QString text(const char *english)
{
    return QCoreApplication::translate("richedit::TableDialogs", english);
}

QString commandCaption(const char *english)
{
    return QCoreApplication::translate("EditorCommand", english);
}

QString paragraphText(const char *english)
{
    return QCoreApplication::translate("richedit::ParagraphDialog", english);
}

/// A dialog with a form and OK/Cancel; true when accepted.
bool run(QDialog &dialog, QLayout *content)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(content);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

/// A length box in centimetres, inches or millimetres over a value in layout units.
QDoubleSpinBox *lengthBox(QWidget *parent, qreal layoutUnits, MeasurementUnit unit)
{
    const MeasurementUnit shown = unit == MeasurementUnit::Document ? MeasurementUnit::Centimeter : unit;
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(0, toUnit(layoutToTwips(22 * layoutDpi), shown));
    box->setDecimals(shown == MeasurementUnit::Millimeter || shown == MeasurementUnit::Point ? 1 : 2);
    box->setSuffix(shown == MeasurementUnit::Inch         ? QStringLiteral(" in")
                   : shown == MeasurementUnit::Millimeter ? QStringLiteral(" mm")
                   : shown == MeasurementUnit::Point      ? QStringLiteral(" pt")
                                                          : QStringLiteral(" cm"));
    box->setValue(toUnit(layoutToTwips(layoutUnits), shown));
    box->setProperty("unit", int(shown));
    return box;
}

qreal layoutValue(const QDoubleSpinBox *box)
{
    return twipsToLayout(fromUnit(box->value(), MeasurementUnit(box->property("unit").toInt())));
}

/// A button that shows and picks a colour; an invalid colour is "none".
QPushButton *colorButton(QWidget *parent, const QColor &initial)
{
    auto *button = new QPushButton(parent);
    const auto show = [button](const QColor &color) {
        button->setProperty("color", color);
        button->setText(color.isValid() ? color.name() : text("None"));
    };
    show(initial);
    QObject::connect(button, &QPushButton::clicked, button, [button, show] {
        const QColor chosen = QColorDialog::getColor(button->property("color").value<QColor>(), button);
        if (chosen.isValid())
            show(chosen);
    });
    return button;
}

} // namespace

std::optional<CellShift> cellShiftForm(QWidget *parent, bool insert)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(commandCaption(insert ? "Insert Cells" : "Delete Cells..."));
    const std::pair<CellShift, const char *> choices[] = {
        {CellShift::Horizontally, insert ? QT_TRANSLATE_NOOP("richedit::TableDialogs", "Shift cells right")
                                         : QT_TRANSLATE_NOOP("richedit::TableDialogs", "Shift cells left")},
        {CellShift::Vertically, insert ? QT_TRANSLATE_NOOP("richedit::TableDialogs", "Shift cells down")
                                       : QT_TRANSLATE_NOOP("richedit::TableDialogs", "Shift cells up")},
        {CellShift::WholeRow, QT_TRANSLATE_NOOP("richedit::TableDialogs", "Entire row")},
        {CellShift::WholeColumn, QT_TRANSLATE_NOOP("richedit::TableDialogs", "Entire column")},
    };
    auto *layout = new QVBoxLayout;
    std::vector<std::pair<QRadioButton *, CellShift>> buttons;
    for (const auto &[shift, name] : choices) {
        auto *button = new QRadioButton(text(name), &dialog);
        button->setChecked(buttons.empty());
        layout->addWidget(button);
        buttons.emplace_back(button, shift);
    }
    if (!run(dialog, layout))
        return std::nullopt;
    for (const auto &[button, shift] : buttons)
        if (button->isChecked())
            return shift;
    return std::nullopt;
}

std::optional<QSize> splitCellsForm(QWidget *parent, const QSize &initial)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(commandCaption("Split Cells"));
    auto *columns = new QSpinBox(&dialog);
    auto *rows = new QSpinBox(&dialog);
    columns->setRange(1, 63);
    rows->setRange(1, 200);
    columns->setValue(initial.width());
    rows->setValue(initial.height());
    auto *form = new QFormLayout;
    form->addRow(QCoreApplication::translate("richedit::QtEditorDialogs", "Number of columns:"), columns);
    form->addRow(QCoreApplication::translate("richedit::QtEditorDialogs", "Number of rows:"), rows);
    if (!run(dialog, form))
        return std::nullopt;
    return QSize(columns->value(), rows->value());
}

std::optional<QString> tableStyleForm(QWidget *parent, const QStringList &ids, const QString &current)
{
    static const std::pair<const char *, const char *> names[] = {
        {"TableGrid", QT_TRANSLATE_NOOP("richedit::TableDialogs", "Table Grid")},
        {"PlainTable", QT_TRANSLATE_NOOP("richedit::TableDialogs", "Plain Table")},
        {"LightShading", QT_TRANSLATE_NOOP("richedit::TableDialogs", "Light Shading")},
        {"LightList", QT_TRANSLATE_NOOP("richedit::TableDialogs", "Header Row")},
        {"MediumShading1", QT_TRANSLATE_NOOP("richedit::TableDialogs", "Banded Rows")},
    };
    QDialog dialog(parent);
    dialog.setWindowTitle(commandCaption("Table Styles"));
    auto *list = new QComboBox(&dialog);
    for (const QString &id : ids) {
        QString shown = id;
        for (const auto &[known, name] : names)
            if (id == QLatin1String(known))
                shown = text(name);
        list->addItem(shown, id);
    }
    list->setCurrentIndex(std::max(0, list->findData(current)));
    auto *form = new QFormLayout;
    form->addRow(list);
    if (!run(dialog, form))
        return std::nullopt;
    return list->currentData().toString();
}

std::optional<TableProperties> tablePropertiesForm(QWidget *parent, const TableProperties &current,
                                                   MeasurementUnit unit)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(commandCaption("Properties"));
    auto *width = new QSpinBox(&dialog);
    width->setRange(0, 100);
    width->setSuffix(QStringLiteral(" %"));
    width->setSpecialValueText(text("Automatic"));
    width->setValue(current.width.type() == QTextLength::PercentageLength ? qRound(current.width.rawValue()) : 0);
    auto *alignment = new QComboBox(&dialog);
    const std::pair<Qt::Alignment, const char *> alignments[] = {
        {Qt::AlignLeft, "Left"}, {Qt::AlignHCenter, "Centered"}, {Qt::AlignRight, "Right"}};
    for (const auto &[value, name] : alignments) {
        alignment->addItem(paragraphText(name), int(value));
        if (value == current.alignment)
            alignment->setCurrentIndex(alignment->count() - 1);
    }
    QDoubleSpinBox *column = lengthBox(&dialog, current.columnWidth, unit);
    column->setSpecialValueText(text("Automatic"));
    auto *vertical = new QComboBox(&dialog);
    const std::pair<QTextCharFormat::VerticalAlignment, const char *> verticals[] = {
        {QTextCharFormat::AlignTop, QT_TRANSLATE_NOOP("richedit::TableDialogs", "Top")},
        {QTextCharFormat::AlignMiddle, QT_TRANSLATE_NOOP("richedit::TableDialogs", "Center")},
        {QTextCharFormat::AlignBottom, QT_TRANSLATE_NOOP("richedit::TableDialogs", "Bottom")}};
    for (const auto &[value, name] : verticals) {
        vertical->addItem(text(name), int(value));
        if (value == current.cellAlignment)
            vertical->setCurrentIndex(vertical->count() - 1);
    }
    QDoubleSpinBox *top = lengthBox(&dialog, current.marginTop, unit);
    QDoubleSpinBox *bottom = lengthBox(&dialog, current.marginBottom, unit);
    QDoubleSpinBox *left = lengthBox(&dialog, current.marginLeft, unit);
    QDoubleSpinBox *right = lengthBox(&dialog, current.marginRight, unit);
    auto *borders = new QCheckBox(text("Borders"), &dialog);
    borders->setChecked(current.borders);
    auto *borderWidth = new QDoubleSpinBox(&dialog);
    borderWidth->setRange(0.25, 6);
    borderWidth->setSingleStep(0.25);
    borderWidth->setSuffix(QStringLiteral(" pt"));
    borderWidth->setValue(current.borderWidth);
    QPushButton *borderColor = colorButton(&dialog, current.borderColor);
    auto *shaded = new QCheckBox(text("Shading"), &dialog);
    shaded->setChecked(current.shading.isValid());
    QPushButton *shading = colorButton(&dialog, current.shading.isValid() ? current.shading : QColor(Qt::lightGray));

    auto *form = new QFormLayout;
    form->addRow(text("Preferred width:"), width);
    form->addRow(paragraphText("Alignment:"), alignment);
    form->addRow(text("Column width:"), column);
    form->addRow(text("Vertical alignment:"), vertical);
    form->addRow(text("Top margin:"), top);
    form->addRow(text("Bottom margin:"), bottom);
    form->addRow(text("Left margin:"), left);
    form->addRow(text("Right margin:"), right);
    form->addRow(borders);
    form->addRow(text("Border width:"), borderWidth);
    form->addRow(text("Border color:"), borderColor);
    form->addRow(shaded, shading);
    if (!run(dialog, form))
        return std::nullopt;
    TableProperties p = current;
    p.width = width->value() > 0 ? QTextLength(QTextLength::PercentageLength, width->value())
              : current.width.type() == QTextLength::PercentageLength ? QTextLength()
                                                                      : current.width;
    p.alignment = Qt::Alignment(alignment->currentData().toInt());
    p.columnWidth = layoutValue(column);
    p.cellAlignment = QTextCharFormat::VerticalAlignment(vertical->currentData().toInt());
    p.marginTop = layoutValue(top);
    p.marginBottom = layoutValue(bottom);
    p.marginLeft = layoutValue(left);
    p.marginRight = layoutValue(right);
    p.borders = borders->isChecked();
    p.borderWidth = borderWidth->value();
    p.borderColor = borderColor->property("color").value<QColor>();
    p.shading = shaded->isChecked() ? shading->property("color").value<QColor>() : QColor();
    return p;
}

} // namespace richedit::dialogs
