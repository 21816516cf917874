#include "RibbonButton.h"

#include "RibbonItem.h"

namespace ribbon {
namespace {

constexpr int wrapLength = 10;

} // namespace

RibbonButton::RibbonButton(RibbonItem *item, bool large, QWidget *parent)
    : QToolButton(parent), m_item(item), m_large(large)
{
    setObjectName(item->objectName() + QStringLiteral("Button"));
    setAutoRaise(true);
    setDefaultAction(item);
    if (item->kind() == ItemKind::Menu)
        setPopupMode(QToolButton::InstantPopup);
    setIconSize(QSize(large ? largeIcon : smallIcon, large ? largeIcon : smallIcon));
    // Buttons never shrink below their caption: a narrow window scrolls the tab instead.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (large) {
        setMinimumWidth(44);
        setFixedHeight(largeHeight);
    } else {
        setFixedHeight(smallHeight);
    }
    connect(item, &QAction::changed, this, &RibbonButton::updateLook);
    updateLook();
}

QString RibbonButton::wrapCaption(const QString &caption)
{
    if (caption.size() <= wrapLength || !caption.contains(QLatin1Char(' ')))
        return caption;
    const int middle = int(caption.size() / 2);
    int best = -1;
    for (int i = 0; i < caption.size(); ++i)
        if (caption.at(i) == QLatin1Char(' ') && (best < 0 || qAbs(i - middle) < qAbs(best - middle)))
            best = i;
    QString wrapped = caption;
    wrapped[best] = QLatin1Char('\n');
    return wrapped;
}

void RibbonButton::updateLook()
{
    const bool hasIcon = !m_item->icon().isNull();
    const ItemLayout &layout = m_item->itemLayout();
    Qt::ToolButtonStyle style;
    if (m_large)
        style = hasIcon ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextOnly;
    else if (!hasIcon)
        style = Qt::ToolButtonTextOnly;
    else if (layout.iconOnly)
        style = Qt::ToolButtonIconOnly;
    else
        style = Qt::ToolButtonTextBesideIcon;
    setToolButtonStyle(style);
    // The tool button copied the action's text; a large caption gets its two-line form.
    const QString caption = m_item->iconText();
    setText(m_large ? wrapCaption(caption) : caption);
}

} // namespace ribbon
