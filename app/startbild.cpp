#include "startbild.h"

#include "kbwversion.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

QPixmap StartbildZeichnen(qreal pixelverhaeltnis)
{
    QPixmap bild(QSize(400, 300) * pixelverhaeltnis);
    bild.setDevicePixelRatio(pixelverhaeltnis);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient himmel(0, 0, 0, 300);
    himmel.setColorAt(0.0, QColor(0x12, 0x3a, 0x73));
    himmel.setColorAt(1.0, QColor(0x05, 0x14, 0x2e));
    p.fillRect(QRect(0, 0, 400, 300), himmel);

    // Lottery balls along a gentle arc on the left.
    struct Kugel
    {
        int x, y, r, zahl;
        QColor farbe;
    };
    const std::array<Kugel, 6> kugeln{{{52, 92, 30, 7, QColor(0xe6, 0x39, 0x46)},
                                       {120, 66, 26, 12, QColor(0xf4, 0xa2, 0x61)},
                                       {76, 160, 28, 30, QColor(0x2a, 0x9d, 0x8f)},
                                       {150, 134, 24, 41, QColor(0xe9, 0xc4, 0x6a)},
                                       {40, 226, 22, 20, QColor(0x8e, 0x7d, 0xbe)},
                                       {118, 214, 26, 49, QColor(0x45, 0x7b, 0x9d)}}};
    QFont zahlen = p.font();
    zahlen.setBold(true);
    for (const Kugel &k : kugeln) {
        QRadialGradient glanz(k.x - k.r / 3.0, k.y - k.r / 3.0, k.r * 1.4);
        glanz.setColorAt(0.0, k.farbe.lighter(170));
        glanz.setColorAt(0.6, k.farbe);
        glanz.setColorAt(1.0, k.farbe.darker(160));
        p.setPen(Qt::NoPen);
        p.setBrush(glanz);
        p.drawEllipse(QPointF(k.x, k.y), k.r, k.r);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(QPointF(k.x, k.y), k.r * 0.55, k.r * 0.55);
        zahlen.setPixelSize(int(k.r * 0.6));
        p.setFont(zahlen);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QRectF(k.x - k.r, k.y - k.r, 2 * k.r, 2 * k.r), Qt::AlignCenter, QString::number(k.zahl));
    }

    QFont name = p.font();
    name.setPixelSize(32);
    name.setBold(true);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QRectF(180, 100, 216, 50), Qt::AlignCenter, QStringLiteral("Kombiwerk"));
    QFont unter = p.font();
    unter.setPixelSize(13);
    unter.setBold(false);
    p.setFont(unter);
    p.setPen(QColor(0xc8, 0xd8, 0xf0));
    p.drawText(QRectF(190, 148, 205, 60), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Systeme und Tippreihen für Zahlenlotterien"));
    p.setPen(QColor(0x90, 0xa8, 0xc8));
    p.drawText(QRectF(8, 272, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version " KBW_VERSION));
    return bild;
}
