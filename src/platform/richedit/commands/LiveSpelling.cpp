#include "LiveSpelling.h"

#include "EditorCommands.h"
#include "platform/richedit/view/RichEditControl.h"
#include "platform/spellchecker/LiveSpellHighlighter.h"
#include "platform/spellchecker/SpellChecker.h"
#include "platform/ui/HandlerGuard.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace richedit {

namespace {

constexpr int maximumSuggestionsInMenu = 7;

} // namespace

LiveSpelling::LiveSpelling(RichEditControl &control, spellchecker::SpellChecker &checker, EditorCommands &commands,
                           ui::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_control(control), m_checker(checker), m_commands(commands), m_dialogs(dialogs),
      m_highlighter(new spellchecker::LiveSpellHighlighter(checker, this))
{
    // Scrolling, typing and zooming come in bursts; the marks follow once the burst is over.
    m_visibleTimer.setSingleShot(true);
    m_visibleTimer.setInterval(0);
    connect(&m_visibleTimer, &QTimer::timeout, this, &LiveSpelling::updateVisibleRange);

    followStory();
    // Open announces its new story; New only changes the modified state and the selection.
    connect(&control, &RichEditControl::DocumentLoaded, this, &LiveSpelling::followStory);
    connect(&control, &RichEditControl::ModifiedChanged, this, &LiveSpelling::followStory);
    connect(&control, &RichEditControl::SelectionChanged, this, &LiveSpelling::followStory);
    connect(&control, &RichEditControl::zoomChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    connect(control.verticalScrollBar(), &QScrollBar::valueChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    connect(control.horizontalScrollBar(), &QScrollBar::valueChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    connect(&checker, &spellchecker::SpellChecker::dictionariesChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    connect(&checker, &spellchecker::SpellChecker::checkAsYouTypeChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    control.viewport()->installEventFilter(this);
}

LiveSpelling::~LiveSpelling()
{
    if (m_control.viewport())
        m_control.viewport()->removeEventFilter(this);
}

void LiveSpelling::followStory()
{
    QTextDocument *story = m_control.mainStory();
    if (m_highlighter->document() != story) {
        m_highlighter->setDocument(story);
        connect(story, &QTextDocument::contentsChanged, &m_visibleTimer, qOverload<>(&QTimer::start));
    }
    m_visibleTimer.start();
}

QGraphicsTextItem *LiveSpelling::storyItem() const
{
    if (!m_control.scene())
        return nullptr;
    for (QGraphicsItem *item : m_control.scene()->items()) {
        auto *text = dynamic_cast<QGraphicsTextItem *>(item);
        if (text && text->document() == m_control.mainStory())
            return text;
    }
    return nullptr;
}

int LiveSpelling::positionAt(QPointF viewportPoint, Qt::HitTestAccuracy accuracy) const
{
    QGraphicsTextItem *item = storyItem();
    if (!item)
        return -1;
    const QPointF itemPoint = item->mapFromScene(m_control.mapToScene(viewportPoint.toPoint()));
    return item->document()->documentLayout()->hitTest(itemPoint, accuracy);
}

void LiveSpelling::updateVisibleRange()
{
    const QRect view = m_control.viewport()->rect();
    const int from = positionAt(view.topLeft(), Qt::FuzzyHit);
    const int to = positionAt(view.bottomRight(), Qt::FuzzyHit);
    if (from >= 0 && to >= 0)
        m_highlighter->setVisibleRange(from, to);
}

bool LiveSpelling::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        m_visibleTimer.start();
    if (event->type() != QEvent::ContextMenu || !m_checker.checkAsYouTypeActive())
        return QObject::eventFilter(watched, event);
    auto *menuEvent = static_cast<QContextMenuEvent *>(event);
    const int position = positionAt(menuEvent->pos(), Qt::ExactHit);
    QMenu *menu = position >= 0 ? menuAt(position, m_control.viewport()) : nullptr;
    if (!menu)
        return QObject::eventFilter(watched, event);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(menuEvent->globalPos());
    return true;
}

QMenu *LiveSpelling::menuAt(int position, QWidget *parent)
{
    const spellchecker::WordSpan mark = m_highlighter->markAt(position);
    if (mark.length == 0)
        return nullptr;
    QTextDocument *story = m_control.mainStory();
    QTextCursor word(story);
    word.setPosition(mark.start);
    word.setPosition(mark.start + mark.length, QTextCursor::KeepAnchor);
    const QString text = word.selectedText();

    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("SpellingMenu"));
    const QStringList suggestions = m_checker.suggestions(text, maximumSuggestionsInMenu);
    for (const QString &suggestion : suggestions) {
        QAction *action = menu->addAction(suggestion);
        QFont font = action->font();
        font.setBold(true);
        action->setFont(font);
        connect(action, &QAction::triggered, this, [this, word, suggestion]() mutable {
            word.insertText(suggestion);
            m_control.setTextCursor(word);
        });
    }
    if (suggestions.isEmpty())
        menu->addAction(tr("(no suggestions)"))->setEnabled(false);
    menu->addSeparator();
    connect(menu->addAction(tr("Ignore All")), &QAction::triggered, this, [this, text] { m_checker.ignoreAll(text); });
    QAction *add = menu->addAction(tr("Add to Dictionary"));
    add->setEnabled(m_checker.canAddWords());
    connect(add, &QAction::triggered, this, [this, text] { m_checker.addWord(text); });
    menu->addSeparator();
    QAction *check = menu->addAction(tr("Spelling..."));
    check->setEnabled(m_commands.isEnabled("CheckSpelling"));
    connect(check, &QAction::triggered, this, [this, word] {
        m_control.setTextCursor(QTextCursor(word.document()->findBlock(word.selectionStart())));
        ui::guarded(m_dialogs, [this] { m_commands.execute("CheckSpelling"); });
    });
    return menu;
}

} // namespace richedit
