#pragma once

#include <QColor>
#include <QMenu>

namespace ribbon {

/// The drop-down of a colour gallery: a grid of swatches and "No Color". Picking one emits
/// `colourPicked` (an invalid colour for "No Color") and closes the drop-down.
class ColorPalette : public QMenu {
    Q_OBJECT
public:
    explicit ColorPalette(QWidget *parent = nullptr);

    /// The swatch colours, row by row.
    static QList<QColor> standardColours();

signals:
    void colourPicked(const QColor &colour);
};

} // namespace ribbon
