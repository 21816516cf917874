#include "Styles.h"

#include <algorithm>

namespace richedit {

const Style *StyleSheet::find(const QString &id) const
{
    for (const Style &style : m_styles)
        if (style.id == id)
            return &style;
    return nullptr;
}

void StyleSheet::add(Style style)
{
    for (Style &existing : m_styles)
        if (existing.id == style.id) {
            existing = std::move(style);
            return;
        }
    m_styles.push_back(std::move(style));
}

QString StyleSheet::defaultStyleId(StyleType type) const
{
    for (const Style &style : m_styles)
        if (style.type == type && style.isDefault)
            return style.id;
    return {};
}

std::vector<const Style *> StyleSheet::chain(const QString &id) const
{
    std::vector<const Style *> styles;
    for (const Style *style = find(id); style; style = find(style->basedOn)) {
        if (std::find(styles.begin(), styles.end(), style) != styles.end())
            break;
        styles.push_back(style);
    }
    std::reverse(styles.begin(), styles.end());
    return styles;
}

QTextCharFormat StyleSheet::resolvedCharFormat(const QString &id) const
{
    QTextCharFormat format = defaultCharFormat;
    for (const Style *style : chain(id))
        format.merge(style->charFormat);
    return format;
}

QTextCharFormat StyleSheet::chainCharFormat(const QString &id) const
{
    QTextCharFormat format;
    for (const Style *style : chain(id))
        format.merge(style->charFormat);
    return format;
}

QTextBlockFormat StyleSheet::resolvedBlockFormat(const QString &id) const
{
    QTextBlockFormat format = defaultBlockFormat;
    for (const Style *style : chain(id))
        format.merge(style->blockFormat);
    return format;
}

} // namespace richedit
