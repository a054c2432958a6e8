#include "statistiktafel.h"

#include "systemanwenden.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int Titelhoehe = 20;

void FarbeSetzen(QWidget *feld, Tafelfarbe farbe)
{
    QPalette pal = feld->palette();
    switch (farbe) {
    case Tafelfarbe::Gruen:
        pal.setColor(QPalette::Window, QColor(0, 255, 0));
        break;
    case Tafelfarbe::Gelb:
        pal.setColor(QPalette::Window, QColor(255, 255, 0));
        break;
    case Tafelfarbe::Neutral:
        pal.setColor(QPalette::Window, feld->palette().color(QPalette::Button));
        break;
    }
    feld->setPalette(pal);
}

// Counts of up to four digits (full systems have up to 3000 rows) and the row counts of own
// systems must fit the narrow panel: first the letters move closer and lose their bold face,
// only then does the font get smaller.
void WertSetzen(QLabel *feld, int k)
{
    struct Stufe
    {
        bool fett;
        int abstand; // letter spacing in percent
        int groesse; // point size; 0 = the default size
    };
    static constexpr Stufe stufen[] = {{true, 100, 0}, {true, 92, 0},   {false, 100, 0}, {false, 92, 0},
                                       {false, 85, 0}, {false, 85, -1}, {false, 85, -2}, {false, 85, -3}};
    const QString text = QString::number(k);
    const int standard = QFont().pointSize() > 0 ? QFont().pointSize() : 9;
    const int platz = feld->width() - 2 * feld->frameWidth() - 1;
    QFont schrift = feld->font();
    for (const Stufe &stufe : stufen) {
        schrift.setBold(stufe.fett);
        schrift.setLetterSpacing(QFont::PercentageSpacing, stufe.abstand);
        schrift.setPointSize(std::max(6, standard + stufe.groesse));
        if (QFontMetrics(schrift).horizontalAdvance(text) <= platz)
            break;
    }
    feld->setFont(schrift);
    feld->setText(text);
}

} // namespace

Statistiktafel::Statistiktafel(const QString &titel, const QString &nummerPraefix, const QString &wertPraefix,
                               const Masse &masse, QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    const int w = masse.wertBreite;
    const int h = masse.wertHoehe;
    setFixedSize(10 * w + masse.zusatzBreite, Titelhoehe + 10 * h + 10 * 18 + 5);

    auto *kopf = new QLabel(titel, this);
    kopf->setGeometry(1, 1, width() - 2, Titelhoehe - 1);
    kopf->setAlignment(Qt::AlignCenter);
    kopf->setAutoFillBackground(true);
    QPalette kopfPalette = kopf->palette();
    kopfPalette.setColor(QPalette::Window, QColor(0x2e, 0x4a, 0x3c));
    kopfPalette.setColor(QPalette::WindowText, Qt::white);
    kopf->setPalette(kopfPalette);
    QFont kopfSchrift = kopf->font();
    kopfSchrift.setBold(true);
    kopf->setFont(kopfSchrift);

    QPalette schwarz;
    schwarz.setColor(QPalette::Window, QColor(0x00, 0x3c, 0x1e));
    schwarz.setColor(QPalette::WindowText, QColor(0x80, 0xff, 0xff));
    QFont fett = font();
    fett.setBold(true);

    for (int n = 1; n <= 100; ++n) {
        const int r = (n - 1) / 10;
        const int c = (n - 1) % 10;
        const int links = c * (w + 1) + masse.links;

        auto *nummer = new QLabel(QString::number(n), this);
        nummer->setObjectName(nummerPraefix + QString::number(n));
        nummer->setGeometry(links, r * (h + 18) + Titelhoehe + 3, 30, 15);
        nummer->setAlignment(Qt::AlignCenter);
        nummer->setAutoFillBackground(true);
        nummer->setPalette(schwarz);

        auto *wert = new QLabel(QStringLiteral("0"), this);
        wert->setObjectName(wertPraefix + QString::number(n));
        wert->setGeometry(links, r * (h + 18) + 18 + Titelhoehe, w, h);
        wert->setAlignment(Qt::AlignCenter);
        wert->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        wert->setFont(fett);
        wert->setAutoFillBackground(true);
        FarbeSetzen(wert, Tafelfarbe::Neutral);
        m_werte[std::size_t(n - 1)] = wert;
        m_nummern[std::size_t(n - 1)] = nummer;
    }
}

Statistiktafel *Statistiktafel::FuerTippreihen(QWidget *parent)
{
    auto *tafel = new Statistiktafel(QStringLiteral("Statistik für die getippten Zahlen"), QStringLiteral("PNummer"),
                                     QStringLiteral("PNummerWert"), Masse{30, 19, 4, 18}, parent);
    tafel->setObjectName(QStringLiteral("p1"));
    return tafel;
}

Statistiktafel *Statistiktafel::FuerEigeneReihen(QWidget *parent)
{
    auto *tafel = new Statistiktafel(QStringLiteral("Statistik für die Tippzahlen"), QStringLiteral("PNummerEin"),
                                     QStringLiteral("PNummerWertEin"), Masse{32, 18, 2, 20}, parent);
    tafel->setObjectName(QStringLiteral("P30"));
    return tafel;
}

void Statistiktafel::groessteZahlSetzen(int groesste)
{
    for (int n = 1; n <= 100; ++n) {
        m_nummern[std::size_t(n - 1)]->setVisible(n <= groesste);
        m_werte[std::size_t(n - 1)]->setVisible(n <= groesste);
    }
}

void Statistiktafel::zuruecksetzen()
{
    for (QLabel *wert : m_werte) {
        WertSetzen(wert, 0);
        FarbeSetzen(wert, Tafelfarbe::Neutral);
    }
}

void Statistiktafel::anzeigen(const std::array<int, 101> &zaehler, int reihen)
{
    for (int n = 1; n <= 100; ++n) {
        QLabel *wert = m_werte[std::size_t(n - 1)];
        WertSetzen(wert, zaehler[std::size_t(n)]);
        FarbeSetzen(wert, Anzeigefarbe(zaehler[std::size_t(n)], reihen));
    }
}

void NummernfelderSetzen(QWidget *wurzel, const QString &praefix, int anzahl, const QString &text)
{
    if (!wurzel)
        return;
    for (int i = 1; i <= anzahl; ++i) {
        if (auto *feld = wurzel->findChild<QLabel *>(praefix + QString::number(i))) {
            feld->setText(text);
            FarbeSetzen(feld, Tafelfarbe::Neutral);
        }
    }
}
