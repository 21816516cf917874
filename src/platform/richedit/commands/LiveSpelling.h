#pragma once

#include <QObject>
#include <QTimer>

class QGraphicsTextItem;
class QMenu;

namespace spellchecker {
class LiveSpellHighlighter;
class SpellChecker;
} // namespace spellchecker
namespace ui {
class Dialogs;
}

namespace richedit {

class EditorCommands;
class RichEditControl;

/// Live checking in the editor: keeps the marks of misspelt words on the main story for the
/// part of it the view shows, and offers suggestions, Ignore All, Add to Dictionary and the
/// spelling check when the user right-clicks a marked word. Elsewhere the editor's own
/// context menu opens as before. Nothing of the view changes: it follows the view's scroll
/// bars, size and zoom, and watches its viewport for context-menu requests.
class LiveSpelling : public QObject {
    Q_OBJECT
public:
    LiveSpelling(RichEditControl &control, spellchecker::SpellChecker &checker, EditorCommands &commands,
                 ui::Dialogs &dialogs, QObject *parent = nullptr);
    ~LiveSpelling() override;

    spellchecker::LiveSpellHighlighter &highlighter() { return *m_highlighter; }
    /// The menu for a right click at a document position of the main story; null when no
    /// marked word is there. The caller owns it.
    QMenu *menuAt(int position, QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followStory();
    void updateVisibleRange();
    QGraphicsTextItem *storyItem() const;
    int positionAt(QPointF viewportPoint, Qt::HitTestAccuracy accuracy) const;

    RichEditControl &m_control;
    spellchecker::SpellChecker &m_checker;
    EditorCommands &m_commands;
    ui::Dialogs &m_dialogs;
    spellchecker::LiveSpellHighlighter *m_highlighter;
    QTimer m_visibleTimer;
};

} // namespace richedit
