#pragma once

#include "EditorDialogs.h"

#include <QPointer>

class QWidget;

namespace richedit {

class FindReplaceDialog;

/// The editor's dialogs shown with Qt, over the given parent window.
class QtEditorDialogs final : public EditorDialogs {
public:
    explicit QtEditorDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    ~QtEditorDialogs() override;

    std::optional<QFont> fontForm(const QFont &current) override;
    std::optional<ParagraphSettings> paragraphForm(const ParagraphSettings &current, MeasurementUnit unit) override;
    std::optional<QSize> insertTableForm() override;
    std::optional<SymbolChoice> symbolForm(const QString &family) override;
    std::optional<HyperlinkSettings> hyperlinkForm(const HyperlinkSettings &current) override;
    void openLink(const QString &address) override;
    void showBookmarks(RichEditControl &control) override;
    std::optional<QString> pictureFile() override;
    void showFindReplace(RichEditControl &control, CommandSession &session, bool replace) override;
    std::optional<PageSetupSettings> pageSetupForm(const PageSetupSettings &current, MeasurementUnit unit,
                                                   PageSetupPage page) override;
    std::optional<ColumnsSettings> columnsForm(const ColumnsSettings &current, MeasurementUnit unit) override;
    std::optional<LineNumbering> lineNumberingForm(const LineNumbering &current, MeasurementUnit unit) override;
    std::optional<QString> newPasswordForm() override;
    std::optional<QString> passwordForm() override;
    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    bool printForm(RichEditControl &control) override;
    void printPreviewForm(RichEditControl &control) override;

    /// The caption of the print preview window (the program's print component names it).
    void setPrintPreviewCaption(const QString &caption) { m_previewCaption = caption; }

    // Styles and tables.
    std::optional<std::vector<Style>> editStyleForm(const StyleSheet &sheet, const QString &current) override;
    std::optional<QString> tableStyleForm(const QStringList &ids, const QString &current) override;
    std::optional<TableProperties> tablePropertiesForm(const TableProperties &current, MeasurementUnit unit) override;
    std::optional<CellShift> insertCellsForm() override;
    std::optional<CellShift> deleteCellsForm() override;
    std::optional<QSize> splitCellsForm(const QSize &initial) override;

private:
    QWidget *m_parent;
    QPointer<FindReplaceDialog> m_findReplace;
    QString m_previewCaption;
};

} // namespace richedit
