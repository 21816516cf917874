#pragma once

#include "EditorDialogs.h"

class QWidget;

namespace richedit::dialogs {

// The table dialogs and the style editor, shown with Qt; each answers nothing when cancelled.

std::optional<CellShift> cellShiftForm(QWidget *parent, bool insert);
std::optional<QSize> splitCellsForm(QWidget *parent, const QSize &initial);
std::optional<QString> tableStyleForm(QWidget *parent, const QStringList &ids, const QString &current);
std::optional<TableProperties> tablePropertiesForm(QWidget *parent, const TableProperties &current,
                                                   MeasurementUnit unit);
std::optional<std::vector<Style>> editStyleForm(QWidget *parent, const StyleSheet &sheet, const QString &current);

} // namespace richedit::dialogs
