#include "kamera.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon Kamerasymbol()
{
    const QIcon thema = QIcon::fromTheme(QStringLiteral("camera-photo"));
    if (!thema.isNull())
        return thema;
    QPixmap bild(24, 24);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const QColor dunkel(0x30, 0x30, 0x38);
    // Body with the viewfinder hump, the lens in the middle, the release on top.
    QPainterPath koerper;
    koerper.addRoundedRect(QRectF(1.5, 7.5, 21, 13), 2.5, 2.5);
    koerper.addRect(QRectF(7.5, 4.5, 9, 4));
    maler.setPen(QPen(dunkel, 1));
    maler.setBrush(QColor(0x5a, 0x5f, 0x6a));
    maler.drawPath(koerper.simplified());
    maler.setBrush(QColor(0xf0, 0xf0, 0xf0));
    maler.drawEllipse(QPointF(12, 14), 4.6, 4.6);
    maler.setBrush(QColor(0x1f, 0x5f, 0xaf));
    maler.drawEllipse(QPointF(12, 14), 2.6, 2.6);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0xc0, 0x10, 0x10));
    maler.drawRect(QRectF(3.5, 5.5, 3, 2));
    return QIcon(bild);
}
