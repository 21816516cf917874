#include "LiveSpellHighlighter.h"

#include "SpellChecker.h"

#include <QTextDocument>
#include <QTextLayout>

namespace spellchecker {

namespace {

// Paragraphs an edit may touch and have checked at once; a larger change (a long paste)
// leaves its paragraphs to be checked as they come into view.
constexpr int maximumBlocksCheckedPerEdit = 64;

constexpr int unchecked = -1;

// The round of checking a block was last checked in. Kept as block user data, not as the
// block's user state, because the user state is written into HTML and onto the clipboard.
struct CheckedRound : QTextBlockUserData {
    explicit CheckedRound(int round) : round(round) {}
    int round;
};

int checkedRound(const QTextBlock &block)
{
    const auto *data = static_cast<const CheckedRound *>(block.userData());
    return data ? data->round : unchecked;
}

void setCheckedRound(QTextBlock &block, int round)
{
    if (auto *data = static_cast<CheckedRound *>(block.userData()))
        data->round = round;
    else if (round != unchecked)
        block.setUserData(new CheckedRound(round));
}

QTextCharFormat misspeltFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace

LiveSpellHighlighter::LiveSpellHighlighter(SpellChecker &checker, QObject *parent) : QObject(parent), m_checker(checker)
{
    connect(&checker, &SpellChecker::dictionariesChanged, this, &LiveSpellHighlighter::dictionariesChanged);
    connect(&checker, &SpellChecker::checkAsYouTypeChanged, this, &LiveSpellHighlighter::checkAsYouTypeChanged);
}

void LiveSpellHighlighter::setDocument(QTextDocument *document)
{
    if (document == m_document)
        return;
    if (m_document) {
        disconnect(m_document, nullptr, this, nullptr);
        clearAll();
    }
    m_document = document;
    m_visibleFrom = m_visibleTo = 0;
    if (!document)
        return;
    ++m_round;
    // The document reports changes of its contents only once it has a layout.
    document->documentLayout();
    connect(document, &QTextDocument::contentsChange, this, &LiveSpellHighlighter::contentsChange);
}

void LiveSpellHighlighter::setVisibleRange(int from, int to)
{
    m_visibleFrom = std::min(from, to);
    m_visibleTo = std::max(from, to);
    checkVisible();
}

void LiveSpellHighlighter::contentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    if (!m_document || m_marking || !m_checker.checkAsYouTypeActive())
        return;
    QTextBlock block = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    int checked = 0;
    while (block.isValid()) {
        if (checked < maximumBlocksCheckedPerEdit) {
            check(block);
            ++checked;
        } else {
            setCheckedRound(block, unchecked);
        }
        if (block == last)
            break;
        block = block.next();
    }
}

void LiveSpellHighlighter::dictionariesChanged()
{
    ++m_round;
    if (m_checker.checkAsYouTypeActive())
        checkVisible();
}

void LiveSpellHighlighter::checkAsYouTypeChanged(bool active)
{
    if (active) {
        ++m_round;
        checkVisible();
    } else {
        clearAll();
    }
}

void LiveSpellHighlighter::checkVisible()
{
    if (!m_document || !m_checker.checkAsYouTypeActive())
        return;
    QTextBlock block = m_document->findBlock(m_visibleFrom);
    const QTextBlock last = m_document->findBlock(m_visibleTo);
    while (block.isValid()) {
        if (checkedRound(block) != m_round)
            check(block);
        if (block == last)
            break;
        block = block.next();
    }
}

void LiveSpellHighlighter::check(QTextBlock block)
{
    QList<WordSpan> misspelt;
    const QString text = block.text();
    const bool canJudge = m_checker.canJudgeWords();
    for (const WordSpan &word : canJudge ? wordsOf(text) : QList<WordSpan>())
        if (!m_checker.isWordCorrect(text.mid(word.start, word.length)))
            misspelt << word;
    setMarks(block, misspelt);
    setCheckedRound(block, m_round);
}

void LiveSpellHighlighter::clearAll()
{
    if (!m_document)
        return;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        if (block.layout() && !block.layout()->formats().isEmpty())
            setMarks(block, {});
        setCheckedRound(block, unchecked);
    }
}

void LiveSpellHighlighter::setMarks(QTextBlock block, const QList<WordSpan> &words)
{
    QTextLayout *layout = block.layout();
    if (!layout)
        return;
    QList<QTextLayout::FormatRange> formats;
    for (const WordSpan &word : words)
        formats.append({word.start, word.length, misspeltFormat()});
    if (formats.isEmpty() && layout->formats().isEmpty())
        return;
    // Re-laying out the paragraph is what shows the new marks; it emits no change of the
    // contents, but guard against it all the same.
    m_marking = true;
    layout->setFormats(formats);
    m_document->markContentsDirty(block.position(), block.length());
    m_marking = false;
}

QList<WordSpan> LiveSpellHighlighter::marksOf(const QTextBlock &block)
{
    QList<WordSpan> marks;
    if (!block.layout())
        return marks;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            marks.append({range.start, range.length});
    return marks;
}

WordSpan LiveSpellHighlighter::markAt(int position) const
{
    if (!m_document)
        return {};
    const QTextBlock block = m_document->findBlock(position);
    const int offset = position - block.position();
    for (const WordSpan &mark : marksOf(block))
        if (offset >= mark.start && offset <= mark.start + mark.length)
            return {block.position() + mark.start, mark.length};
    return {};
}

} // namespace spellchecker
