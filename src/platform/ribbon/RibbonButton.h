#pragma once

#include <QToolButton>

namespace ribbon {

class RibbonItem;

/// The button that shows a ribbon item in its group. It follows the item's action and picks
/// its look from the item's kind and layout: large buttons put the caption, wrapped onto two
/// lines when long, under a 32-pixel glyph; small ones show a 16-pixel glyph with or without
/// the caption. Without a glyph the caption is always shown.
class RibbonButton : public QToolButton {
    Q_OBJECT
public:
    RibbonButton(RibbonItem *item, bool large, QWidget *parent = nullptr);

    static constexpr int largeIcon = 32;
    static constexpr int smallIcon = 16;
    static constexpr int smallHeight = 24;
    static constexpr int largeHeight = 72;

    /// A long caption split at the space nearest its middle.
    static QString wrapCaption(const QString &caption);

private:
    void updateLook();

    RibbonItem *m_item;
    bool m_large;
};

} // namespace ribbon
