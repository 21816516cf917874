#include "ColorPalette.h"

#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace ribbon {
namespace {

constexpr int columns = 8;
constexpr int swatchSize = 18;

} // namespace

QList<QColor> ColorPalette::standardColours()
{
    static const QList<QColor> colours = {
        Qt::black,         QColor(0x7f, 0x7f, 0x7f), QColor(0x88, 0x00, 0x15), QColor(0xed, 0x1c, 0x24),
        QColor(0xff, 0x7f, 0x27), QColor(0xff, 0xf2, 0x00), QColor(0x22, 0xb1, 0x4c), QColor(0x00, 0xa2, 0xe8),
        Qt::white,         QColor(0xc3, 0xc3, 0xc3), QColor(0xb9, 0x7a, 0x57), QColor(0xff, 0xae, 0xc9),
        QColor(0xff, 0xc9, 0x0e), QColor(0xef, 0xe4, 0xb0), QColor(0xb5, 0xe6, 0x1d), QColor(0x99, 0xd9, 0xea),
        QColor(0x3f, 0x48, 0xcc), QColor(0xa3, 0x49, 0xa4), QColor(0x70, 0x92, 0xbe), QColor(0xc8, 0xbf, 0xe7),
        Qt::yellow,        Qt::green,                Qt::cyan,                 Qt::magenta,
    };
    return colours;
}

ColorPalette::ColorPalette(QWidget *parent) : QMenu(parent)
{
    auto *panel = new QWidget(this);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(6, 6, 6, 6);
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    const QList<QColor> colours = standardColours();
    for (int i = 0; i < colours.size(); ++i) {
        const QColor colour = colours.at(i);
        auto *swatch = new QToolButton(panel);
        swatch->setObjectName(QStringLiteral("swatch") + colour.name());
        swatch->setFixedSize(swatchSize, swatchSize);
        swatch->setToolTip(colour.name());
        swatch->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #a0a0a0; }"
                                             "QToolButton:hover { border: 2px solid #e08000; }")
                                  .arg(colour.name()));
        connect(swatch, &QToolButton::clicked, this, [this, colour] {
            emit colourPicked(colour);
            close();
        });
        grid->addWidget(swatch, i / columns, i % columns);
    }
    box->addLayout(grid);
    auto *none = new QPushButton(QStringLiteral("No Color"), panel);
    none->setObjectName(QStringLiteral("noColour"));
    none->setFlat(true);
    connect(none, &QPushButton::clicked, this, [this] {
        emit colourPicked(QColor());
        close();
    });
    box->addWidget(none);

    auto *action = new QWidgetAction(this);
    action->setDefaultWidget(panel);
    addAction(action);
}

} // namespace ribbon
