#include "AboutPicture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace online {

QPixmap aboutPicture()
{
    QPixmap picture(128, 128);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // A sheet of paper with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(22, 8);
    sheet.lineTo(84, 8);
    sheet.lineTo(106, 30);
    sheet.lineTo(106, 120);
    sheet.lineTo(22, 120);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(0x2b, 0x57, 0x9a), 3));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setBrush(QColor(0xd6, 0xe4, 0xf5));
    painter.drawPolygon(QPolygonF({QPointF(84, 8), QPointF(84, 30), QPointF(106, 30)}));

    // Lines of text under a large initial.
    painter.setPen(QPen(QColor(0xa0, 0xb4, 0xcc), 3, Qt::SolidLine, Qt::RoundCap));
    for (int y = 88; y <= 108; y += 10)
        painter.drawLine(34, y, 94, y);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(56);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x2b, 0x57, 0x9a));
    painter.drawText(QRect(22, 20, 84, 62), Qt::AlignCenter, QStringLiteral("T"));
    return picture;
}

} // namespace online
