#pragma once

#include "platform/richedit/formats/DocumentFormat.h"
#include "platform/richedit/model/Document.h"
#include "platform/richedit/model/Units.h"
#include "ViewMode.h"

#include <QGraphicsView>
#include <QTextCursor>

#include <memory>

namespace ui {
class Dialogs;
}

namespace richedit {

class ContinuousLayout;
class PageGeometry;
class StandardPageLayout;
class StoryTextItem;

/// The rich text editor: shows the document in the print-layout view (pages on a grey
/// background, zoomable) and edits it with the keyboard and the mouse. It also owns the
/// document's file state (current file name and format, modified flag) and carries out
/// the document commands New, Open, Save and Save As with its own file dialogs.
class RichEditControl : public QGraphicsView {
    Q_OBJECT
public:
    explicit RichEditControl(ui::Dialogs &dialogs, QWidget *parent = nullptr);
    ~RichEditControl() override;

    Document &document() { return *m_document; }
    const Document &document() const { return *m_document; }
    QTextDocument *mainStory() { return m_document->mainStory(); }

    /// Replaces the document by the file's content. On failure throws `richedit::Error` and
    /// keeps the open document. Afterwards the file is the current file and nothing is modified.
    void LoadDocument(const QString &path, DocumentFormat format);
    /// Saves to a file (safely: the old file stays until the new one is complete) and makes
    /// it the current file, in that format, not modified.
    void SaveDocument(const QString &path, DocumentFormat format);
    /// Writes the document to a stream; the file state does not change.
    void SaveDocument(QIODevice &out, DocumentFormat format) const;

    QString CurrentFileName() const { return m_currentFileName; }
    DocumentFormat currentFormat() const { return m_currentFormat; }
    /// The format New documents and Save As start with: .docx once it can be written.
    static DocumentFormat defaultSaveFormat();

    bool DocumentModelModified() const;
    void SetDocumentModelModified(bool modified);

    richedit::MeasurementUnit MeasurementUnit() const { return m_unit; }
    void SetMeasurementUnit(richedit::MeasurementUnit unit);

    qreal zoomFactor() const { return m_zoom; }
    void setZoomFactor(qreal zoom);

    /// The caret and selection of the story being edited (the main text, or the header or
    /// footer open for editing). Setting a cursor of the main story closes the header or footer.
    QTextCursor textCursor() const;
    void setTextCursor(const QTextCursor &cursor);
    bool overwriteMode() const;

    /// The story that holds the caret: the main story or the header or footer being edited.
    QTextDocument *activeStory();
    bool IsSelectionInHeaderOrFooter() const { return m_hfItem != nullptr; }
    bool IsSelectionInTable() const;
    /// The page that holds the caret (in the main text) or the header or footer being edited.
    int currentPage() const;

    /// Opens the page's header (or footer) for editing, the body dimmed; the story is created
    /// empty in the page's section when the section shows none.
    void editHeaderFooter(int page, bool header);
    /// Returns from the header or footer to the main text.
    void closeHeaderFooter();
    /// Which header or footer is open: its page, whether it is the header, the page's section
    /// and the kind that page shows. Meaningful only while one is open.
    int headerFooterPage() const { return m_hfPage; }
    bool editingHeader() const { return m_hfHeader; }
    int headerFooterSection() const;
    HeaderFooterKind headerFooterKind() const;
    /// Shows again what the open header or footer's page shows after its section's header and
    /// footer settings changed.
    void refreshHeaderFooter();

    /// Pages of the main story as the view lays them out.
    const PageGeometry &pageGeometry() const;
    /// Re-applies the page setup of the sections to the view (after a page setup change).
    void updatePageSetup();

    /// How the story is shown: pages, a draft sheet or the window's width. Text, caret and
    /// undo history stay as they are.
    ViewMode viewMode() const { return m_viewMode; }
    void setViewMode(ViewMode mode);
    /// Read-only: the caret moves and text can be selected and copied, but keys, the mouse
    /// and the context menu change nothing. Loading a document whose protection is enforced
    /// makes the control read-only, any other document editable.
    bool isReadOnly() const;
    void setReadOnly(bool readOnly);
    /// Room left free beside the text at the left and the top, where the rulers sit.
    void setRulerMargins(int left, int top) { setViewportMargins(left, top, 0, 0); }

    // The editor's own document commands. Each returns whether it went through.
    /// An empty, unnamed document (asks `DocumentClosing` first when modified).
    bool newDocument();
    /// The open dialog, then the load (asks `DocumentClosing` first when modified).
    bool loadDocumentWithDialog();
    /// Saves to the current file in its format, or as Save As when there is none.
    bool saveDocument();
    /// The save dialog with every format the engine writes, then the save.
    bool saveDocumentAs();

    /// Filters of the open and save dialogs.
    static QStringList openFilters();
    static QStringList saveFilters();

signals:
    /// Raised before the editor's own commands replace a modified document; the document
    /// is replaced only when `canClose` is still true afterwards.
    void DocumentClosing(bool &canClose);
    void DocumentLoaded();
    void ModifiedChanged();
    void SelectionChanged();
    void overwriteModeChanged(bool overwrite);
    void zoomChanged(qreal zoom);
    void viewModeChanged(richedit::ViewMode mode);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void attachDocument(std::unique_ptr<Document> document);
    void updateSceneRect();
    bool askDocumentClosing();
    void applyZoomTransform();
    void applyViewMode();
    StoryTextItem *activeItem() const { return m_hfItem ? m_hfItem : m_item; }
    void placeHeaderFooterItem();
    void dropHeaderFooterItem();

    ui::Dialogs &m_dialogs;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<StandardPageLayout> m_layout;
    std::unique_ptr<ContinuousLayout> m_continuous;
    ViewMode m_viewMode = ViewMode::PrintLayout;
    QGraphicsScene *m_scene;
    StoryTextItem *m_item = nullptr;
    StoryTextItem *m_hfItem = nullptr; // the header or footer being edited, if any
    int m_hfPage = -1;
    bool m_hfHeader = true;
    QString m_currentFileName;
    DocumentFormat m_currentFormat;
    richedit::MeasurementUnit m_unit = richedit::MeasurementUnit::Centimeter;
    qreal m_zoom = 1.1;
};

} // namespace richedit
