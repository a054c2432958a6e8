#include "symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const char *ThemenName(Werkzeugsymbol s)
{
    switch (s) {
    case Werkzeugsymbol::Beenden:
        return "application-exit";
    case Werkzeugsymbol::NueberK:
        return "accessories-dictionary";
    case Werkzeugsymbol::Kalender:
        return "x-office-calendar";
    case Werkzeugsymbol::Taschenrechner:
        return "accessories-calculator";
    case Werkzeugsymbol::Update:
        return "system-software-update";
    case Werkzeugsymbol::Position:
        return "document-save";
    case Werkzeugsymbol::Hilfe:
        return "help-browser";
    }
    return "";
}

QPixmap Zeichnen(Werkzeugsymbol s)
{
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blau(0x2a, 0x5d, 0xa8);
    const QColor dunkel(0x33, 0x33, 0x33);
    QPen stift(dunkel, 2.2);
    p.setPen(stift);
    switch (s) {
    case Werkzeugsymbol::Beenden:
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 7, 20, 20), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 4), QPointF(16, 15));
        break;
    case Werkzeugsymbol::NueberK: {
        p.setPen(QPen(blau, 2));
        p.drawArc(QRectF(3, 3, 8, 26), 100 * 16, 160 * 16);
        p.drawArc(QRectF(21, 3, 8, 26), -80 * 16, 160 * 16);
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(dunkel);
        p.drawText(QRectF(6, 3, 20, 13), Qt::AlignCenter, QStringLiteral("n"));
        p.drawText(QRectF(6, 16, 20, 13), Qt::AlignCenter, QStringLiteral("k"));
        break;
    }
    case Werkzeugsymbol::Kalender:
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 6, 24, 22), 2, 2);
        p.fillRect(QRectF(5, 7, 22, 6), QColor(0xc0, 0x20, 0x20));
        p.setPen(QPen(dunkel, 1.5));
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 3; ++y)
                p.drawPoint(QPointF(9 + x * 5, 17 + y * 4));
        p.setPen(QPen(dunkel, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 3), QPointF(10, 8));
        p.drawLine(QPointF(22, 3), QPointF(22, 8));
        break;
    case Werkzeugsymbol::Taschenrechner:
        p.setBrush(QColor(0xe8, 0xe8, 0xe8));
        p.drawRoundedRect(QRectF(6, 3, 20, 26), 3, 3);
        p.fillRect(QRectF(9, 6, 14, 6), QColor(0xb8, 0xd8, 0xa8));
        for (int x = 0; x < 3; ++x)
            for (int y = 0; y < 3; ++y)
                p.fillRect(QRectF(9 + x * 5, 15 + y * 4.5, 3.5, 3), dunkel);
        break;
    case Werkzeugsymbol::Update: {
        p.setPen(QPen(QColor(0x20, 0x90, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 270 * 16);
        QPainterPath pfeil;
        pfeil.moveTo(27, 4);
        pfeil.lineTo(27, 14);
        pfeil.lineTo(17, 12);
        pfeil.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x90, 0x40));
        p.drawPath(pfeil);
        break;
    }
    case Werkzeugsymbol::Position:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 8, 24, 18));
        p.fillRect(QRectF(5, 9, 23, 4), blau);
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 2), QPointF(16, 20));
        p.drawLine(QPointF(11, 15), QPointF(16, 20));
        p.drawLine(QPointF(21, 15), QPointF(16, 20));
        break;
    case Werkzeugsymbol::Hilfe: {
        p.setPen(Qt::NoPen);
        p.setBrush(blau);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont f = p.font();
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return bild;
}

} // namespace

QIcon SymbolFuer(Werkzeugsymbol symbol)
{
    return QIcon::fromTheme(QLatin1String(ThemenName(symbol)), QIcon(Zeichnen(symbol)));
}
