#include "RichEditControl.h"

#include "ContinuousLayout.h"
#include "PagePainter.h"
#include "StoryTextItem.h"
#include "platform/richedit/Error.h"
#include "platform/richedit/formats/Formats.h"
#include "platform/richedit/layout/HeaderFooterPlacement.h"
#include "platform/richedit/layout/PageFields.h"
#include "platform/richedit/layout/StandardPageLayout.h"
#include "platform/ui/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
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
constexpr qreal dimmedOpacity = 0.45; // of the part of the page not being edited
const QColor headerFooterLineColour(0x5b, 0x8d, 0xd9);

constexpr HeaderFooterKind allKinds[] = {HeaderFooterKind::HeaderOdd,  HeaderFooterKind::HeaderEven,
                                         HeaderFooterKind::HeaderFirst, HeaderFooterKind::FooterOdd,
                                         HeaderFooterKind::FooterEven,  HeaderFooterKind::FooterFirst};

/// Every header and footer story of the document.
std::vector<QTextDocument *> headerFooterStories(const Document &document)
{
    std::vector<QTextDocument *> stories;
    for (int s = 0; s < static_cast<int>(document.sections().size()); ++s)
        for (HeaderFooterKind kind : allKinds)
            if (QTextDocument *story = document.headerFooter(s, kind))
                stories.push_back(story);
    return stories;
}

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
    // The items show the document's stories; take them away before the document goes.
    delete m_hfItem;
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
    const bool hadFocus = (m_item && m_item->hasFocus()) || (m_hfItem && m_hfItem->hasFocus());
    dropHeaderFooterItem();
    delete m_item;
    m_item = nullptr;
    m_continuous.reset();
    m_layout.reset();
    m_document = std::move(document);
    // A reader builds the header and footer stories by editing them; as loaded they are unchanged.
    for (QTextDocument *story : headerFooterStories(*m_document))
        story->setModified(false);
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
    if (m_hfItem) {
        // The open header or footer follows its page, which may have moved or gone.
        m_hfPage = std::min(m_hfPage, m_layout->pageCount() - 1);
        placeHeaderFooterItem();
    }
    viewport()->update();
}

void RichEditControl::setViewMode(ViewMode mode)
{
    if (mode == m_viewMode)
        return;
    // Headers and footers live on pages; the draft and simple views have none.
    if (mode != ViewMode::PrintLayout && m_hfItem)
        closeHeaderFooter();
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
        if (m_viewMode != ViewMode::PrintLayout)
            continue;
        const QTextDocument *edited = page == m_hfPage && m_hfItem ? m_hfItem->document() : nullptr;
        paintHeaderFooters(*painter, *m_document, *m_layout, page, edited, m_hfItem ? 1.0 : dimmedOpacity);
    }
    if (m_hfItem && m_hfPage >= first && m_hfPage <= last) {
        // The dashed line parts the header or footer being edited from the body.
        const QRectF paper = m_layout->pageRect(m_hfPage);
        const QRectF area = m_hfItem->sceneBoundingRect();
        const qreal y = m_hfHeader ? std::max(area.bottom(), m_layout->textArea(m_hfPage).top() - 1)
                                   : std::min(area.top(), m_layout->textArea(m_hfPage).bottom() + 1);
        painter->setPen(QPen(headerFooterLineColour, 0, Qt::DashLine));
        painter->drawLine(QPointF(paper.left(), y), QPointF(paper.right(), y));
    }
}

void RichEditControl::focusInEvent(QFocusEvent *event)
{
    QGraphicsView::focusInEvent(event);
    if (StoryTextItem *item = activeItem(); item && !item->hasFocus())
        item->setFocus();
}

void RichEditControl::keyPressEvent(QKeyEvent *event)
{
    if (m_hfItem && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeHeaderFooter();
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void RichEditControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPointF point = mapToScene(event->position().toPoint());
    if (m_hfItem && m_hfItem->sceneBoundingRect().contains(point)) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    const int page = m_layout->pageAt(point.y());
    const QRectF paper = m_layout->pageRect(page);
    const QRectF text = m_layout->textArea(page);
    if (m_viewMode == ViewMode::PrintLayout && paper.contains(point) && (point.y() < text.top() || point.y() > text.bottom())) {
        editHeaderFooter(page, point.y() < text.top());
        event->accept();
        return;
    }
    if (m_hfItem) {
        closeHeaderFooter();
        const int position = mainStory()->documentLayout()->hitTest(point - m_item->pos(), Qt::FuzzyHit);
        if (position >= 0) {
            QTextCursor cursor(mainStory());
            cursor.setPosition(position);
            setTextCursor(cursor);
        }
        event->accept();
        return;
    }
    QGraphicsView::mouseDoubleClickEvent(event);
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
    if (m_document->mainStory()->isModified())
        return true;
    for (const QTextDocument *story : headerFooterStories(*m_document))
        if (story->isModified())
            return true;
    return false;
}

void RichEditControl::SetDocumentModelModified(bool modified)
{
    m_document->mainStory()->setModified(modified);
    if (!modified)
        for (QTextDocument *story : headerFooterStories(*m_document))
            story->setModified(false);
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
    return activeItem()->textCursor();
}

void RichEditControl::setTextCursor(const QTextCursor &cursor)
{
    if (m_hfItem && cursor.document() == mainStory())
        closeHeaderFooter();
    activeItem()->setTextCursor(cursor);
    emit SelectionChanged();
}

bool RichEditControl::overwriteMode() const
{
    return activeItem()->overwriteMode();
}

QTextDocument *RichEditControl::activeStory()
{
    return activeItem()->document();
}

bool RichEditControl::IsSelectionInTable() const
{
    return textCursor().currentTable() != nullptr;
}

int RichEditControl::currentPage() const
{
    if (m_hfItem)
        return m_hfPage;
    const QTextCursor cursor = m_item->textCursor();
    const QTextBlock block = cursor.block();
    qreal y = m_document->mainStory()->documentLayout()->blockBoundingRect(block).top();
    if (const QTextLayout *layout = block.layout()) {
        const QTextLine line = layout->lineForTextPosition(cursor.positionInBlock());
        if (line.isValid())
            y += line.y();
    }
    return m_layout->pageAt(y + 1);
}

int RichEditControl::headerFooterSection() const
{
    return m_layout->sectionOfPage(std::max(0, m_hfPage));
}

HeaderFooterKind RichEditControl::headerFooterKind() const
{
    const int page = std::max(0, m_hfPage);
    return headerFooterKindFor(*m_document, m_layout->sectionOfPage(page), m_layout->pageInSection(page),
                               m_layout->pageNumber(page), m_hfHeader);
}

void RichEditControl::editHeaderFooter(int page, bool header)
{
    setViewMode(ViewMode::PrintLayout);
    page = std::clamp(page, 0, m_layout->pageCount() - 1);
    const PageHeaderFooter shown = pageHeaderFooter(*m_document, *m_layout, page, header);
    QTextDocument *story = shown.story ? shown.story : m_document->ensureHeaderFooter(shown.section, shown.kind);

    const bool hadFocus = hasFocus() || (m_item && m_item->hasFocus()) || (m_hfItem && m_hfItem->hasFocus());
    dropHeaderFooterItem();
    // The story shows this page's numbers while it is edited here. Qt can only keep such a
    // change out of the undo stack by clearing the stack, so that happens only when a number differs.
    const int number = m_layout->pageNumber(page);
    if (hasStalePageFields(*story, number, m_layout->pageCount())) {
        const bool modified = story->isModified();
        story->setUndoRedoEnabled(false);
        setPageFieldResults(*story, number, m_layout->pageCount());
        story->setUndoRedoEnabled(true);
        story->setModified(modified);
    }

    m_hfPage = page;
    m_hfHeader = header;
    m_hfItem = new StoryTextItem;
    m_hfItem->setDocument(story);
    m_scene->addItem(m_hfItem);
    connect(story->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &RichEditControl::placeHeaderFooterItem);
    connect(story, &QTextDocument::modificationChanged, this, &RichEditControl::ModifiedChanged);
    connect(m_hfItem, &StoryTextItem::cursorPositionChanged, this, &RichEditControl::SelectionChanged);
    connect(m_hfItem, &StoryTextItem::selectionChanged, this, &RichEditControl::SelectionChanged);
    connect(m_hfItem, &StoryTextItem::overwriteModeChanged, this, &RichEditControl::overwriteModeChanged);
    placeHeaderFooterItem();

    m_item->setOpacity(dimmedOpacity);
    m_item->setTextInteractionFlags(Qt::NoTextInteraction);
    if (hadFocus)
        m_hfItem->setFocus();
    ensureVisible(m_hfItem, 20, 20);
    viewport()->update();
    emit SelectionChanged();
}

void RichEditControl::closeHeaderFooter()
{
    if (!m_hfItem)
        return;
    const bool hadFocus = m_hfItem->hasFocus() || hasFocus();
    dropHeaderFooterItem();
    m_item->setOpacity(1.0);
    m_item->setTextInteractionFlags(Qt::TextEditorInteraction);
    // The body keeps clear of what the header or footer has grown to.
    updatePageSetup();
    if (hadFocus)
        m_item->setFocus();
    emit SelectionChanged();
}

void RichEditControl::refreshHeaderFooter()
{
    if (m_hfItem)
        editHeaderFooter(m_hfPage, m_hfHeader);
}

void RichEditControl::placeHeaderFooterItem()
{
    if (!m_hfItem)
        return;
    const QRectF area = headerFooterArea(*m_document, *m_layout, m_hfPage, m_hfHeader, m_hfItem->document());
    if (m_hfItem->textWidth() != area.width())
        m_hfItem->setTextWidth(area.width());
    m_hfItem->setPos(area.topLeft());
    viewport()->update();
}

void RichEditControl::dropHeaderFooterItem()
{
    if (!m_hfItem)
        return;
    QTextDocument *story = m_hfItem->document();
    disconnect(story, nullptr, this, nullptr);
    disconnect(story->documentLayout(), nullptr, this, nullptr);
    delete m_hfItem;
    m_hfItem = nullptr;
    m_hfPage = -1;
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
