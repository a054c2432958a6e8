#include "seiteeigenesysteme.h"

#include "katalogzustand.h"
#include "meldungen.h"
#include "systemliste.h"
#include "systemreihenmodell.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Gruen(0, 128, 0);

QLabel *Anzeigefeld(const QString &name, int breite, QWidget *parent)
{
    auto *feld = new QLabel(parent);
    feld->setObjectName(name);
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(breite);
    feld->setFixedHeight(22);
    QFont fett = feld->font();
    fett.setBold(true);
    feld->setFont(fett);
    return feld;
}

void Textfarbe(QLabel *label, const QColor &farbe)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, farbe);
    label->setPalette(p);
}

QGroupBox *Gruppe(const QString &titel, QWidget *parent)
{
    auto *gruppe = new QGroupBox(titel, parent);
    auto *layout = new QVBoxLayout(gruppe);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    return gruppe;
}

} // namespace

SeiteEigeneSysteme::SeiteEigeneSysteme(KatalogZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);

    auto *hinweis =
        new QLabel(QStringLiteral("Diese Übersicht über die von Ihnen eingestellten Systeme erlaubt auch das "
                                  "Löschen doppelter oder weniger tauglicher Systeme."),
                   this);
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto *kopf = new QHBoxLayout;
    kopf->setSpacing(8);
    kopf->addWidget(new QLabel(QStringLiteral("Anzahl der von Ihnen eingestellten Systeme:"), this));
    m_pAnzESys = Anzeigefeld(QStringLiteral("PAnzESys"), 40, this);
    kopf->addWidget(m_pAnzESys);
    kopf->addSpacing(12);
    m_pEsyZustand = new QLabel(QStringLiteral("Zustand"), this);
    m_pEsyZustand->setObjectName(QStringLiteral("PESYZustand"));
    QFont fett = m_pEsyZustand->font();
    fett.setBold(true);
    m_pEsyZustand->setFont(fett);
    m_pEsyZustand->hide();
    kopf->addWidget(m_pEsyZustand, 1);
    layout->addLayout(kopf);

    auto *wahl = new QHBoxLayout;
    wahl->setSpacing(8);
    wahl->addWidget(new QLabel(QStringLiteral("Systemauswahl"), this));
    m_pEsysWahl = Anzeigefeld(QStringLiteral("PEsysWahl"), 40, this);
    wahl->addWidget(m_pEsysWahl);
    m_scrollEsys = new QScrollBar(Qt::Horizontal, this);
    m_scrollEsys->setObjectName(QStringLiteral("ScrollEsys"));
    m_scrollEsys->setRange(-1, -1);
    m_scrollEsys->setSingleStep(1);
    m_scrollEsys->setPageStep(1);
    m_scrollEsys->setValue(-1);
    m_scrollEsys->setMinimumHeight(20);
    m_scrollEsys->setEnabled(false);
    wahl->addWidget(m_scrollEsys, 1);
    layout->addLayout(wahl);

    auto *mitte = new QHBoxLayout;
    mitte->setSpacing(8);
    auto *links = new QVBoxLayout;
    links->setSpacing(6);

    auto *daten = new QGroupBox(this);
    auto *felder = new QGridLayout(daten);
    felder->setContentsMargins(8, 6, 8, 6);
    felder->setHorizontalSpacing(8);
    felder->setVerticalSpacing(3);
    m_pZeit = Anzeigefeld(QStringLiteral("PZeit"), 178, daten);
    m_pfn = Anzeigefeld(QStringLiteral("Pfn"), 178, daten);
    m_pRG = Anzeigefeld(QStringLiteral("PRG"), 50, daten);
    m_pTR = Anzeigefeld(QStringLiteral("PTR"), 50, daten);
    m_pWZ = Anzeigefeld(QStringLiteral("PWZ"), 50, daten);
    m_pGA = Anzeigefeld(QStringLiteral("PGA"), 50, daten);
    const std::pair<const char *, QLabel *> zeilen[] = {{"Gespeichert am...", m_pZeit}, {"Systemreihen-Datei", m_pfn},
                                                        {"Reihengröße:", m_pRG},        {"Anzahl Systemreihen:", m_pTR},
                                                        {"Anzahl Wahlzahlen:", m_pWZ},  {"Treffergarantie:", m_pGA}};
    int z = 0;
    for (const auto &[text, feld] : zeilen) {
        felder->addWidget(new QLabel(QString::fromUtf8(text), daten), z, 0);
        felder->addWidget(feld, z, 1, Qt::AlignLeft);
        ++z;
    }
    felder->setColumnStretch(1, 1);

    // The button and the warning share one place: the warning stands where the button would.
    auto *platz = new QWidget(daten);
    auto *stapel = new QStackedLayout(platz);
    stapel->setStackingMode(QStackedLayout::StackAll);
    m_anwenden = new QPushButton(QStringLiteral("System anwenden"), platz);
    m_anwenden->setObjectName(QStringLiteral("BESYAnwenden"));
    m_anwenden->setMinimumHeight(32);
    m_anwenden->hide();
    m_warnung = new QLabel(
        QStringLiteral("Achtung! Die Datei mit den System-\nreihen fehlt. Das System kann nicht angewandt werden."),
        platz);
    m_warnung->setObjectName(QStringLiteral("LWarnung"));
    m_warnung->setWordWrap(true);
    m_warnung->setFont(fett);
    Textfarbe(m_warnung, Rot);
    m_warnung->hide();
    stapel->addWidget(m_anwenden);
    stapel->addWidget(m_warnung);
    // Room for the warning's three lines in the narrow column.
    platz->setFixedHeight(std::max(m_anwenden->minimumHeight(), 3 * m_warnung->fontMetrics().lineSpacing() + 4));
    felder->addWidget(platz, z, 0, 1, 2);
    links->addWidget(daten);

    auto *loeschenGruppe = new QGroupBox(this);
    auto *loeschenZeile = new QHBoxLayout(loeschenGruppe);
    loeschenZeile->setContentsMargins(8, 6, 8, 6);
    loeschenZeile->setSpacing(10);
    m_loeschen = new QPushButton(QStringLiteral("System löschen"), loeschenGruppe);
    m_loeschen->setObjectName(QStringLiteral("BSysLoeschen"));
    m_loeschen->setMinimumSize(116, 32);
    m_loeschen->setEnabled(false);
    loeschenZeile->addWidget(m_loeschen, 0, Qt::AlignVCenter);
    auto *loeschenHinweis = new QLabel(
        QStringLiteral("Achtung! Das Löschen eines Systems kann nicht rückgängig gemacht werden."), loeschenGruppe);
    loeschenHinweis->setWordWrap(true);
    loeschenZeile->addWidget(loeschenHinweis, 1);
    links->addWidget(loeschenGruppe);
    links->addStretch();
    mitte->addLayout(links, 1);

    auto *reihenGruppe = Gruppe(QStringLiteral("Systemreihen des gewählten Systems"), this);
    m_modell = new Systemreihenmodell(this);
    m_g3 = new QTableView(reihenGruppe);
    m_g3->setObjectName(QStringLiteral("g3"));
    m_g3->setModel(m_modell);
    m_g3->verticalHeader()->hide();
    m_g3->verticalHeader()->setMinimumSectionSize(16);
    m_g3->verticalHeader()->setDefaultSectionSize(16);
    m_g3->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto *kopfzeile = m_g3->horizontalHeader();
    kopfzeile->setMinimumSectionSize(20);
    kopfzeile->setDefaultSectionSize(26);
    kopfzeile->setSectionResizeMode(QHeaderView::Fixed);
    kopfzeile->setHighlightSections(false);
    // "Z. 10" must fit into its 34-pixel column, "Z. 1" into 26 pixels.
    QFont kopfSchrift = kopfzeile->font();
    kopfSchrift.setPointSizeF(kopfSchrift.pointSizeF() * 0.8);
    kopfzeile->setFont(kopfSchrift);
    m_g3->setColumnWidth(0, 40);
    m_g3->setColumnWidth(10, 34);
    // A new model layout (more than ten positions) keeps the widths of the first eleven columns.
    connect(m_modell, &QAbstractItemModel::modelReset, this, [this] {
        m_g3->setColumnWidth(0, 40);
        m_g3->setColumnWidth(10, 34);
    });
    m_g3->setSelectionMode(QAbstractItemView::NoSelection);
    m_g3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_g3->setFocusPolicy(Qt::NoFocus);
    m_g3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_g3->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_g3->setWordWrap(false);
    m_g3->setFixedWidth(40 + 9 * 26 + 34 + 2 * m_g3->frameWidth() + m_g3->verticalScrollBar()->sizeHint().width());
    // The grid takes the height of the column beside it and scrolls.
    m_g3->setMinimumHeight(120);
    m_g3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    reihenGruppe->layout()->addWidget(m_g3);
    mitte->addWidget(reihenGruppe);
    layout->addLayout(mitte);

    // Across the whole page, so that the longest line fits.
    auto *vergleich = Gruppe(QStringLiteral("Vergleichbare Systeme im Programm"), this);
    auto *vergleichText =
        new QLabel(QStringLiteral("Das jeweilige System kann durch Doppelklick auf den entsprechenden "
                                  "Listeneintrag aufgerufen werden."),
                   vergleich);
    vergleichText->setWordWrap(true);
    vergleichText->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    vergleich->layout()->addWidget(vergleichText);
    m_l2 = new QListWidget(vergleich);
    m_l2->setObjectName(QStringLiteral("l2"));
    m_l2->setMinimumHeight(4 * m_l2->fontMetrics().lineSpacing() + 8);
    m_l2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    static_cast<QVBoxLayout *>(vergleich->layout())->addWidget(m_l2, 1);
    layout->addWidget(vergleich, 1);

    connect(m_scrollEsys, &QScrollBar::valueChanged, this, [this] { ScrollEsysChange(); });
    connect(m_anwenden, &QPushButton::clicked, this, [this] { BESYAnwendenClick(); });
    connect(m_loeschen, &QPushButton::clicked, this, [this] { BSysLoeschenClick(); });
    connect(m_l2, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *eintrag) {
        const int zeile = m_l2->row(eintrag);
        if (zeile >= 0 && zeile < int(m_vergleichIndexliste.size()))
            emit vergleichssystemGewaehlt(m_vergleichIndexliste[std::size_t(zeile)]);
    });
}

void SeiteEigeneSysteme::ESYCheck()
{
    const int n = int(m_zustand.Eigensystemliste.size());
    const int m = m_zustand.FehlendeEigensysteme;
    {
        // The record is shown once below, also when the position was 0 already.
        const QSignalBlocker sperre(m_scrollEsys);
        m_scrollEsys->setRange(-1, std::max(-1, n - 1));
        m_scrollEsys->setValue(n > 0 ? 0 : -1);
    }
    m_pAnzESys->setText(QString::number(n));
    m_scrollEsys->setEnabled(n >= 1);
    m_pEsyZustand->setVisible(n >= 1);
    const Vollstaendigkeit v = EsyVollstaendigkeit(n, m);
    m_pEsyZustand->setText(v.text);
    Textfarbe(m_pEsyZustand, v.rot ? Rot : Gruen);
    m_loeschen->setEnabled(n >= 1);
    m_anwenden->setEnabled(n >= 1);
    // Last: a row file that cannot be shown says so in a message, over a page that is current.
    ScrollEsysChange();
}

void SeiteEigeneSysteme::leerZeigen()
{
    for (QLabel *feld : {m_pEsysWahl, m_pRG, m_pWZ, m_pTR, m_pGA, m_pZeit, m_pfn})
        feld->clear();
    m_modell->leeren();
    m_anwenden->hide();
    m_warnung->hide();
}

void SeiteEigeneSysteme::ScrollEsysChange()
{
    const int p = m_scrollEsys->value();
    if (p < 0 || p >= int(m_zustand.Eigensystemliste.size())) {
        leerZeigen(); // l2 keeps what it shows
        return;
    }
    const TEigSysteme r = m_zustand.Eigensystemliste[std::size_t(p)];
    const bool vorhanden = EsyReihendateiVorhanden(m_zustand, p);
    m_pEsysWahl->setText(QString::number(p + 1));
    m_pZeit->setText(EsyZeitText(r.gesp, QLocale()));
    m_pfn->setText(QString::fromLatin1(r.fn.data(), qsizetype(r.fn.size())));
    Textfarbe(m_pfn, vorhanden ? Schwarz : Rot);
    m_pRG->setText(QString::number(r.RG));
    m_pWZ->setText(QString::number(r.WZ));
    m_pTR->setText(QString::number(r.TR));
    m_pGA->setText(QString::number(r.GA));
    m_anwenden->setVisible(vorhanden);
    m_warnung->setVisible(!vorhanden);
    if (const auto zeilen = VergleichbareSysteme(m_zustand, r.RG, r.WZ, r.GA, r.TR))
        vergleichFuellen(*zeilen);
    if (vorhanden)
        reihenAnzeigen(p);
    else
        m_modell->leeren();
}

void SeiteEigeneSysteme::reihenAnzeigen(int eintrag)
{
    const TEigSysteme &r = m_zustand.Eigensystemliste[std::size_t(eintrag)];
    const EsyReihenErgebnis gelesen = EsyReihenLesen(EsyReihendateiPfad(m_zustand, eintrag), r.RG, r.WZ, r.TR);
    if (gelesen.fehler != EsyFehler::Keiner) {
        m_modell->leeren();
        Meldungen::Fehler(this,
                          EsyReihenAnzeigeFehler(QString::fromLatin1(r.fn.data(), qsizetype(r.fn.size())), gelesen));
        return;
    }
    m_modell->reihenSetzen(gelesen.reihen);
    m_g3->scrollToTop();
}

void SeiteEigeneSysteme::vergleichFuellen(const std::vector<Vergleichszeile> &zeilen)
{
    m_l2->clear();
    m_vergleichIndexliste.clear();
    for (const Vergleichszeile &z : zeilen) {
        m_l2->addItem(z.text);
        m_vergleichIndexliste.push_back(z.index);
    }
}

void SeiteEigeneSysteme::vergleichAnzeigen(const std::vector<Vergleichszeile> &zeilen)
{
    {
        const QSignalBlocker sperre(m_scrollEsys);
        m_scrollEsys->setValue(-1);
    }
    ScrollEsysChange();
    vergleichFuellen(zeilen);
}

void SeiteEigeneSysteme::BESYAnwendenClick()
{
    const int p = m_scrollEsys->value();
    if (p < 0 || p >= int(m_zustand.Eigensystemliste.size()))
        return;
    // The file may have gone since it was shown: then the page says so instead.
    if (!EsyReihendateiVorhanden(m_zustand, p)) {
        ScrollEsysChange();
        return;
    }
    int index = SystemlistenindexVonEintrag(m_zustand, p);
    if (index < 0) {
        // The file was missing when the list was built and is back: the list takes it in now.
        SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_zustand.EigeneSystemeOrdner);
        const Vollstaendigkeit v =
            EsyVollstaendigkeit(int(m_zustand.Eigensystemliste.size()), m_zustand.FehlendeEigensysteme);
        m_pEsyZustand->setText(v.text);
        Textfarbe(m_pEsyZustand, v.rot ? Rot : Gruen);
        emit systemlisteGeaendert();
        index = SystemlistenindexVonEintrag(m_zustand, p);
        if (index < 0)
            return;
    }
    emit systemAnwendenAngefordert(index);
}

void SeiteEigeneSysteme::BSysLoeschenClick()
{
    const int p = m_scrollEsys->value();
    if (p < 0 || p >= int(m_zustand.Eigensystemliste.size()))
        return;
    const EsyAenderung ergebnis = EigenesSystemLoeschen(m_zustand, p);
    if (!ergebnis.ok) {
        Meldungen::Fehler(this, ergebnis.meldung);
        return;
    }
    m_modell->leeren();
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_zustand.EigeneSystemeOrdner);
    emit systemlisteGeaendert();
    ESYCheck();
    if (!ergebnis.meldung.isEmpty())
        Meldungen::Information(this, ergebnis.meldung);
}
