#include "tfmain.h"

#include "einstellungsbindung.h"
#include "fehlt.h"
#include "fenster.h"
#include "groesstezahl.h"
#include "hilfeaufruf.h"
#include "inidatei.h"
#include "kbwversion.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "seiteeigenereihen.h"
#include "seiteeigenesysteme.h"
#include "seitesystemtest.h"
#include "seitesystemwahl.h"
#include "seitetippreihen.h"
#include "seitezahlenwahl.h"
#include "statistiktafel.h"
#include "symbole.h"
#include "systembeschreibung.h"
#include "systemtestpro.h"
#include "tabellenaustausch.h"
#include "testlaeufer.h"
#include "zwischen.h"
#include "werkzeuge.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Clientbreite = 721;
constexpr int Clienthoehe = 756;

const QString Titel = QStringLiteral("Kombiwerk") + QLatin1Char(' ') + QStringLiteral(KBW_VERSION);

// A saved position off every screen (after a monitor change, say) would leave the window
// unreachable: such a window is centred on the primary screen instead.
QPoint AufBildschirm(QPoint gespeichert, QSize groesse)
{
    const QScreen *primaer = QGuiApplication::primaryScreen();
    if (!primaer)
        return gespeichert;
    QList<QRect> bildschirme;
    for (const QScreen *b : QGuiApplication::screens())
        bildschirme.push_back(b->availableGeometry());
    return FensterpositionPruefen(gespeichert, groesse, bildschirme, primaer->availableGeometry());
}

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
        move(AufBildschirm(QPoint(pos.links, pos.oben), QSize(Clientbreite, Clienthoehe)));
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
    m_eigeneReihen = new SeiteEigeneReihen(m_zustand, m_zustand);
    m_testlaeufer = new Testlaeufer(this);
    m_systemtest = new SeiteSystemtest(m_zustand, m_zustand, m_testlaeufer);
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

    // On a screen smaller than the window the pages scroll; the content keeps its size.
    m_rollbereich = new QScrollArea(this);
    m_rollbereich->setObjectName(QStringLiteral("Rollbereich"));
    m_rollbereich->setFrameShape(QFrame::NoFrame);
    m_rollbereich->setWidgetResizable(true);
    m_rollbereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rollbereich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rollbereich->setWidget(mitte);
    setCentralWidget(m_rollbereich);
    m_sollgroesse = QSize(Clientbreite, Clienthoehe + menuBar()->sizeHint().height());
    setFixedSize(m_sollgroesse);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { Hilfe::Hilfethema(Hilfekontext(m_pc1->currentIndex())); });

    seitenVerbinden();

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

int TFMain::Hilfekontext(int seite)
{
    return seite == 0 ? 1040 : 1010;
}

QSize TFMain::Fenstergroesse(QSize soll, QRect verfuegbar, int rollleiste)
{
    // Room for the frame and the title bar that the window manager adds.
    const int rand = 8;
    const int titel = 32;
    const int hoehe = std::min(soll.height(), verfuegbar.height() - titel);
    // A vertical scroll bar takes room from the width; give it that room where there is some.
    const int breiteSoll = hoehe < soll.height() ? soll.width() + rollleiste : soll.width();
    const int breite = std::min(breiteSoll, verfuegbar.width() - rand);
    return {std::max(breite, 200), std::max(hoehe, 200)};
}

void TFMain::anBildschirmAnpassen(QRect verfuegbar)
{
    const int rollleiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize groesse = Fenstergroesse(m_sollgroesse, verfuegbar, rollleiste);
    // In a smaller window the pages keep the room they have in a window of full size.
    const bool rollen = groesse != m_sollgroesse;
    QSize inhalt(0, 0);
    if (rollen)
        inhalt = QSize(Clientbreite, m_sollgroesse.height() - menuBar()->height() - m_werkzeugleiste->height());
    m_rollbereich->widget()->setMinimumSize(inhalt);
    const auto politik = rollen ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    m_rollbereich->setHorizontalScrollBarPolicy(politik);
    m_rollbereich->setVerticalScrollBarPolicy(politik);
    setFixedSize(groesse);
    // A shortened window must also sit on the screen, title bar included (before the window is
    // mapped its frame is unknown, so the position is the client area's).
    if (rollen) {
        const int titel = 32;
        const int oben = std::clamp(y(), verfuegbar.top() + titel,
                                    std::max(verfuegbar.top() + titel, verfuegbar.bottom() + 1 - height()));
        const int links =
            std::clamp(x(), verfuegbar.left(), std::max(verfuegbar.left(), verfuegbar.right() + 1 - width()));
        move(links, oben);
    }
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

void TFMain::seitenVerbinden()
{
    // The "Tippreihen" page shows the current rows whenever it comes into view.
    connect(m_zahlenwahl, &SeiteZahlenwahl::zuTippreihen, this, [this] { m_pc1->setCurrentIndex(2); });
    connect(m_zahlenwahl, &SeiteZahlenwahl::reihenVorbereitet, m_tippreihen, &SeiteTippreihen::gridZeigen);
    connect(m_zahlenwahl, &SeiteZahlenwahl::testzahlenFaellig, m_systemtest, &SeiteSystemtest::testzahlenSetzen);
    connect(m_tippreihen, &SeiteTippreihen::tippreihenBildenAngefordert, m_zahlenwahl,
            [this] { m_zahlenwahl->tippreihenBilden(true); });
    // "Zum Test" goes two pages on, to "Systemtest", and starts the test there.
    connect(m_tippreihen, &SeiteTippreihen::zumSystemtestAngefordert, this, [this] {
        if (!m_systemtest->zumTestVorbereiten())
            return;
        m_pc1->setCurrentIndex(m_pc1->indexOf(m_systemtest->parentWidget()));
        m_systemtest->BTestenClick();
    });
    connect(m_systemwahl, &SeiteSystemwahl::systemGewaehlt, this,
            [this](int index, bool zurZahlenwahl) { systemGewaehlt(index, zurZahlenwahl); });
    // Lowering the maximum below the pool slider's value moves the value and runs its change handler.
    connect(m_groesste, &Groesstezahlleiste::biggestZZGeaendert, m_systemwahl, &SeiteSystemwahl::groessteZahlSetzen);
    connect(m_groesste, &Groesstezahlleiste::biggestZZGeaendert, m_zahlenwahl, &SeiteZahlenwahl::groessteZahlSetzen);
    connect(m_tippreihen, &SeiteTippreihen::excelExportAngefordert, this,
            [this](const std::vector<std::vector<int>> &reihen, const QStringList &titel) {
                TippreihenTabelleExportieren(this, reihen, titel, m_datenordner.basis);
            });
    connect(m_zahlenwahl, &SeiteZahlenwahl::zwischenablageWerkzeugAngefordert, this, &TFMain::zwischenZeigen);
    connect(m_systemtest, &SeiteSystemtest::auftretenAngefordert, this, &TFMain::fehltZeigen);
    connect(m_systemtest, &SeiteSystemtest::systemtestProAngefordert, this, &TFMain::systemtestProOeffnen);
    eigeneSystemeVerbinden();
    eigeneReihenVerbinden();
    // The screenshot buttons and the logo.
    connect(m_zahlenwahl, &SeiteZahlenwahl::abbildAngefordert, this,
            [this](QWidget *panel) { AbbildZeigen(panel, 480, 340, m_datenordner.shots, this); });
    connect(m_systemtest, &SeiteSystemtest::abbildAngefordert, this,
            [this](QWidget *panel) { AbbildZeigen(panel, 145, 373, m_datenordner.shots, this); });
    connect(m_zahlenwahl, &SeiteZahlenwahl::logoGeklickt, this, [this] { WebseiteOeffnen(this); });
}

void TFMain::fehltZeigen()
{
    QWidget *w = FormularZeigen(QStringLiteral("FFehlt"), [this]() -> QWidget * {
        auto *fenster = new TFFehlt(Titel, this);
        // The position is read once, when the window is made; it is saved only by its button.
        QPoint pos(0, 70);
        Inidatei datei;
        if (datei.laden(einstellungsdatei()) == Inidatei::Ladestatus::Gelesen) {
            const Fensterposition p = FensterpositionAuslesen(datei, QStringLiteral("FFehlt"));
            pos = AufBildschirm(QPoint(p.links, p.oben), fenster->size());
        }
        fenster->move(pos);
        connect(fenster, &TFFehlt::positionSpeichernAngefordert, this, [this, fenster](int links, int oben) {
            positionSichern(fenster, QStringLiteral("FFehlt"), QPoint(links, oben), QCursor::pos());
        });
        return fenster;
    });
    // The lists of the last completed test, on size 2; the ticked box stays as the user left it.
    if (auto *fenster = qobject_cast<TFFehlt *>(w)) {
        fenster->ergebnisSetzen(m_systemtest->ergebnis());
        fenster->KombinationenAnzeigen(2);
    }
}

void TFMain::zwischenZeigen()
{
    FormularZeigen(QStringLiteral("FZwischen"), [this]() -> QWidget * {
        auto *fenster = new TFZwischen(m_zustand, m_zustand, this);
        fenster->move(frameGeometry().center() - fenster->rect().center());
        // The numbers land on the board as clicks would, one after the other.
        connect(fenster, &TFZwischen::wahlzahlUebertragen, m_zahlenwahl, &SeiteZahlenwahl::zahlenwahl);
        return fenster;
    });
}

void TFMain::systemtestProOeffnen(const QString &beschreibung)
{
    if (!m_systemtestpro) {
        auto *fenster = new TFSystemtestpro(m_zustand, m_zustand, *m_testlaeufer, this);
        fenster->setWindowTitle(Titel);
        fenster->symbolSetzen(QStringLiteral("BClose"), SymbolFuer(Werkzeugsymbol::Beenden));
        fenster->symbolSetzen(QStringLiteral("bsSkinSpeedButton6"), SymbolFuer(Werkzeugsymbol::NueberK));
        fenster->symbolSetzen(QStringLiteral("bsSkinSpeedButton14"), SymbolFuer(Werkzeugsymbol::Kalender));
        fenster->symbolSetzen(QStringLiteral("bsSkinSpeedButton3"), SymbolFuer(Werkzeugsymbol::Taschenrechner));
        fenster->symbolSetzen(QStringLiteral("BUpdate"), SymbolFuer(Werkzeugsymbol::Update));
        fenster->symbolSetzen(QStringLiteral("bsSkinSpeedButton20"), SymbolFuer(Werkzeugsymbol::Hilfe));
        Inidatei datei;
        int anzGZ = 0;
        QPoint position(TFSystemtestpro::KeinePosition, TFSystemtestpro::KeinePosition);
        if (datei.laden(einstellungsdatei()) == Inidatei::Ladestatus::Gelesen) {
            anzGZ = datei.ganzzahl(QStringLiteral("SysPro"), QStringLiteral("AnzGZ"), 0);
            position = QPoint(datei.ganzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Left"), position.x()),
                              datei.ganzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Top"), position.y()));
            // A saved corner off every screen (after a monitor change) would hide the window.
            if (position.x() != TFSystemtestpro::KeinePosition && position.y() != TFSystemtestpro::KeinePosition
                && AufBildschirm(position, fenster->size()) != position)
                position = QPoint(TFSystemtestpro::KeinePosition, TFSystemtestpro::KeinePosition);
        }
        fenster->einstellungenSetzen(anzGZ, position);
        connect(fenster, &TFSystemtestpro::taschenrechnerAngefordert, this, [this] { taschenrechnerStarten(); });
        connect(fenster, &TFSystemtestpro::nueberKAngefordert, this, [this] { NueberKZeigen(this); });
        connect(fenster, &TFSystemtestpro::kalenderAngefordert, this, [this] { KalenderZeigen(this); });
        connect(fenster, &TFSystemtestpro::updateAngefordert, this, [this] { updateZeigen(); });
        connect(fenster, &TFSystemtestpro::schliesst, this, &TFMain::systemtestProSpeichern);
        m_systemtestpro = fenster;
    }
    m_systemtestpro->oeffnen(m_zustand.Tippreihengroesse, beschreibung);
}

void TFMain::systemtestProSpeichern(int anzGZ, QPoint position)
{
    Inidatei datei;
    const QString pfad = einstellungsdatei();
    datei.laden(pfad); // after a failed read speichern() refuses: the file holds the other settings
    datei.setzeGanzzahl(QStringLiteral("SysPro"), QStringLiteral("AnzGZ"), anzGZ);
    datei.setzeGanzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Left"), position.x());
    datei.setzeGanzzahl(QStringLiteral("Fenster"), QStringLiteral("SysPro-Top"), position.y());
    const Speicherergebnis ergebnis = datei.speichern(pfad);
    if (!ergebnis)
        Meldungen::Fehler(this, ergebnis.text(pfad));
}

bool TFMain::systemGewaehlt(int index, bool zurZahlenwahl)
{
    const Systemwahl wahl = GewaehltesSystem(m_zustand, index);
    if (!wahl.gewaehlt)
        Meldungen::Fehler(this, wahl.fehler);
    else
        m_zahlenwahl->systemAnzeigen(wahl);
    if (zurZahlenwahl)
        m_pc1->setCurrentIndex(1);
    return wahl.gewaehlt;
}

void TFMain::zurueck()
{
    m_pc1->setCurrentIndex(qMax(0, m_pc1->currentIndex() - 1));
}

void TFMain::weiter(bool testzahlen)
{
    if (testzahlen)
        m_systemtest->testzahlenSetzen();
    m_pc1->setCurrentIndex(qMin(m_pc1->count() - 1, m_pc1->currentIndex() + 1));
}

void TFMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_einstellungenGelesen) {
        m_einstellungenGelesen = true;
        if (const QScreen *bildschirm = screen())
            anBildschirmAnpassen(bildschirm->availableGeometry());
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
    m_systemwahl->poolgrenzeAnheben(qBound(32, m_werte[EinstellungsIndex("biggestZZ")], 100));
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
    positionSichern(this, QStringLiteral("FMain"), pos(),
                    m_positionKnopf ? m_positionKnopf->mapToGlobal(QPoint(0, m_positionKnopf->height()))
                                    : QCursor::pos());
}

void TFMain::positionSichern(QWidget *fenster, const QString &name, QPoint position, QPoint hinweisBei)
{
    const QString fehler = FensterpositionSpeichern(einstellungsdatei(), name, position.x(), position.y()).grund();
    if (!fehler.isEmpty()) {
        Meldungen::Fehler(fenster,
                          QStringLiteral("Die Fensterposition konnte nicht gespeichert werden: %1").arg(fehler));
        return;
    }
    // A short confirmation; it goes by itself.
    QToolTip::showText(hinweisBei, QStringLiteral("Die Fensterposition ist gespeichert."), fenster, {}, 2500);
}

void TFMain::closeEvent(QCloseEvent *event)
{
    // The closing steps run once, however often the window is asked to close.
    if (m_geschlossen) {
        event->accept();
        return;
    }
    m_geschlossen = true;
    // An open Systemtest Pro window saves its own settings first.
    if (m_systemtestpro)
        m_systemtestpro->close();
    einstellungenSchreiben();
    event->accept();
    emit beendet();
}
