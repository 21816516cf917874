#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextBlockFormat>

#include <vector>

namespace richedit {

enum class StyleType { Paragraph, Character, Table };

/// A named style. Its formats hold only what the style sets itself; the rest comes from
/// `basedOn` and, at the root, from the document defaults.
struct Style {
    QString id;   // how paragraphs and runs refer to it ("Heading1")
    QString name; // what the user sees ("heading 1")
    StyleType type = StyleType::Paragraph;
    QString basedOn; // id, empty at the root
    QString next;    // id of the style of the paragraph that follows, empty for the same
    bool isDefault = false;
    QTextCharFormat charFormat;
    QTextBlockFormat blockFormat;

    bool operator==(const Style &) const = default;
};

/// The styles of a document with the document defaults they inherit from.
///
/// Paragraphs and runs in a story carry their effective formats (style formats merged with
/// their own), with the style's id beside them, so that the view shows them without knowing
/// about styles; writers subtract the resolved style again to write only direct formatting.
class StyleSheet {
public:
    const std::vector<Style> &styles() const { return m_styles; }
    bool isEmpty() const { return m_styles.empty(); }
    const Style *find(const QString &id) const;
    /// Adds a style or replaces the one with the same id.
    void add(Style style);
    void clear() { m_styles.clear(); }

    /// The default style of a type ("Normal" for paragraphs), empty when there is none.
    QString defaultStyleId(StyleType type) const;

    /// Formats every run and paragraph starts from.
    QTextCharFormat defaultCharFormat;
    QTextBlockFormat defaultBlockFormat;

    /// The document defaults merged with the style's chain of `basedOn`, root first. An
    /// unknown id gives the defaults; a cycle stops at the first style met twice.
    QTextCharFormat resolvedCharFormat(const QString &id) const;
    QTextBlockFormat resolvedBlockFormat(const QString &id) const;
    /// The style's chain without the document defaults (character styles go on top of a
    /// paragraph's formats).
    QTextCharFormat chainCharFormat(const QString &id) const;

    bool operator==(const StyleSheet &) const = default;

private:
    std::vector<const Style *> chain(const QString &id) const;

    std::vector<Style> m_styles;
};

} // namespace richedit
