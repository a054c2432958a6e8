#include "seitesystemwahl.h"

#include "ankreuzfeld.h"
#include "ergebnisliste.h"
#include "hilfeaufruf.h"
#include "infozeichen.h"
#include "meldungen.h"
#include "optionsgruppe.h"
#include "systembeschreibung.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int HilfethemaSeite = 1040;

// Fixed widths of the columns that all five scale rows share, so that they line up.
constexpr int BreiteWert = 52;
constexpr int BreiteVergleich = 200;
constexpr int BreiteEgal = 64;
constexpr int BreiteInfo = 18;

const QString TextEgal = QStringLiteral("egal");
const QString TextInfo3 =
    QStringLiteral("Die Skala für die Gewinngarantie ist durch die Größe der Tippreihe beschränkt worden.");
const QString TextInfo4 = QStringLiteral(
    "Sie haben sich durch die Wahl der vollen Gewinngarantie für ein Vollsystem - gegebenenfalls mit Bankzahlen - "
    "entschieden, dessen Tippreihenanzahl feststeht. Daher wurden die Wahlmöglichkeiten an dieser Stelle "
    "deaktiviert.");
const QString TextInfo5 = QStringLiteral(
    "Die Skala für die Bankzahlen ist durch die Größe der Tippreihe oder die gewünschte Gewinngarantie beschränkt "
    "worden.");
const QString TextNichtsGelistet = QStringLiteral(
    "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre Filtereinstellungen.\n\nIch breche erst "
    "einmal ab.");
const QString TextNichtsGewaehlt =
    QStringLiteral("Bitte wählen Sie ein System aus der Liste.\n\nIch breche erst einmal ab.");

QSlider *SliderAnlegen(const QString &name, int min, int max, int wert, int schritt, int markenabstand, QWidget *eltern)
{
    auto *s = new QSlider(Qt::Horizontal, eltern);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setSingleStep(schritt);
    s->setPageStep(schritt * 5);
    s->setValue(wert);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(markenabstand);
    s->setMinimumWidth(200);
    return s;
}

QLabel *WertAnlegen(const QString &name, QWidget *eltern)
{
    auto *l = new QLabel(eltern);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setFixedWidth(BreiteWert);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

Ankreuzfeld *EgalAnlegen(const QString &name, QWidget *eltern)
{
    auto *cb = new Ankreuzfeld(TextEgal, eltern);
    cb->setObjectName(name);
    cb->setFixedWidth(BreiteEgal);
    return cb;
}

Optionsgruppe *VergleichAnlegen(const QString &name, const QStringList &eintraege, int wert, QWidget *eltern)
{
    auto *g = new Optionsgruppe(QString(), eintraege, eltern);
    g->setObjectName(name);
    g->setFlat(true);
    // The scale's own box frames it already; a second frame would only clutter the row.
    g->setStyleSheet(QStringLiteral("Optionsgruppe { border: none; margin: 0px; padding: 0px; }"));
    g->setFixedWidth(BreiteVergleich);
    if (QRadioButton *k = g->eintrag(wert))
        k->setChecked(true);
    return g;
}

// Stands in for a column that a row does not use, so that all rows keep the same columns.
QWidget *Luecke(int breite, QWidget *eltern)
{
    auto *w = new QWidget(eltern);
    w->setFixedSize(breite, 1);
    return w;
}

// A scale row: the slider takes the free width, the others keep their size.
void ZeileFuellen(QHBoxLayout *zeile, std::initializer_list<QWidget *> steuerelemente)
{
    bool erstes = true;
    for (QWidget *w : steuerelemente) {
        zeile->addWidget(w, erstes ? 1 : 0);
        erstes = false;
    }
}

Infozeichen *InfoAnlegen(const QString &name, const QString &hinweis, QWidget *eltern)
{
    auto *i = new Infozeichen(eltern);
    i->setObjectName(name);
    if (!hinweis.isEmpty())
        i->setToolTip(hinweis);
    return i;
}

} // namespace

SeiteSystemwahl::SeiteSystemwahl(Auswahlkontext zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    steuerelementeAnlegen();
    verbinden();

    // Labels of the start state, then the row-size reaction sets the dependent scales.
    m_lSlider1->setText(QString::number(m_slider1->value()));
    m_lSlider3->setText(QString::number(m_slider3->value()));
    m_lSlider5->setText(QString::number(m_slider5->value()));
    lSlider4Setzen(m_cb4->isChecked());
    beiSlider2(m_slider2->value());
}

QGroupBox *SeiteSystemwahl::gruppeAnlegen(const QString &titel, QHBoxLayout *&zeile)
{
    auto *gruppe = new QGroupBox(titel, this);
    zeile = new QHBoxLayout(gruppe);
    zeile->setContentsMargins(10, 4, 10, 4);
    zeile->setSpacing(10);
    return gruppe;
}

void SeiteSystemwahl::steuerelementeAnlegen()
{
    auto *seite = new QVBoxLayout(this);
    seite->setContentsMargins(8, 8, 8, 8);
    seite->setSpacing(6);

    const int zzMax = std::clamp(m_zustand.auswahl.biggestZZ, 32, 100);

    QHBoxLayout *zeile = nullptr;

    // Pool size
    QGroupBox *g1 = gruppeAnlegen(QStringLiteral("Größe Ihres Zahlenpools"), zeile);
    m_slider1 = SliderAnlegen(QStringLiteral("Slider1"), 4, zzMax, 13, 1, 4, g1);
    m_lSlider1 = WertAnlegen(QStringLiteral("LSlider1"), g1);
    m_cb1 = EgalAnlegen(QStringLiteral("cb1"), g1);
    ZeileFuellen(zeile, {m_slider1, m_lSlider1, Luecke(BreiteVergleich, g1), m_cb1, Luecke(BreiteInfo, g1)});
    seite->addWidget(g1);

    // Row size, the one criterion without "egal"
    QGroupBox *g2 = gruppeAnlegen(QStringLiteral("Größe einer Tippreihe"), zeile);
    m_slider2 = SliderAnlegen(QStringLiteral("Slider2"), 4, 10, 6, 1, 1, g2);
    m_lSlider2 = WertAnlegen(QStringLiteral("LSlider2"), g2);
    auto *zwingend = new QLabel(QStringLiteral("Zwingende Angabe"), g2);
    zwingend->setObjectName(QStringLiteral("LZwingend2"));
    zwingend->setStyleSheet(QStringLiteral("QLabel { color: #b00020; font-weight: bold; }"));
    zwingend->setFixedWidth(BreiteVergleich);
    ZeileFuellen(zeile, {m_slider2, m_lSlider2, zwingend, Luecke(BreiteEgal, g2), Luecke(BreiteInfo, g2)});
    seite->addWidget(g2);

    // Guarantee
    QGroupBox *g3 = gruppeAnlegen(QStringLiteral("Gewinngarantie"), zeile);
    m_slider3 = SliderAnlegen(QStringLiteral("Slider3"), 2, 10, 2, 1, 1, g3);
    m_lSlider3 = WertAnlegen(QStringLiteral("LSlider3"), g3);
    m_radio3 = VergleichAnlegen(QStringLiteral("Radio3"), {QStringLiteral("mindestens"), QStringLiteral("genau")},
                                GarantieGenau, g3);
    m_cb3 = EgalAnlegen(QStringLiteral("cb3"), g3);
    m_bInfo3 = InfoAnlegen(QStringLiteral("BInfo3"), TextInfo3, g3);
    ZeileFuellen(zeile, {m_slider3, m_lSlider3, m_radio3, m_cb3, m_bInfo3});
    seite->addWidget(g3);

    // Number of rows; a full system shows its fixed count instead of the scale
    QGroupBox *g4 = gruppeAnlegen(QStringLiteral("Tippreihenanzahl"), zeile);
    m_slider4 = SliderAnlegen(QStringLiteral("Slider4"), 5, 500, 24, 5, 50, g4);
    m_lHinweis4 = new QLabel(QStringLiteral("wurde mathematisch ermittelt, siehe \"i\""), g4);
    m_lHinweis4->setObjectName(QStringLiteral("LHinweis4"));
    m_lHinweis4->setHidden(true);
    m_lSlider4 = WertAnlegen(QStringLiteral("LSlider4"), g4);
    m_cb4 = EgalAnlegen(QStringLiteral("cb4"), g4);
    m_cb4->setChecked(true);
    QSizePolicy egalPolitik = m_cb4->sizePolicy();
    egalPolitik.setRetainSizeWhenHidden(true);
    m_cb4->setSizePolicy(egalPolitik);
    m_bInfo4 = InfoAnlegen(QStringLiteral("BInfo4"), QString(), g4);
    m_bInfo4->setHidden(true);
    auto *skala4 = new QHBoxLayout;
    skala4->setContentsMargins(0, 0, 0, 0);
    skala4->addWidget(m_slider4, 1);
    skala4->addWidget(m_lHinweis4, 1);
    zeile->addLayout(skala4, 1);
    zeile->addWidget(m_lSlider4);
    zeile->addWidget(Luecke(BreiteVergleich, g4));
    zeile->addWidget(m_cb4);
    zeile->addWidget(m_bInfo4);
    seite->addWidget(g4);

    // Bankers
    QGroupBox *g5 = gruppeAnlegen(QStringLiteral("Bankzahlen"), zeile);
    m_slider5 = SliderAnlegen(QStringLiteral("Slider5"), 0, 4, 2, 1, 1, g5);
    m_lSlider5 = WertAnlegen(QStringLiteral("LSlider5"), g5);
    m_radio5 = VergleichAnlegen(QStringLiteral("Radio5"), {QStringLiteral("maximal"), QStringLiteral("genau")},
                                BankzahlenGenau, g5);
    m_cb5 = EgalAnlegen(QStringLiteral("cb5"), g5);
    m_bInfo5 = InfoAnlegen(QStringLiteral("BInfo5"), TextInfo5, g5);
    ZeileFuellen(zeile, {m_slider5, m_lSlider5, m_radio5, m_cb5, m_bInfo5});
    seite->addWidget(g5);

    // Buttons, count and result list
    auto *knoepfe = new QHBoxLayout;
    m_bFilternEx = new QPushButton(QStringLiteral("Alles auf \"egal\""), this);
    m_bFilternEx->setObjectName(QStringLiteral("BFilternEx"));
    m_bFiltern = new QPushButton(QStringLiteral("Filtern"), this);
    m_bFiltern->setObjectName(QStringLiteral("BFiltern"));
    m_bFiltern->setDefault(true);
    m_bFiltern->setMinimumWidth(110);
    m_bFilternEx->setMinimumWidth(110);
    m_lSysAnz = new QLabel(QStringLiteral("Anzahl gefundener Systeme"), this);
    m_lSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    QFont fett = m_lSysAnz->font();
    fett.setBold(true);
    m_lSysAnz->setFont(fett);
    knoepfe->addWidget(m_lSysAnz);
    knoepfe->addStretch();
    knoepfe->addWidget(m_bFilternEx);
    knoepfe->addWidget(m_bFiltern);
    seite->addSpacing(2);
    seite->addLayout(knoepfe);

    m_l1 = new Ergebnisliste(this);
    m_l1->setObjectName(QStringLiteral("l1"));
    m_l1->setMinimumHeight(120);
    seite->addWidget(m_l1, 1);
}

void SeiteSystemwahl::verbinden()
{
    connect(m_slider1, &QSlider::valueChanged, this, &SeiteSystemwahl::beiSlider1);
    connect(m_slider2, &QSlider::valueChanged, this, &SeiteSystemwahl::beiSlider2);
    connect(m_slider3, &QSlider::valueChanged, this, &SeiteSystemwahl::beiSlider3);
    connect(m_slider4, &QSlider::valueChanged, this, &SeiteSystemwahl::beiSlider4);
    connect(m_slider5, &QSlider::valueChanged, this, &SeiteSystemwahl::beiSlider5);
    connect(m_radio3, &Optionsgruppe::reaktion, this, &SeiteSystemwahl::beiRadio3);
    connect(m_radio5, &Optionsgruppe::reaktion, this, &SeiteSystemwahl::beiRadio5);
    connect(m_cb1, &Ankreuzfeld::reaktion, this, &SeiteSystemwahl::beiCb1);
    connect(m_cb3, &Ankreuzfeld::reaktion, this, &SeiteSystemwahl::beiCb3);
    connect(m_cb4, &Ankreuzfeld::reaktion, this, &SeiteSystemwahl::beiCb4);
    connect(m_cb5, &Ankreuzfeld::reaktion, this, &SeiteSystemwahl::beiCb5);
    connect(m_bFilternEx, &QPushButton::clicked, this, &SeiteSystemwahl::allesEgal);
    connect(m_bFiltern, &QPushButton::clicked, this, &SeiteSystemwahl::Filtern);
    connect(m_bInfo3, &Infozeichen::geklickt, this,
            [this] { Meldungen::Information(this, TextInfo3, HilfethemaSeite); });
    connect(m_bInfo4, &Infozeichen::geklickt, this,
            [this] { Meldungen::Information(this, TextInfo4, HilfethemaSeite); });
    connect(m_bInfo5, &Infozeichen::geklickt, this,
            [this] { Meldungen::Information(this, TextInfo5, HilfethemaSeite); });
    connect(m_l1, &QListWidget::itemSelectionChanged, this, &SeiteSystemwahl::zeileGewaehlt);
    connect(m_l1, &Ergebnisliste::doppelklick, this, &SeiteSystemwahl::doppelklick);
}

Filtereinstellungen SeiteSystemwahl::einstellungen() const
{
    Filtereinstellungen e;
    e.pool = m_slider1->value();
    e.poolEgal = m_cb1->isChecked();
    e.reihengroesse = m_slider2->value();
    e.garantie = m_slider3->value();
    e.garantieVergleich = m_radio3->itemIndex();
    e.garantieEgal = m_cb3->isChecked();
    e.reihen = m_slider4->value();
    e.reihenEgal = m_cb4->isChecked();
    e.reihenFest = !m_bInfo4->isHidden();
    e.bankzahlen = m_slider5->value();
    e.bankzahlenMax = m_slider5->maximum();
    e.bankzahlenVergleich = m_radio5->itemIndex();
    e.bankzahlenEgal = m_cb5->isChecked();
    return e;
}

bool SeiteSystemwahl::Zwang() const
{
    return ::Zwang(einstellungen());
}

bool SeiteSystemwahl::TRAbweichung(int tr, int gewuenscht, bool steuerelementeBeachten) const
{
    if (steuerelementeBeachten)
        return ::TRAbweichung(tr, gewuenscht, einstellungen());
    return ::TRAbweichung(tr, gewuenscht);
}

void SeiteSystemwahl::ReiheZwingend(bool ja)
{
    // Hide before showing: for a moment with both the hint and the scale shown, the row
    // would ask for room for both and widen the window for good.
    if (ja) {
        m_slider4->setHidden(true);
        m_cb4->setHidden(true);
        m_lHinweis4->setHidden(false);
        vollsystemreihenZeigen();
        return;
    }
    m_lHinweis4->setHidden(true);
    m_slider4->setHidden(false);
    m_cb4->setHidden(false);
    const bool warEgal = m_cb4->isChecked();
    beiSlider4(m_slider4->value());
    m_cb4->setzen(warEgal);
}

// A full system's row count reaches 14 digits (C(100,10)): the read-out widens to show it whole.
void SeiteSystemwahl::vollsystemreihenZeigen()
{
    const QString text = QLocale().toString(qlonglong(Vollsystemreihen(einstellungen())));
    const int noetig = m_lSlider4->fontMetrics().horizontalAdvance(text) + 2 * m_lSlider4->frameWidth() + 8;
    m_lSlider4->setFixedWidth(std::max(BreiteWert, noetig));
    m_lSlider4->setText(text);
}

void SeiteSystemwahl::auffrischen()
{
    m_bInfo4->setHidden(!Zwang());
    ReiheZwingend(!m_bInfo4->isHidden());
}

// While a full system's count is on show, a program set of the hidden row-count controls
// must not overwrite it.
void SeiteSystemwahl::lSlider4Setzen(bool egal)
{
    if (!m_lHinweis4->isHidden()) {
        vollsystemreihenZeigen();
        return;
    }
    m_lSlider4->setFixedWidth(BreiteWert);
    m_lSlider4->setText(egal ? QStringLiteral("X") : QString::number(m_slider4->value()));
}

void SeiteSystemwahl::beiSlider1(int wert)
{
    m_lSlider1->setText(QString::number(wert));
    m_cb1->setzen(false);
    auffrischen();
}

void SeiteSystemwahl::beiSlider2(int wert)
{
    m_lSlider2->setText(QString::number(wert));
    m_slider5->setMaximum(MaxBankzahlen(wert));
    m_slider3->setMaximum(wert);
    m_bInfo3->setHidden(!(m_slider3->maximum() < 10));
    m_bInfo5->setHidden(!(m_slider5->maximum() < 4));
    auffrischen();
}

void SeiteSystemwahl::beiSlider3(int wert)
{
    m_lSlider3->setText(QString::number(wert));
    m_cb3->setzen(false);
    auffrischen();
}

void SeiteSystemwahl::beiSlider4(int)
{
    lSlider4Setzen(false);
    m_cb4->setzen(false);
}

void SeiteSystemwahl::beiSlider5(int wert)
{
    m_lSlider5->setText(QString::number(wert));
    m_cb5->setzen(false);
    if (wert == 0)
        m_radio5->setItemIndex(BankzahlenGenau);
    auffrischen();
}

void SeiteSystemwahl::beiRadio3()
{
    m_cb3->setzen(false);
    auffrischen();
}

void SeiteSystemwahl::beiRadio5()
{
    m_cb5->setzen(false);
    auffrischen();
}

void SeiteSystemwahl::beiCb1(bool an)
{
    m_lSlider1->setText(an ? QStringLiteral("X") : QString::number(m_slider1->value()));
}

void SeiteSystemwahl::beiCb3(bool an)
{
    m_lSlider3->setText(an ? QStringLiteral("X") : QString::number(m_slider3->value()));
    auffrischen();
}

void SeiteSystemwahl::beiCb4(bool an)
{
    lSlider4Setzen(an);
}

void SeiteSystemwahl::beiCb5(bool an)
{
    m_lSlider5->setText(an ? QStringLiteral("X") : QString::number(m_slider5->value()));
    auffrischen();
}

void SeiteSystemwahl::allesEgal()
{
    m_cb1->setzen(true);
    m_cb3->setzen(true);
    m_cb4->setzen(true);
    m_cb5->setzen(true);
}

void SeiteSystemwahl::Filtern()
{
    const Filterergebnis erg =
        SystemeFiltern(m_zustand.katalog.Systemliste, m_zustand.auswahl.biggestZZ, einstellungen());

    m_zustand.auswahl.Tippreihengroesse = erg.tippreihengroesse;
    m_l1->clear();

    // The lowered guarantee stays in force, through the scales' own reactions.
    if (erg.garantieGekappt) {
        const int garantie = erg.einstellungen.garantie;
        m_slider3->setValue(garantie);
        if (garantie > m_slider3->minimum())
            m_slider3->setMaximum(garantie);
        m_radio3->setItemIndex(GarantieGenau);
    }

    m_zustand.auswahl.Filterliste = erg.filterliste;
    m_l1->addItems(erg.zeilen);
    m_lSysAnz->setText(GefundenText(int(erg.filterliste.size())));
}

void SeiteSystemwahl::zeileGewaehlt()
{
    const QList<QListWidgetItem *> gewaehlt = m_l1->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    const int zeile = m_l1->row(gewaehlt.first());
    if (zeile < 0 || zeile >= int(m_zustand.auswahl.Filterliste.size()))
        return;
    m_zustand.auswahl.Systemindex = m_zustand.auswahl.Filterliste[zeile];
    emit systemGewaehlt(m_zustand.auswahl.Systemindex, false);
}

void SeiteSystemwahl::doppelklick()
{
    if (m_l1->count() == 0) {
        Meldungen::Information(this, TextNichtsGelistet);
        return;
    }
    const QList<QListWidgetItem *> gewaehlt = m_l1->selectedItems();
    const int zeile = gewaehlt.isEmpty() ? -1 : m_l1->row(gewaehlt.first());
    if (zeile < 0 || zeile >= int(m_zustand.auswahl.Filterliste.size())) {
        Meldungen::Information(this, TextNichtsGewaehlt);
        return;
    }
    m_zustand.auswahl.Systemindex = m_zustand.auswahl.Filterliste[zeile];
    emit systemGewaehlt(m_zustand.auswahl.Systemindex, true);
}

void SeiteSystemwahl::keyPressEvent(QKeyEvent *ereignis)
{
    if (ereignis->key() == Qt::Key_F1) {
        Hilfe::Hilfethema(HilfethemaSeite);
        ereignis->accept();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void SeiteSystemwahl::groessteZahlSetzen(int groesste)
{
    m_slider1->setMaximum(groesste);
}

void SeiteSystemwahl::poolgrenzeAnheben(int groesste)
{
    if (groesste > m_slider1->maximum())
        m_slider1->setMaximum(groesste);
}
