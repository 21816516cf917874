#include "RichEditControl.h"

#include "ContinuousLayout.h"
#include "StoryTextItem.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/StandardPageLayout.h"
#include "platform/ui/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace richedit {
namespace {

const QColor deskColour(0xd9, 0xdb, 0xdf);
const QColor pageColour(Qt::white);
const QColor pageBorderColour(0xb8, 0xbb, 0xc0);
const QColor shadowColour(0, 0, 0, 40);
constexpr qreal deskMargin = 24; // grey space round the pages

bool writable(DocumentFormat format)
{
    for (const FormatInfo &info : allFormats())
        if (info.format == format)
            return info.writer != nullptr;
    return false;
}

/// The format a chosen save path and filter mean, and the path with its extension.
std::pair<DocumentFormat, QString> resolveSaveTarget(const QString &path, const QString &filter)
{
    const DocumentFormat byName = formatForFileName(path);
    if (byName != DocumentFormat::Undefined && writable(byName))
        return {byName, path};
    for (const FormatInfo &info : allFormats()) {
        if (info.writer && fileFilter(info) == filter)
            return {info.format, path + QLatin1Char('.') + info.extensions.first()};
    }
    const DocumentFormat fallback = RichEditControl::defaultSaveFormat();
    return {fallback, path + QLatin1Char('.') + formatInfo(fallback).extensions.first()};
}

} // namespace

RichEditControl::RichEditControl(ui::Dialogs &dialogs, QWidget *parent)
    : QGraphicsView(parent), m_dialogs(dialogs), m_scene(new QGraphicsScene(this)),
      m_currentFormat(defaultSaveFormat())
{
    setScene(m_scene);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setFrameShape(QFrame::NoFrame);
    setCacheMode(QGraphicsView::CacheNone);
    setFocusPolicy(Qt::StrongFocus);
    attachDocument(std::make_unique<Document>());
    applyZoomTransform();
}

RichEditControl::~RichEditControl()
{
    // The item shows the document's story; take it away before the document goes.
    delete m_item;
}

DocumentFormat RichEditControl::defaultSaveFormat()
{
    for (DocumentFormat format : {DocumentFormat::OpenXml, DocumentFormat::Rtf, DocumentFormat::Html})
        if (writable(format))
            return format;
    return DocumentFormat::PlainText;
}

void RichEditControl::attachDocument(std::unique_ptr<Document> document)
{
    const bool hadFocus = m_item && m_item->hasFocus();
    delete m_item;
    m_item = nullptr;
    m_continuous.reset();
    m_layout.reset();
    m_document = std::move(document);
    m_layout = std::make_unique<StandardPageLayout>(*m_document);
    m_continuous = std::make_unique<ContinuousLayout>(*m_document, *m_layout);
    applyViewMode();

    m_item = new StoryTextItem;
    m_item->setDocument(m_document->mainStory());
    m_item->setPos(0, 0);
    m_scene->addItem(m_item);

    QTextDocument *story = m_document->mainStory();
    connect(story, &QTextDocument::modificationChanged, this, &RichEditControl::ModifiedChanged);
    connect(story->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &RichEditControl::updateSceneRect);
    connect(m_document.get(), &Document::pageSetupChanged, this, &RichEditControl::updatePageSetup);
    connect(m_item, &StoryTextItem::cursorPositionChanged, this, &RichEditControl::SelectionChanged);
    connect(m_item, &StoryTextItem::selectionChanged, this, &RichEditControl::SelectionChanged);
    connect(m_item, &StoryTextItem::overwriteModeChanged, this, &RichEditControl::overwriteModeChanged);
    const Protection &protection = m_document->protection();
    setReadOnly(protection.enforced && protection.kind != ProtectionKind::None);

    updateSceneRect();
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    if (hadFocus || hasFocus())
        m_item->setFocus();
    emit SelectionChanged();
}

void RichEditControl::updatePageSetup()
{
    applyViewMode();
    updateSceneRect();
    viewport()->update();
}

void RichEditControl::setViewMode(ViewMode mode)
{
    if (mode == m_viewMode)
        return;
    m_viewMode = mode;
    updatePageSetup();
    // The caret's paragraph stays in sight.
    const QTextBlock block = textCursor().block();
    ensureVisible(mainStory()->documentLayout()->blockBoundingRect(block), 0, 0);
    emit viewModeChanged(mode);
}

void RichEditControl::applyViewMode()
{
    m_continuous->apply(m_viewMode, viewport()->width() / transform().m11() - 2 * deskMargin - 2);
}

bool RichEditControl::isReadOnly() const
{
    return !(m_item->textInteractionFlags() & Qt::TextEditable);
}

void RichEditControl::setReadOnly(bool readOnly)
{
    m_item->setTextInteractionFlags(readOnly ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                             : Qt::TextEditorInteraction);
}

void RichEditControl::updateSceneRect()
{
    const PageGeometry &geometry = pageGeometry();
    const QRectF first = geometry.pageRect(0);
    const QRectF last = geometry.pageRect(geometry.pageCount() - 1);
    const QRectF used(first.left(), first.top(), last.width(), last.bottom() - first.top());
    m_scene->setSceneRect(used.adjusted(-deskMargin, -deskMargin, deskMargin, deskMargin));
    viewport()->update();
}

const PageGeometry &RichEditControl::pageGeometry() const
{
    if (m_viewMode != ViewMode::PrintLayout)
        return *m_continuous;
    return *m_layout;
}

void RichEditControl::drawBackground(QPainter *painter, const QRectF &rect)
{
    painter->fillRect(rect, deskColour);
    const QColor documentPageColour = m_document->pageColor();
    const QColor paperColour = documentPageColour.isValid() ? documentPageColour : pageColour;
    const PageGeometry &geometry = pageGeometry();
    const int first = geometry.pageAt(rect.top());
    const int last = geometry.pageAt(rect.bottom());
    for (int page = first; page <= last; ++page) {
        const QRectF paper = geometry.pageRect(page);
        painter->fillRect(paper.translated(3, 3), shadowColour);
        painter->fillRect(paper, paperColour);
        painter->setPen(QPen(pageBorderColour, 0));
        painter->drawRect(paper);
    }
}

void RichEditControl::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    if (m_item && !m_item->hasFocus())
        m_item->setFocus();
}

void RichEditControl::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    // The simple view's text follows the window's width.
    if (m_viewMode == ViewMode::Simple && event->size().width() != event->oldSize().width())
        updatePageSetup();
    viewport()->update();
}

void RichEditControl::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl with the wheel zooms in steps of 10 %, as word processors do.
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            setZoomFactor(std::round((m_zoom + steps * 0.1) * 10) / 10);
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

void RichEditControl::LoadDocument(const QString &path, DocumentFormat format)
{
    std::unique_ptr<Document> loaded = readDocument(path, format);
    attachDocument(std::move(loaded));
    m_currentFileName = QFileInfo(path).absoluteFilePath();
    m_currentFormat = format;
    emit ModifiedChanged();
    emit DocumentLoaded();
}

void RichEditControl::SaveDocument(const QString &path, DocumentFormat format)
{
    writeDocument(*m_document, path, format);
    m_currentFileName = QFileInfo(path).absoluteFilePath();
    m_currentFormat = format;
    SetDocumentModelModified(false);
}

void RichEditControl::SaveDocument(QIODevice &out, DocumentFormat format) const
{
    writeDocument(*m_document, out, format);
}

bool RichEditControl::DocumentModelModified() const
{
    return m_document->mainStory()->isModified();
}

void RichEditControl::SetDocumentModelModified(bool modified)
{
    m_document->mainStory()->setModified(modified);
}

void RichEditControl::SetMeasurementUnit(richedit::MeasurementUnit unit)
{
    m_unit = unit;
}

void RichEditControl::setZoomFactor(qreal zoom)
{
    zoom = std::clamp(zoom, 0.1, 5.0);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    applyZoomTransform();
    if (m_viewMode == ViewMode::Simple)
        updatePageSetup();
    emit zoomChanged(m_zoom);
}

void RichEditControl::applyZoomTransform()
{
    // At 100 % a centimetre of paper is a centimetre on the screen.
    const qreal screenScale = logicalDpiX() / qreal(layoutDpi);
    setTransform(QTransform::fromScale(m_zoom * screenScale, m_zoom * screenScale));
}

QTextCursor RichEditControl::textCursor() const
{
    return m_item->textCursor();
}

void RichEditControl::setTextCursor(const QTextCursor &cursor)
{
    m_item->setTextCursor(cursor);
    emit SelectionChanged();
}

bool RichEditControl::overwriteMode() const
{
    return m_item->overwriteMode();
}

bool RichEditControl::askDocumentClosing()
{
    bool canClose = true;
    if (DocumentModelModified())
        emit DocumentClosing(canClose);
    return canClose;
}

bool RichEditControl::newDocument()
{
    if (!askDocumentClosing())
        return false;
    attachDocument(std::make_unique<Document>());
    m_currentFileName.clear();
    m_currentFormat = defaultSaveFormat();
    emit ModifiedChanged();
    return true;
}

QStringList RichEditControl::openFilters()
{
    QStringList patterns;
    QStringList filters;
    for (const FormatInfo &info : allFormats()) {
        for (const QString &ext : info.extensions)
            patterns << QStringLiteral("*.") + ext;
        filters << fileFilter(info);
    }
    filters.prepend(tr("All Supported Files") + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    filters << tr("All Files (*)");
    return filters;
}

QStringList RichEditControl::saveFilters()
{
    QStringList filters;
    for (const FormatInfo &info : allFormats())
        if (info.writer)
            filters << fileFilter(info);
    return filters;
}

bool RichEditControl::loadDocumentWithDialog()
{
    if (!askDocumentClosing())
        return false;
    const QStringList filters = openFilters();
    const std::optional<ui::FileChoice> choice = m_dialogs.openFile(tr("Open"), filters, filters.first());
    if (!choice)
        return false;
    const DocumentFormat format = formatForFileName(choice->path);
    if (format == DocumentFormat::Undefined)
        throw Error(QStringLiteral("The file \"%1\" is not in a document format this program knows.")
                        .arg(QFileInfo(choice->path).fileName()));
    LoadDocument(choice->path, format);
    return true;
}

bool RichEditControl::saveDocument()
{
    if (m_currentFileName.isEmpty() || !writable(m_currentFormat))
        return saveDocumentAs();
    SaveDocument(m_currentFileName, m_currentFormat);
    return true;
}

bool RichEditControl::saveDocumentAs()
{
    const DocumentFormat preferred = writable(m_currentFormat) ? m_currentFormat : defaultSaveFormat();
    const QString selected = fileFilter(formatInfo(preferred));
    QString suggestion = m_currentFileName;
    if (!suggestion.isEmpty()) {
        const QFileInfo info(suggestion);
        suggestion = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.')
                     + formatInfo(preferred).extensions.first();
    }
    const std::optional<ui::FileChoice> choice =
        m_dialogs.saveFile(tr("Save As"), saveFilters(), selected, suggestion);
    if (!choice)
        return false;
    const auto [format, path] = resolveSaveTarget(choice->path, choice->filter);
    SaveDocument(path, format);
    return true;
}

} // namespace richedit
