#pragma once

#include <QGraphicsTextItem>

namespace richedit {

/// The editable text of one story. Qt's text control does the editing (keys, mouse,
/// selection, input methods, clipboard, undo grouping); this item adds the Insert key's
/// overwrite mode and reports caret and selection moves.
class StoryTextItem : public QGraphicsTextItem {
    Q_OBJECT
public:
    explicit StoryTextItem(QGraphicsItem *parent = nullptr);

    bool overwriteMode() const { return m_overwrite; }
    void setOverwriteMode(bool overwrite);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

signals:
    void cursorPositionChanged();
    void selectionChanged();
    void overwriteModeChanged(bool overwrite);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool typeAfterField(const QString &text);

    bool m_overwrite = false;
};

} // namespace richedit
