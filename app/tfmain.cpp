#include "tfmain.h"

#include "einstellungsbindung.h"
#include "groesstezahl.h"
#include "hilfeaufruf.h"
#include "inidatei.h"
#include "meldungen.h"
#include "seiteeigenereihen.h"
#include "seiteeigenesysteme.h"
#include "seitesystemtest.h"
#include "seitesystemwahl.h"
#include "seitetippreihen.h"
#include "seitezahlenwahl.h"
#include "systemwahlanzeige.h"
#include "testzahlen.h"
#include "var_def.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int Clientbreite = 721;
constexpr int Clienthoehe = 756;

const QString Titel = QStringLiteral("Kombiwerk") + QLatin1Char(' ') + QStringLiteral("1.8.2.0");

} // namespace

TFMain::TFMain(KbwZustand &zustand, const Datenordner &datenordner, QWidget *parent)
    : QMainWindow(parent), m_zustand(zustand), m_datenordner(datenordner), m_werte(ErsterStartWerte())
{
    setObjectName(QStringLiteral("FMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint);
    // The window becomes visible through the start window's cross-fade.
    setWindowOpacity(0.0);
    setWindowTitle(Titel);

    Inidatei datei;
    if (datei.laden(einstellungsdatei()) == Inidatei::Ladestatus::Gelesen) {
        const Fensterposition pos = FensterpositionAuslesen(datei, QStringLiteral("FMain"));
        move(pos.links, pos.oben);
    } else {
        move(0, 70);
    }

    menueAufbauen();
    werkzeugleisteAufbauen();

    auto *mitte = new QWidget(this);
    auto *layout = new QVBoxLayout(mitte);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(kopfAufbauen());

    m_pc1 = new QTabWidget(mitte);
    m_pc1->setObjectName(QStringLiteral("PC1"));
    m_pc1->setDocumentMode(false);
    layout->addWidget(m_pc1, 1);

    m_systemwahl = new SeiteSystemwahl(m_zustand);
    m_zahlenwahl = new SeiteZahlenwahl(m_zustand);
    m_tippreihen = new SeiteTippreihen(m_zustand);
    m_eigeneReihen = new SeiteEigeneReihen(m_zustand);
    m_systemtest = new SeiteSystemtest(m_zustand);
    m_eigeneSysteme = new SeiteEigeneSysteme(m_zustand);
    m_pc1->addTab(seiteEinrahmen(m_systemwahl, "Tab1", nullptr, "bsSkinSpeedButton4", false),
                  QStringLiteral("Systemwahl"));
    m_pc1->addTab(seiteEinrahmen(m_zahlenwahl, "Tab2", "bsSkinSpeedButton11", "bsSkinSpeedButton12", true),
                  QStringLiteral("Zahlenwahl"));
    m_pc1->addTab(seiteEinrahmen(m_tippreihen, "Tab3", "bsSkinSpeedButton5", "bsSkinSpeedButton13", true),
                  QStringLiteral("Tippreihen"));
    m_pc1->addTab(seiteEinrahmen(m_eigeneReihen, "tab4", "bsSkinSpeedButton22", "bsSkinSpeedButton23", false),
                  QStringLiteral("Eigene Reihen"));
    m_pc1->addTab(seiteEinrahmen(m_systemtest, "tab5", "bsSkinSpeedButton10", "bsSkinSpeedButton19", true),
                  QStringLiteral("Systemtest"));
    m_pc1->addTab(seiteEinrahmen(m_eigeneSysteme, "Tab6", "bsSkinSpeedButton16", nullptr, false),
                  QStringLiteral("Eigene Systeme verwalten"));

    // Scratch buffer for reading row files; never shown.
    m_m2 = new QPlainTextEdit(mitte);
    m_m2->setObjectName(QStringLiteral("M2"));
    m_m2->hide();

    setCentralWidget(mitte);
    setFixedSize(Clientbreite, Clienthoehe + menuBar()->sizeHint().height());

    // The "Tippreihen" page shows the current rows whenever it comes into view.
    connect(m_zahlenwahl, &SeiteZahlenwahl::zuTippreihen, this, [this] { m_pc1->setCurrentIndex(2); });
    connect(m_systemwahl, &SeiteSystemwahl::systemGewaehlt, this,
            [this](int index, bool zurZahlenwahl) { systemGewaehlt(index, zurZahlenwahl); });

    // The largest draw number applies once now that the board and statistics exist.
    m_groesste->updown1Change();
    m_pc1->setCurrentIndex(0);
}

QString TFMain::einstellungsdatei() const
{
    return QDir(m_datenordner.basis).filePath(QLatin1String(Einstellungsdateiname));
}

int TFMain::Seitenthema(int seite)
{
    constexpr int themen[] = {1040, 1050, 1060, 1070, 1090, 1100};
    return seite >= 0 && seite < 6 ? themen[seite] : 0;
}

QWidget *TFMain::kopfAufbauen()
{
    auto *kopf = new QWidget(this);
    kopf->setObjectName(QStringLiteral("PKopf"));
    kopf->setFixedHeight(70);
    auto *layout = new QHBoxLayout(kopf);
    layout->setContentsMargins(0, 0, 8, 0);
    m_groesste = new Groesstezahlleiste(m_zustand, kopf);
    layout->addWidget(m_groesste, 0);
    auto *titel = new QLabel(QStringLiteral("Der Kombiwerk erstellt Systeme für Lotterien mit 32 bis zu 100 Zahlen und "
                                            "Tippreihen mit 4 bis zu 10 Zahlen, mit und ohne Bankzahlen. "),
                             kopf);
    titel->setObjectName(QStringLiteral("LTitel"));
    titel->setWordWrap(true);
    titel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont schrift = titel->font();
    schrift.setItalic(true);
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    titel->setFont(schrift);
    layout->addWidget(titel, 1);
    return kopf;
}

QWidget *TFMain::seiteEinrahmen(QWidget *inhalt, const char *name, const char *zurueckName, const char *weiterName,
                                bool testzahlen)
{
    auto *rahmen = new QWidget;
    rahmen->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(rahmen);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(inhalt, 1);

    auto *leiste = new QHBoxLayout;
    if (zurueckName) {
        auto *knopf = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("Zurück"), rahmen);
        knopf->setObjectName(QLatin1String(zurueckName));
        knopf->setMinimumSize(100, 30);
        connect(knopf, &QPushButton::clicked, this, [this] { zurueck(); });
        leiste->addWidget(knopf);
    }
    leiste->addStretch();
    if (weiterName) {
        auto *knopf = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Weiter"), rahmen);
        knopf->setObjectName(QLatin1String(weiterName));
        knopf->setLayoutDirection(Qt::RightToLeft); // the picture on the right
        knopf->setMinimumSize(100, 30);
        connect(knopf, &QPushButton::clicked, this, [this, testzahlen] { weiter(testzahlen); });
        leiste->addWidget(knopf);
    }
    layout->addLayout(leiste);
    return rahmen;
}

void TFMain::systemGewaehlt(int index, bool zurZahlenwahl)
{
    GewaehltesSystem(m_zustand, index, findChild<QLabel *>(QStringLiteral("LBeschreibung")),
                     findChild<QLabel *>(QStringLiteral("PPool")), findChild<QLabel *>(QStringLiteral("PBZ")), this);
    if (zurZahlenwahl)
        m_pc1->setCurrentIndex(1);
}

void TFMain::zurueck()
{
    m_pc1->setCurrentIndex(qMax(0, m_pc1->currentIndex() - 1));
}

void TFMain::weiter(bool testzahlen)
{
    if (testzahlen)
        TestzahlenSetzen(this, m_zustand);
    m_pc1->setCurrentIndex(qMin(m_pc1->count() - 1, m_pc1->currentIndex() + 1));
}

void TFMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_einstellungenGelesen) {
        m_einstellungenGelesen = true;
        einstellungenLesen();
    }
}

void TFMain::einstellungenLesen()
{
    Inidatei datei;
    switch (datei.laden(einstellungsdatei())) {
    case Inidatei::Ladestatus::Fehlt:
        return; // the controls keep their first-start values
    case Inidatei::Ladestatus::Fehler:
        Meldungen::Fehler(this,
                          QStringLiteral("Die Einstellungen konnten nicht gelesen werden: %1\n\n"
                                         "Es gelten die Voreinstellungen.")
                              .arg(datei.fehlertext()));
        return;
    case Inidatei::Ladestatus::Gelesen:
        break;
    }
    m_werte = EinstellungenAuslesen(datei);
    // The pool size is read before the largest draw number; let the pool slider reach the saved
    // largest number first, so that a saved pool above 49 is not cut down to the start value.
    if (auto *slider1 = findChild<QSlider *>(QStringLiteral("Slider1"))) {
        const int groesste = qBound(32, m_werte[EinstellungsIndex("biggestZZ")], 100);
        if (groesste > slider1->maximum())
            slider1->setMaximum(groesste);
    }
    EinstellungenInSteuerelemente(this, m_werte);
}

void TFMain::einstellungenSchreiben()
{
    m_werte = EinstellungenAusSteuerelementen(this, m_werte);
    Inidatei datei;
    const QString pfad = einstellungsdatei();
    if (datei.laden(pfad) == Inidatei::Ladestatus::Fehler) {
        // Keep the file: it may hold positions and settings of other windows.
        Meldungen::Fehler(this,
                          QStringLiteral("Die Einstellungen konnten nicht gespeichert werden, weil die Datei "
                                         "\"%1\" nicht lesbar ist: %2")
                              .arg(QDir::toNativeSeparators(pfad), datei.fehlertext()));
        return;
    }
    EinstellungenEintragen(datei, m_werte);
    if (!datei.speichern(pfad)) {
        Meldungen::Fehler(this,
                          QStringLiteral("Die Einstellungen konnten nicht in \"%1\" gespeichert werden: %2")
                              .arg(QDir::toNativeSeparators(pfad), datei.fehlertext()));
    }
}

void TFMain::positionSpeichern()
{
    const QString fehler = FensterpositionSpeichern(einstellungsdatei(), QStringLiteral("FMain"), x(), y()).grund();
    if (!fehler.isEmpty()) {
        Meldungen::Fehler(this, QStringLiteral("Die Fensterposition konnte nicht gespeichert werden: %1").arg(fehler));
    }
}

void TFMain::closeEvent(QCloseEvent *event)
{
    einstellungenSchreiben();
    event->accept();
    emit beendet();
}
