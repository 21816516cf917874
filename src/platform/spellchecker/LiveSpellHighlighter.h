#pragma once

#include "Words.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>

class QTextDocument;

namespace spellchecker {

class SpellChecker;

/// Marks misspelt words of one text document with a red wavy underline while live checking
/// is on. The marks are the blocks' additional layout formats: the view shows them, but they
/// are not part of the document, so saving, undo and the modified flag never see them.
///
/// Only paragraphs that changed or that the view shows are checked: an edit rechecks the
/// paragraphs it touched, and `setVisibleRange` checks what scrolls into view and has not
/// been checked since the dictionaries last changed.
class LiveSpellHighlighter : public QObject {
    Q_OBJECT
public:
    explicit LiveSpellHighlighter(SpellChecker &checker, QObject *parent = nullptr);

    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_document; }
    /// The document positions the view shows; their unchecked paragraphs are checked now.
    void setVisibleRange(int from, int to);

    /// The misspelt words the block carries marks for.
    static QList<WordSpan> marksOf(const QTextBlock &block);
    /// The misspelt word at a document position, or an empty span.
    WordSpan markAt(int position) const;

private:
    void contentsChange(int position, int removed, int added);
    void dictionariesChanged();
    void checkAsYouTypeChanged(bool active);
    void checkVisible();
    void check(QTextBlock block);
    void clearAll();
    void setMarks(QTextBlock block, const QList<WordSpan> &words);

    SpellChecker &m_checker;
    QPointer<QTextDocument> m_document;
    int m_visibleFrom = 0;
    int m_visibleTo = 0;
    // Each block remembers the round of checking it was last checked in; a change of the
    // dictionaries starts a new round, so every block becomes unchecked at once.
    int m_round = 1;
    bool m_marking = false;
};

} // namespace spellchecker
