#include "seitezahlenwahl.h"

#include "ankreuzfeld.h"
#include "groesstezahl.h"
#include "kamera.h"
#include "rueckmeldungzeigen.h"
#include "statistiktafel.h"
#include "systemanwenden.h"
#include "systembeschreibung.h"
#include "zahlenwahl.h"
#include "zufall.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int KnopfBreite = 32;
constexpr int KnopfHoehe = 26;
constexpr int KnopfAbstand = 2;

// The three looks of a board button; the property "art" tells them apart for tests.
const char *const ArtNormal = "normal";
const char *const ArtPool = "pool";
const char *const ArtBank = "bank";

QString Knopfstil(const char *art)
{
    const QString vorlage = QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                                           " border-radius: 3px; }"
                                           "QPushButton:hover { border: 1px solid #202020; }"
                                           "QPushButton:pressed { background-color: %4; }");
    if (qstrcmp(art, ArtPool) == 0)
        return vorlage.arg(QStringLiteral("#1f5faf"), QStringLiteral("white"), QStringLiteral("#143f75"),
                           QStringLiteral("#174c8e"));
    if (qstrcmp(art, ArtBank) == 0)
        return vorlage.arg(QStringLiteral("#32cd32"), QStringLiteral("black"), QStringLiteral("#1e8c1e"),
                           QStringLiteral("#28a828"));
    return vorlage.arg(QStringLiteral("#ececec"), QStringLiteral("#202020"), QStringLiteral("#a0a0a0"),
                       QStringLiteral("#d0d0d0"));
}

QLabel *Anzeigefeld(const QString &name, const QString &text, QWidget *parent)
{
    auto *feld = new QLabel(text, parent);
    feld->setObjectName(name);
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(36);
    feld->setFixedHeight(22);
    QFont fett = feld->font();
    fett.setBold(true);
    feld->setFont(fett);
    return feld;
}

QLabel *Beschriftung(const QString &text, QWidget *parent, bool fett = false)
{
    auto *label = new QLabel(text, parent);
    if (fett) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

// A die showing five, for the random choice.
QIcon Wuerfelsymbol()
{
    QPixmap bild(22, 22);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    maler.setBrush(Qt::white);
    maler.drawRoundedRect(QRectF(1.5, 1.5, 19, 19), 4, 4);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0xc0, 0x10, 0x10));
    for (const QPointF p :
         {QPointF(6.5, 6.5), QPointF(15.5, 6.5), QPointF(11, 11), QPointF(6.5, 15.5), QPointF(15.5, 15.5)})
        maler.drawEllipse(p, 2.0, 2.0);
    return QIcon(bild);
}

// The program's name on a blue tag, the link to the vendor's web page.
QPixmap Logobild()
{
    QPixmap bild(118, 30);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0x1f, 0x5f, 0xaf));
    maler.drawRoundedRect(QRectF(0.5, 0.5, 117, 29), 6, 6);
    maler.setBrush(QColor(0x32, 0xcd, 0x32));
    maler.drawEllipse(QPointF(15, 15), 8, 8);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(13);
    maler.setFont(schrift);
    maler.setPen(Qt::white);
    maler.drawText(QRect(28, 0, 88, 30), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Kombiwerk"));
    return bild;
}

} // namespace

SeiteZahlenwahl::SeiteZahlenwahl(Reihenkontext zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    // PFoto2, the part the screenshot button captures: header, number board and statistics.
    auto *foto = m_pFoto2 = new QWidget(this);
    foto->setObjectName(QStringLiteral("PFoto2"));
    auto *fotoLayout = new QVBoxLayout(foto);
    fotoLayout->setContentsMargins(0, 0, 0, 0);
    fotoLayout->setSpacing(4);
    fotoLayout->addWidget(kopfBauen());

    auto *mitte = new QHBoxLayout;
    mitte->setSpacing(10);
    mitte->addWidget(zahlentafelBauen(), 0, Qt::AlignTop);
    m_statistik = Statistiktafel::FuerTippreihen(this);
    mitte->addWidget(m_statistik, 0, Qt::AlignTop);
    mitte->addStretch();
    fotoLayout->addLayout(mitte);
    layout->addWidget(foto);
    layout->addWidget(fussBauen());
    layout->addStretch();

    // At the foot, the logo leads to the vendor's web page.
    auto *logo = new QToolButton(this);
    logo->setObjectName(QStringLiteral("Image5"));
    logo->setIcon(Logobild());
    logo->setIconSize(Logobild().size());
    logo->setAutoRaise(true);
    logo->setCursor(Qt::PointingHandCursor);
    logo->setToolTip(QStringLiteral("Zur Internetseite von Kombiwerk"));
    layout->addWidget(logo, 0, Qt::AlignRight);
    connect(logo, &QToolButton::clicked, this, &SeiteZahlenwahl::logoGeklickt);
}

QWidget *SeiteZahlenwahl::kopfBauen()
{
    auto *kopf = new QWidget(this);
    auto *zeile = new QHBoxLayout(kopf);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(8);

    zeile->addWidget(Beschriftung(QStringLiteral("Systembe-\nschreibung:"), kopf, true), 0, Qt::AlignTop);
    auto *beschreibung = m_beschreibung = new QLabel(kopf);
    beschreibung->setObjectName(QStringLiteral("LBeschreibung"));
    beschreibung->setWordWrap(true);
    beschreibung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    beschreibung->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    beschreibung->setMargin(3);
    // Room for the longest description (three lines), so the page does not shift when one comes.
    beschreibung->setFixedHeight(std::max(46,
                                          3 * beschreibung->fontMetrics().lineSpacing() + 2 * beschreibung->margin()
                                              + 2 * beschreibung->frameWidth()));
    beschreibung->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    zeile->addWidget(beschreibung, 1);

    zeile->addWidget(Beschriftung(QStringLiteral("System-\nanforderung:"), kopf, true), 0, Qt::AlignTop);
    auto *anforderung = new QGridLayout;
    anforderung->setVerticalSpacing(2);
    anforderung->addWidget(Beschriftung(QStringLiteral("Wahlzahlen"), kopf), 0, 0);
    m_pPool = Anzeigefeld(QStringLiteral("PPool"), QString(), kopf);
    anforderung->addWidget(m_pPool, 0, 1);
    anforderung->addWidget(Beschriftung(QStringLiteral("plus Bankzahlen"), kopf), 1, 0);
    m_pBZ = Anzeigefeld(QStringLiteral("PBZ"), QString(), kopf);
    anforderung->addWidget(m_pBZ, 1, 1);
    zeile->addLayout(anforderung);

    auto *foto = new QPushButton(kopf);
    foto->setObjectName(QStringLiteral("BFoto2"));
    foto->setIcon(Kamerasymbol());
    foto->setIconSize(QSize(22, 22));
    foto->setToolTip(QStringLiteral("Bildschirmfoto von Zahlentafel und Statistik"));
    foto->setFixedSize(30, 30);
    connect(foto, &QPushButton::clicked, this, [this] { emit abbildAngefordert(m_pFoto2); });
    zeile->addWidget(foto, 0, Qt::AlignTop);
    return kopf;
}

QWidget *SeiteZahlenwahl::zahlentafelBauen()
{
    auto *spalte = new QWidget(this);
    auto *spalteLayout = new QVBoxLayout(spalte);
    spalteLayout->setContentsMargins(0, 0, 0, 0);
    spalteLayout->setSpacing(6);

    auto *zahlen = new QFrame(spalte);
    zahlen->setObjectName(QStringLiteral("PZahlen"));
    zahlen->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);

    auto *gruppe = new QGroupBox(zahlen);
    gruppe->setObjectName(QStringLiteral("GrBox7"));
    auto *gruppeLayout = new QVBoxLayout(gruppe);
    gruppeLayout->setContentsMargins(6, 2, 6, 3);
    gruppeLayout->setSpacing(4);
    auto *anleitung = new QLabel(
        QStringLiteral("Wählen Sie zunächst die wechselnden Tippzahlen, im Anschluss die Bankzahl(en)."), gruppe);
    anleitung->setWordWrap(true);
    gruppeLayout->addWidget(anleitung);
    auto *zaehler = new QHBoxLayout;
    zaehler->setSpacing(6);
    zaehler->addWidget(Beschriftung(QStringLiteral("Wahlzahlen"), gruppe));
    m_ppz = Anzeigefeld(QStringLiteral("PPZ"), QStringLiteral("0"), gruppe);
    zaehler->addWidget(m_ppz);
    zaehler->addSpacing(10);
    zaehler->addWidget(Beschriftung(QStringLiteral("Bankzahlen"), gruppe));
    m_pbz2 = Anzeigefeld(QStringLiteral("PBZ2"), QStringLiteral("0"), gruppe);
    zaehler->addWidget(m_pbz2);
    zaehler->addStretch();
    auto *loeschen = new QPushButton(gruppe);
    loeschen->setObjectName(QStringLiteral("BLoeschen"));
    loeschen->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    loeschen->setToolTip(QStringLiteral("Alle gewählten Zahlen löschen"));
    loeschen->setFixedSize(30, 24);
    zaehler->addWidget(loeschen);
    gruppeLayout->addLayout(zaehler);

    const int tafelBreite = 10 * (KnopfBreite + KnopfAbstand) - KnopfAbstand + 8;
    const int gruppeHoehe = gruppe->sizeHint().height();
    gruppe->setGeometry(0, 0, tafelBreite, gruppeHoehe);
    zahlen->setFixedSize(tafelBreite, 10 * KnopfHoehe + gruppeHoehe + 20);

    QFont knopfSchrift = font();
    knopfSchrift.setPointSize(9);
    knopfSchrift.setBold(true);
    const QString normal = Knopfstil(ArtNormal);
    for (int n = 1; n <= 100; ++n) {
        auto *knopf = new QPushButton(QString::number(n), zahlen);
        knopf->setObjectName(QStringLiteral("lot%1").arg(n));
        knopf->setFont(knopfSchrift);
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setProperty("art", ArtNormal);
        knopf->setStyleSheet(normal);
        const int r = (n - 1) / 10;
        const int c = (n - 1) % 10;
        knopf->setGeometry(4 + c * (KnopfBreite + KnopfAbstand), gruppeHoehe + 8 + r * KnopfHoehe, KnopfBreite,
                           KnopfHoehe);
        connect(knopf, &QPushButton::clicked, this, [this, n] {
            RueckmeldungZeigen(this, TafelKlick(m_zustand, n));
            knopfAktualisieren(n);
            zaehlerAktualisieren();
        });
        m_lot[std::size_t(n - 1)] = knopf;
    }
    spalteLayout->addWidget(zahlen);

    auto *zufall = new QGroupBox(QStringLiteral("Alternative Zufallswahl"), spalte);
    auto *zufallLayout = new QHBoxLayout(zufall);
    zufallLayout->setContentsMargins(6, 2, 6, 4);
    zufallLayout->setSpacing(6);
    auto *zwischen = new QPushButton(QStringLiteral("Aus Zwischen-\nablage einfügen"), zufall);
    zwischen->setObjectName(QStringLiteral("BZwischen"));
    connect(zwischen, &QPushButton::clicked, this, &SeiteZahlenwahl::zwischenablageWerkzeugAngefordert);
    auto *alle = new QPushButton(QStringLiteral("Alle Zahlen"), zufall);
    alle->setObjectName(QStringLiteral("bsSkinSpeedButton18"));
    auto *einsBis = new QPushButton(QStringLiteral("1 bis WZ"), zufall);
    einsBis->setObjectName(QStringLiteral("BEinsBis"));
    auto *wuerfel = new QPushButton(zufall);
    wuerfel->setObjectName(QStringLiteral("BZufall"));
    wuerfel->setIcon(Wuerfelsymbol());
    wuerfel->setIconSize(QSize(22, 22));
    wuerfel->setToolTip(QStringLiteral("Zufallswahl"));
    for (QPushButton *knopf : {zwischen, alle, einsBis, wuerfel}) {
        knopf->setMinimumHeight(34);
        zufallLayout->addWidget(knopf);
    }
    wuerfel->setFixedWidth(40);
    spalteLayout->addWidget(zufall);

    connect(loeschen, &QPushButton::clicked, this, [this] {
        ZahlenLoeschen(m_zustand);
        bulkAbschliessen();
    });
    connect(alle, &QPushButton::clicked, this, [this] {
        AlleZahlenWaehlen(m_zustand);
        bulkAbschliessen();
    });
    connect(einsBis, &QPushButton::clicked, this, [this] {
        const Rueckmeldung meldung = EinsBisWZ(m_zustand);
        if (meldung)
            RueckmeldungZeigen(this, meldung);
        else
            bulkAbschliessen();
    });
    connect(wuerfel, &QPushButton::clicked, this, [this] {
        Zufallsgenerator generator;
        generator.vonUhrSetzen();
        const Rueckmeldung meldung = Zufallswahl(m_zustand, generator);
        if (meldung)
            RueckmeldungZeigen(this, meldung);
        else
            bulkAbschliessen();
    });
    return spalte;
}

QWidget *SeiteZahlenwahl::fussBauen()
{
    auto *fuss = new QWidget(this);
    auto *zeile = new QHBoxLayout(fuss);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(10);

    auto *mischenSpalte = new QVBoxLayout;
    mischenSpalte->setSpacing(0);
    m_mischen = new Ankreuzfeld(QStringLiteral("Systemreihen variieren"), fuss);
    m_mischen->setObjectName(QStringLiteral("cbMischen"));
    mischenSpalte->addWidget(m_mischen);
    auto *erklaerung = new QLabel(QStringLiteral("(Die Tippzahlen werden vor der Reihenbildung per Zufall neu "
                                                 "angeordnet, also nicht der Größe nach)"),
                                  fuss);
    erklaerung->setWordWrap(true);
    erklaerung->setIndent(20);
    mischenSpalte->addWidget(erklaerung);
    zeile->addLayout(mischenSpalte, 1);

    auto *verteilung = new QPushButton(QStringLiteral("Verteilung anzeigen"), fuss);
    verteilung->setObjectName(QStringLiteral("BStatBilden"));
    auto *bilden = new QPushButton(QStringLiteral("Tippreihen bilden"), fuss);
    bilden->setObjectName(QStringLiteral("BRBilden"));
    QFont fett = bilden->font();
    fett.setBold(true);
    bilden->setFont(fett);
    for (QPushButton *knopf : {verteilung, bilden}) {
        knopf->setMinimumSize(140, 34);
        zeile->addWidget(knopf, 0, Qt::AlignVCenter);
    }

    connect(verteilung, &QPushButton::clicked, this, [this] { tippreihenBilden(false); });
    connect(bilden, &QPushButton::clicked, this, [this] {
        if (tippreihenBilden(true))
            emit zuTippreihen();
    });
    return fuss;
}

void SeiteZahlenwahl::zahlenwahl(int n)
{
    RueckmeldungZeigen(this, Zahlenwahl(m_zustand, n));
    if (n >= 1 && n <= 100)
        knopfAktualisieren(n);
    zaehlerAktualisieren();
}

void SeiteZahlenwahl::knopfAktualisieren(int n)
{
    QPushButton *knopf = m_lot[std::size_t(n - 1)];
    const char *art = m_zustand.reihen.Bankzahlmenge.enthaelt(n) ? ArtBank
        : m_zustand.reihen.Poolmenge.enthaelt(n)                 ? ArtPool
                                                                 : ArtNormal;
    if (knopf->property("art").toByteArray() == art)
        return;
    knopf->setProperty("art", art);
    knopf->setStyleSheet(Knopfstil(art));
}

void SeiteZahlenwahl::zaehlerAktualisieren()
{
    m_ppz->setText(QString::number(m_zustand.reihen.PoolAnzahl));
    m_pbz2->setText(QString::number(m_zustand.reihen.BankzahlenAnzahl));
}

void SeiteZahlenwahl::tafelAktualisieren()
{
    for (int n = 1; n <= 100; ++n)
        knopfAktualisieren(n);
    zaehlerAktualisieren();
}

void SeiteZahlenwahl::bulkAbschliessen()
{
    // The bulk choices show the board as the largest draw number allows and reset the statistics.
    groessteZahlSetzen(m_zustand.auswahl.biggestZZ);
    tafelAktualisieren();
    m_statistik->zuruecksetzen();
}

void SeiteZahlenwahl::systemAnzeigen(const Systemwahl &wahl)
{
    m_beschreibung->setText(wahl.beschreibung);
    m_pPool->setText(wahl.pool);
    if (wahl.bankzahlenZeigen)
        m_pBZ->setText(wahl.bankzahlen);
}

void SeiteZahlenwahl::groessteZahlSetzen(int groesste)
{
    for (int n = 1; n <= 100; ++n)
        m_lot[std::size_t(n - 1)]->setVisible(n <= groesste);
    m_statistik->groessteZahlSetzen(groesste);
}

bool SeiteZahlenwahl::tippreihenBilden(bool reihen)
{
    Zufallsgenerator generator;
    generator.vonUhrSetzen();
    const Anwendungsergebnis ergebnis = SystemAnwenden(m_zustand, reihen, m_mischen->isChecked(), generator);
    if (ergebnis.vorbereitet) {
        m_statistik->anzeigen(m_zustand.reihen.Zahlenhaeufigkeit, ergebnis.reihenAnzahl);
        emit reihenVorbereitet(ergebnis.gebildet);
    }
    RueckmeldungZeigen(this, ergebnis.meldung);
    // Without a system nothing else happens; otherwise the test figures follow the attempt.
    if (reihen && m_zustand.auswahl.Systemindex >= 0)
        emit testzahlenFaellig();
    return ergebnis.gebildet;
}
