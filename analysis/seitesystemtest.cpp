#include "seitesystemtest.h"

#include "ankreuzfeld.h"
#include "auswahlzustand.h"
#include "eigenertest.h"
#include "kamera.h"
#include "katalog.h"
#include "katalogzustand.h"
#include "meldungen.h"
#include "routinen.h"
#include "systemanwenden.h"
#include "systembeschreibung.h"
#include "testlaeufer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int G2Zeilenhoehe = 17;
constexpr int Gaugeschritte = 1000;

// g2DrawCell: the result cells in their colours and sizes; the fixed row and column look like
// the grid's own captions.
class G2Zeichner : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int zeile = index.row();
        const int spalte = index.column();
        const QString text = index.data().toString();
        painter->save();
        QFont schrift = option.font;
        schrift.setBold(false);
        schrift.setItalic(false);
        int ausrichtung = Qt::AlignCenter;
        if (zeile == 0 || spalte == 0) {
            painter->fillRect(option.rect, option.palette.button());
            painter->setPen(option.palette.color(QPalette::Mid));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            painter->setPen(option.palette.color(QPalette::ButtonText));
            // Captions shrink until they fit their column ("Kombinationen", "10 Treffer").
            schrift.setPointSize(7);
            while (schrift.pointSize() > 6 && QFontMetrics(schrift).horizontalAdvance(text) > option.rect.width() - 4)
                schrift.setPointSize(schrift.pointSize() - 1);
            if (spalte == 0)
                ausrichtung = Qt::AlignLeft | Qt::AlignVCenter;
        } else {
            const QString spalte1 = index.sibling(zeile, 1).data().toString();
            QColor farbe = Qt::white;
            switch (G2Hintergrund(zeile, spalte, text, spalte1)) {
            case G2Farbe::Gruen:
                farbe = QColor(0, 213, 0);
                break;
            case G2Farbe::Gelb:
                farbe = QColor(220, 243, 141);
                break;
            case G2Farbe::Weiss:
                break;
            }
            painter->fillRect(option.rect, farbe);
            painter->setPen(QColor(192, 192, 192));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
            painter->setPen(Qt::black);
            schrift.setPointSize(G2Schriftgroesse(spalte, text));
            // The screen font may be wider than the grid was laid out for: never cut a figure.
            while (schrift.pointSize() > 6 && QFontMetrics(schrift).horizontalAdvance(text) > option.rect.width() - 4)
                schrift.setPointSize(schrift.pointSize() - 1);
        }
        painter->setFont(schrift);
        painter->drawText(option.rect.adjusted(2, 0, -2, 0), ausrichtung, text);
        painter->restore();
    }
};

} // namespace

SeiteSystemtest::SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, Testlaeufer *laeufer,
                                 QWidget *parent)
    : QWidget(parent), m_katalog(katalog), m_auswahl(auswahl), m_laeufer(laeufer ? laeufer : new Testlaeufer(this))
{
    aufbauen();
    connect(m_laeufer, &Testlaeufer::fortschritt, this, &SeiteSystemtest::fortschrittZeigen);
    connect(m_laeufer, &Testlaeufer::beendet, this, &SeiteSystemtest::beendet);
}

SeiteSystemtest::SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, QWidget *parent)
    : SeiteSystemtest(katalog, auswahl, nullptr, parent)
{ }

QString SeiteSystemtest::KeinSystemText()
{
    return QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab.");
}

void SeiteSystemtest::aufbauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);

    // Description and figure side by side, the start row below: the grid needs the height.
    auto *gruppe = new QGroupBox(QStringLiteral("Zu testendes System"), this);
    auto *raster = new QGridLayout(gruppe);
    raster->setContentsMargins(8, 2, 8, 4);
    raster->setVerticalSpacing(4);
    auto *beschreibung = m_beschreibung = new QLabel(Beschreibungsanfang(), gruppe);
    beschreibung->setObjectName(QStringLiteral("LBeschreibung2"));
    beschreibung->setWordWrap(true);
    beschreibung->setMinimumHeight(32);
    raster->addWidget(beschreibung, 0, 0, 1, 4);
    auto *label2 = new QLabel(QStringLiteral("Rechenoperationen:"), gruppe);
    label2->setObjectName(QStringLiteral("Label2"));
    raster->addWidget(label2, 1, 0);
    auto *kombiAnz = m_kombiAnz = new QLabel(gruppe);
    kombiAnz->setObjectName(QStringLiteral("LKombiAnz"));
    kombiAnz->setAlignment(Qt::AlignCenter);
    kombiAnz->setFrameShape(QFrame::Panel);
    kombiAnz->setFrameShadow(QFrame::Sunken);
    kombiAnz->setMinimumWidth(140);
    raster->addWidget(kombiAnz, 1, 1, Qt::AlignLeft);
    raster->setColumnStretch(2, 1);
    auto *abbild = new QPushButton(Kamerasymbol(), QString(), gruppe);
    abbild->setIconSize(QSize(22, 22));
    abbild->setObjectName(QStringLiteral("bsSkinSpeedButton33"));
    abbild->setToolTip(QStringLiteral("Bildschirmfoto des Systemtests"));
    connect(abbild, &QPushButton::clicked, this, [this] { emit abbildAngefordert(m_pFoto); });
    raster->addWidget(abbild, 1, 3, Qt::AlignRight);
    // PFoto, the part the screenshot button captures: the system, the start row and the results.
    m_pFoto = new QWidget(this);
    m_pFoto->setObjectName(QStringLiteral("PFoto"));
    auto *fotoLayout = new QVBoxLayout(m_pFoto);
    fotoLayout->setContentsMargins(0, 0, 0, 0);
    fotoLayout->setSpacing(4);
    fotoLayout->addWidget(gruppe);

    auto *start = new QHBoxLayout;
    start->setSpacing(10);
    m_doppelt = new Ankreuzfeld(QStringLiteral("Doppel- Prüfung"), this);
    m_doppelt->setObjectName(QStringLiteral("cbDoppeltEgal"));
    m_doppelt->setChecked(true);
    connect(m_doppelt, &QCheckBox::toggled, this, &SeiteSystemtest::doppelPruefungGeaendert);
    start->addWidget(m_doppelt);
    m_testen = new QPushButton(this);
    m_testen->setObjectName(QStringLiteral("BTesten"));
    m_testen->setMinimumSize(130, 28);
    startknopfSetzen(false);
    start->addWidget(m_testen);
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    start->addWidget(m_gauge, 1);
    fotoLayout->addLayout(start);

    auto *auswertung = new QGroupBox(QStringLiteral("Systemauswertung"), this);
    auto *auswertungLayout = new QVBoxLayout(auswertung);
    auswertungLayout->setContentsMargins(8, 0, 8, 4);
    auswertungLayout->setSpacing(2);
    m_abbruch = new QLabel(QStringLiteral("Auswertung wurde abgebrochen"), auswertung);
    m_abbruch->setObjectName(QStringLiteral("LAbbruch"));
    m_abbruch->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    // Hidden, it keeps its place, so the grid does not jump when it appears.
    QSizePolicy politik = m_abbruch->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    m_abbruch->setSizePolicy(politik);
    m_abbruch->hide();
    auswertungLayout->addWidget(m_abbruch);

    m_g2 = new QTableWidget(G2Zeilen, G2Spalten, auswertung);
    m_g2->setObjectName(QStringLiteral("g2"));
    m_g2->horizontalHeader()->hide();
    m_g2->verticalHeader()->hide();
    m_g2->verticalHeader()->setMinimumSectionSize(G2Zeilenhoehe);
    m_g2->verticalHeader()->setDefaultSectionSize(G2Zeilenhoehe);
    m_g2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_g2->horizontalHeader()->setMinimumSectionSize(20);
    m_g2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const auto breiten = G2Spaltenbreiten();
    int breite = 0;
    for (int s = 0; s < G2Spalten; ++s) {
        m_g2->setColumnWidth(s, breiten[std::size_t(s)]);
        breite += breiten[std::size_t(s)];
    }
    m_g2->setShowGrid(false);
    m_g2->setSelectionMode(QAbstractItemView::NoSelection);
    m_g2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_g2->setFocusPolicy(Qt::NoFocus);
    m_g2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_g2->setWordWrap(false);
    m_g2->setItemDelegate(new G2Zeichner(m_g2));
    m_g2->setFixedSize(breite + 2 * m_g2->frameWidth(), G2Zeilen * G2Zeilenhoehe + 2 * m_g2->frameWidth());
    for (int z = 0; z < G2Zeilen; ++z)
        for (int s = 0; s < G2Spalten; ++s)
            m_g2->setItem(z, s, new QTableWidgetItem);
    m_tabelle = G2Fuellen();
    tabelleZeigen();
    auswertungLayout->addWidget(m_g2, 0, Qt::AlignHCenter);
    fotoLayout->addWidget(auswertung);
    layout->addWidget(m_pFoto);

    auto *hinweis = new QLabel(Bankzahlhinweis(), this);
    hinweis->setObjectName(QStringLiteral("bsSkinStdLabel19"));
    hinweis->setWordWrap(true);
    QFont klein = hinweis->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    hinweis->setFont(klein);
    layout->addWidget(hinweis);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(10);
    auto *pro = new QPushButton(QStringLiteral("Systemtest Pro..."), this);
    pro->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    pro->setMinimumSize(150, 28);
    connect(pro, &QPushButton::clicked, this, [this] { emit systemtestProAngefordert(m_beschreibung->text()); });
    knoepfe->addWidget(pro);
    knoepfe->addStretch();
    m_fehlt = new QPushButton(QStringLiteral("Auftreten der Kombinationen"), this);
    m_fehlt->setObjectName(QStringLiteral("BFehlt"));
    m_fehlt->setMinimumSize(210, 28);
    m_fehlt->setEnabled(false);
    knoepfe->addWidget(m_fehlt);
    layout->addLayout(knoepfe);

    connect(m_testen, &QPushButton::clicked, this, &SeiteSystemtest::BTestenClick);
    connect(m_fehlt, &QPushButton::clicked, this, &SeiteSystemtest::auftretenAngefordert);
}

void SeiteSystemtest::testzahlenSetzen()
{
    const int index = m_auswahl.Systemindex;
    if (index < 0 || index >= int(m_katalog.Systemliste.size()))
        return;
    const TSysteme &s = m_katalog.Systemliste[std::size_t(index)];
    m_kombiAnz->setText(QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, s.WZ, s.RG, 2))));
    m_beschreibung->setText(m_auswahl.Systembeschreibung);
}

bool SeiteSystemtest::zumTestVorbereiten()
{
    const int index = m_auswahl.Systemindex;
    if (index < 0 || index >= int(m_katalog.Systemliste.size())) {
        Meldungen::Information(this, KeinSystemText());
        return false;
    }
    testzahlenSetzen();
    return true;
}

void SeiteSystemtest::tabelleZeigen()
{
    for (int z = 0; z < G2Zeilen; ++z)
        for (int s = 0; s < G2Spalten; ++s)
            m_g2->item(z, s)->setText(m_tabelle[std::size_t(z)][std::size_t(s)]);
}

void SeiteSystemtest::startknopfSetzen(bool laeuft)
{
    m_testen->setText(laeuft ? QStringLiteral("Test stoppen") : QStringLiteral("Test starten"));
    m_testen->setIcon(style()->standardIcon(laeuft ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

void SeiteSystemtest::BTestenClick()
{
    // A start while a test runs only stops it; an own-rows test also loses its gauge.
    if (m_laeufer->eigenenTestStoppen()) {
        m_gauge->setValue(m_gauge->minimum());
        return;
    }
    if (m_laeufer->stoppen())
        return;

    const int index = m_auswahl.Systemindex;
    if (index < 0 || index >= int(m_katalog.Systemliste.size())) {
        if (m_eigeneReihenText)
            emit eigenerTestAngefordert();
        else
            Meldungen::Information(this, KeinSystemText());
        return;
    }
    if (m_beschreibung->text() == Beschreibungsanfang())
        m_beschreibung->setText(m_auswahl.Systembeschreibung);

    const TSysteme s = m_katalog.Systemliste[std::size_t(index)];
    const int rg = s.RG;
    const int wz = s.WZ;
    // The lottery's numbers that are neither in the pool nor bankers.
    const int d = m_auswahl.biggestZZ - wz - (m_auswahl.Tippreihengroesse - rg);
    const int kmin = MindestTreffer(rg, d);
    m_kombiAnz->setText(QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, wz, rg, kmin))));

    startknopfSetzen(true);
    m_abbruch->hide();
    m_fehlt->setEnabled(false);
    const std::int64_t kombinationen = KombinationenZaehlen(wz, rg, kmin);
    m_schritt = std::uint64_t(std::max<std::int64_t>(1, kombinationen / Gaugeschritte));
    m_gauge->setRange(0, Gaugeschritte);
    m_gauge->setValue(0);
    GridLeeren(m_tabelle);
    tabelleZeigen();
    m_ergebnis = Trefferergebnis{};
    m_wz = wz;
    m_kmin = kmin;
    m_kmax = rg;

    std::vector<Reihenmenge> reihen;
    if (index >= m_katalog.AnzahlStandardsysteme) {
        const Eigensystemdaten daten = EigensystemLaden(m_katalog, index);
        if (daten.fehlt || daten.gelesen.fehler != EsyFehler::Keiner) {
            startknopfSetzen(false);
            if (daten.fehlt)
                Meldungen::Information(this,
                                       QStringLiteral("Die für das Spielsystem benötigte Tippreihen-Datei ")
                                           + daten.dateiname
                                           + QStringLiteral(" wurde nicht gefunden.\n\nIch muss abbrechen."));
            else
                Meldungen::Fehler(this, ReihendateiMeldung(daten.gelesen));
            return;
        }
        reihen = daten.reihen;
    }

    if (s.GA >= s.RG) {
        // Every k-subset lies in some row of a full system: nothing to enumerate.
        if (!m_laeufer->direktBeginnen()) {
            startknopfSetzen(false);
            return;
        }
        for (int k = kmin; k <= rg; ++k)
            G2VollsystemEintragen(m_tabelle, wz, k);
        m_ergebnis = VollsystemErgebnis(wz, kmin, rg);
        m_laeufer->direktBeenden();
        tabelleZeigen();
        laufEnde(false);
        return;
    }

    if (index < m_katalog.AnzahlStandardsysteme) {
        const auto katalogReihen = KatalogReihenmengen(index);
        if (!katalogReihen) {
            startknopfSetzen(false);
            Meldungen::Fehler(this, QStringLiteral("Die Daten dieses Systems sind fehlerhaft.\n\nIch muss abbrechen."));
            return;
        }
        reihen = *katalogReihen;
    }

    Trefferauftrag auftrag;
    auftrag.reihen = std::move(reihen);
    auftrag.wz = wz;
    auftrag.kmin = kmin;
    auftrag.kmax = rg;
    auftrag.auftreten = Auftreten::Liste;
    switch (m_laeufer->starten(std::move(auftrag))) {
    case Testlaeufer::Start::Gestartet:
        m_meinLauf = m_laeufer->lauf();
        break;
    case Testlaeufer::Start::Stoppanfrage:
        // Cannot happen here (checked above); the running test has been asked to stop.
        startknopfSetzen(false);
        break;
    case Testlaeufer::Start::Fehlgeschlagen:
        startknopfSetzen(false);
        Meldungen::Fehler(this, TrefferFehlertext(Trefferfehler::ZuWenigSpeicher));
        break;
    }
}

bool SeiteSystemtest::doppelPruefung() const
{
    return m_doppelt->isChecked();
}

bool SeiteSystemtest::eigenenTestStarten(const Eigentest &test, bool eigenerTest)
{
    if (m_laeufer->stoppen())
        return false;
    m_kombiAnz->setText(QLocale().toString(qlonglong(test.rechenoperationen)));
    startknopfSetzen(true);
    m_abbruch->hide();
    m_fehlt->setEnabled(false);
    const std::int64_t kombinationen = KombinationenZaehlen(test.wz, test.rg, test.kmin);
    m_schritt = std::uint64_t(std::max<std::int64_t>(1, kombinationen / Gaugeschritte));
    m_gauge->setRange(0, Gaugeschritte);
    m_gauge->setValue(0);
    GridLeeren(m_tabelle);
    tabelleZeigen();
    m_beschreibung->clear();
    m_ergebnis = Trefferergebnis{};
    m_wz = test.wz;
    m_kmin = test.kmin;
    m_kmax = test.rg;
    m_eigenTr = test.tr;

    switch (m_laeufer->starten(test.auftrag, eigenerTest)) {
    case Testlaeufer::Start::Gestartet:
        m_meinLauf = m_laeufer->lauf();
        m_eigenerLauf = true;
        return true;
    case Testlaeufer::Start::Stoppanfrage:
        startknopfSetzen(false);
        return false;
    case Testlaeufer::Start::Fehlgeschlagen:
        break;
    }
    startknopfSetzen(false);
    Meldungen::Fehler(this, TrefferFehlertext(Trefferfehler::ZuWenigSpeicher));
    return false;
}

void SeiteSystemtest::fortschrittZeigen(quint64 erledigt)
{
    if (m_meinLauf == 0 || m_laeufer->lauf() != m_meinLauf)
        return;
    m_gauge->setValue(int(std::min<std::uint64_t>(Gaugeschritte, erledigt / m_schritt)));
}

void SeiteSystemtest::beendet(quint64 lauf)
{
    if (m_meinLauf == 0 || lauf != m_meinLauf)
        return;
    m_meinLauf = 0;
    const bool eigener = std::exchange(m_eigenerLauf, false);
    m_ergebnis = m_laeufer->ergebnis();
    if (m_ergebnis.fehler != Trefferfehler::Keiner) {
        startknopfSetzen(false);
        Meldungen::Fehler(this, TrefferFehlertext(m_ergebnis.fehler));
        if (eigener)
            emit eigenerTestBeendet(true, 0);
        return;
    }
    G2ErgebnisEintragen(m_tabelle, m_ergebnis, m_wz, m_kmin, m_kmax);
    tabelleZeigen();
    if (eigener) {
        const int garantie = EigeneGarantieErmitteln(m_ergebnis, m_wz);
        if (!m_ergebnis.abgebrochen)
            m_beschreibung->setText(EigeneReihenBeschreibung(m_wz, m_eigenTr, m_kmax, garantie));
        laufEnde(m_ergebnis.abgebrochen);
        emit eigenerTestBeendet(m_ergebnis.abgebrochen, garantie);
        return;
    }
    laufEnde(m_ergebnis.abgebrochen);
}

void SeiteSystemtest::laufEnde(bool abgebrochen)
{
    if (!abgebrochen)
        m_gauge->setValue(m_gauge->maximum());
    startknopfSetzen(false);
    m_abbruch->setVisible(abgebrochen);
    m_fehlt->setEnabled(!abgebrochen);
    emit testBeendet(abgebrochen);
}
