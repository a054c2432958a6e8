#include "../dateihilfen.h"
#include "ankreuzfeld.h"
#include "fenster.h"
#include "groesstezahl.h"
#include "hilfeaufruf.h"
#include "inidatei.h"
#include "katalog.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "optionsgruppe.h"
#include "start.h"
#include "tfmain.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <memory>

class TstTFMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void ersterStartUndSchliessen();
    void neustartStelltWiederHer();
    void fehlenderSchluesselGibtStandard();
    void blaettern();
    void weiterSetztTestzahlen();
    void hilfeJeSeite();
    void groessteZiehungszahl();
    void vonDerSystemwahlZuDenTippreihen();
    void formularVorhandenVergleichtGenau();
    void positionSpeichern();
    void unschreibbareEinstellungen();
    void ueberblendung();
    void kleinerBildschirm_data();
    void kleinerBildschirm();
    void f1AufJederSeite();
    void positionAusserhalbWirdGeholt();
    void zumTestUndAuftreten();

private:
    std::unique_ptr<TFMain> fensterOeffnen();
    QString einstellungsdatei() const { return m_basis + "/Einstellungen.ini"; }

    QString m_basis;
    KbwZustand m_zustand;
    Datenordner m_ordner;
    MeldungenAttrappe m_meldungen;
};

void TstTFMain::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("Kombiwerk");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(m_basis).removeRecursively();
    TFStart start(m_zustand); // creates the folders and builds the system list
    m_ordner = start.datenordner();
}

void TstTFMain::init()
{
    QFile::remove(einstellungsdatei());
    m_meldungen.leeren();
    m_zustand.Systemindex = -1;
}

std::unique_ptr<TFMain> TstTFMain::fensterOeffnen()
{
    auto fenster = std::make_unique<TFMain>(m_zustand, m_ordner);
    fenster->show(); // the showing step reads the settings
    return fenster;
}

void TstTFMain::ersterStartUndSchliessen()
{
    auto fenster = fensterOeffnen();
    QCOMPARE(fenster->windowTitle(), QString("Kombiwerk 1.8.2.0"));
    QCOMPARE(fenster->objectName(), QString("FMain"));
    QCOMPARE(fenster->centralWidget()->size() + QSize(0, fenster->findChild<QToolBar *>("Tool1")->height()),
             QSize(721, 756));
    QCOMPARE(fenster->findChild<QSlider *>("Slider1")->value(), 13);
    QCOMPARE(fenster->findChild<QSlider *>("Slider5")->value(), 2);
    QVERIFY(fenster->findChild<QCheckBox *>("cb4")->isChecked());
    QCOMPARE(fenster->findChild<Optionsgruppe *>("Radio5")->itemIndex(), 1);
    QCOMPARE(fenster->findChild<QScrollBar *>("updown1")->value(), 49);
    QCOMPARE(fenster->PC1()->currentIndex(), 0);
    QVERIFY(!QFile::exists(einstellungsdatei()));

    QSignalSpy beendet(fenster.get(), &TFMain::beendet);
    fenster->close();
    QCOMPARE(beendet.count(), 1);
    Inidatei datei;
    QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
    const QList<QPair<QString, QString>> schluessel = {{"Filter", "ZP"},
                                                       {"Filter", "ReiG"},
                                                       {"Filter", "GA"},
                                                       {"Filter", "TR"},
                                                       {"Filter", "BZ"},
                                                       {"Filter", "GARadio"},
                                                       {"Filter", "BZRadio"},
                                                       {"Filter", "ZPegal"},
                                                       {"Filter", "GAegal"},
                                                       {"Filter", "TRegal"},
                                                       {"Filter", "BZegal"},
                                                       {"Excel-Export", "Mit"},
                                                       {"Reihenanalyse", "Detail"},
                                                       {"Allgemein", "Mischen"},
                                                       {"Allgemein", "biggestZZ"},
                                                       {"Eigene Reihen", "Trenner"}};
    for (const auto &[abschnitt, name] : schluessel)
        QVERIFY2(datei.enthaelt(abschnitt, name), qPrintable(abschnitt + "/" + name));
    QCOMPARE(datei.wert("Filter", "TRegal"), QString("1"));
    QCOMPARE(datei.wert("Reihenanalyse", "Detail"), QString("1"));
    QVERIFY(!datei.enthaelt("Position", "FMain-left")); // positions are saved only on request
}

void TstTFMain::neustartStelltWiederHer()
{
    {
        auto fenster = fensterOeffnen();
        fenster->findChild<QScrollBar *>("updown1")->setValue(70);
        fenster->findChild<QSlider *>("Slider2")->setValue(8);
        fenster->findChild<QSlider *>("Slider1")->setValue(60);
        fenster->findChild<Ankreuzfeld *>("cb4")->setzen(false);
        fenster->findChild<Optionsgruppe *>("Radio3")->setItemIndex(0);
        if (auto *mischen = fenster->findChild<QCheckBox *>("cbMischen"))
            mischen->setChecked(true);
        fenster->close();
    }
    // Keys whose controls do not exist yet survive unchanged.
    Inidatei datei;
    QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
    datei.setzeGanzzahl("Eigene Reihen", "Trenner", 2);
    QVERIFY(datei.speichern(einstellungsdatei()));

    auto fenster = fensterOeffnen();
    QCOMPARE(m_zustand.biggestZZ, 70);
    QCOMPARE(fenster->findChild<QScrollBar *>("updown1")->value(), 70);
    QCOMPARE(fenster->findChild<QLabel *>("PZufMax")->text(), QString("70"));
    QCOMPARE(fenster->findChild<QSlider *>("Slider2")->value(), 8);
    QCOMPARE(fenster->findChild<QSlider *>("Slider1")->value(), 60);
    QVERIFY(!fenster->findChild<QCheckBox *>("cb4")->isChecked());
    QCOMPARE(fenster->findChild<Optionsgruppe *>("Radio3")->itemIndex(), 0);
    if (auto *mischen = fenster->findChild<QCheckBox *>("cbMischen"))
        QVERIFY(mischen->isChecked());
    fenster->close();
    QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(datei.wert("Eigene Reihen", "Trenner"), QString("2"));
    QCOMPARE(datei.wert("Filter", "ZP"), QString("60"));
}

void TstTFMain::fehlenderSchluesselGibtStandard()
{
    QFile f(einstellungsdatei());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Filter]\r\nZP=20\r\nTRegal=0\r\n[Allgemein]\r\nbiggestZZ=500\r\n");
    f.close();
    auto fenster = fensterOeffnen();
    QCOMPARE(fenster->findChild<QSlider *>("Slider5")->value(), 0); // not the first-start value 2
    QCOMPARE(fenster->findChild<QSlider *>("Slider1")->value(), 20);
    QCOMPARE(fenster->findChild<QScrollBar *>("updown1")->value(), 100); // clamped
    QCOMPARE(m_zustand.biggestZZ, 100);
    fenster->findChild<QScrollBar *>("updown1")->setValue(49);
}

void TstTFMain::blaettern()
{
    auto fenster = fensterOeffnen();
    QTabWidget *pc1 = fenster->PC1();
    const QStringList titel = {"Systemwahl",    "Zahlenwahl", "Tippreihen",
                               "Eigene Reihen", "Systemtest", "Eigene Systeme verwalten"};
    const QStringList namen = {"Tab1", "Tab2", "Tab3", "tab4", "tab5", "Tab6"};
    const QStringList zurueck = {"",
                                 "bsSkinSpeedButton11",
                                 "bsSkinSpeedButton5",
                                 "bsSkinSpeedButton22",
                                 "bsSkinSpeedButton10",
                                 "bsSkinSpeedButton16"};
    const QStringList weiter = {"bsSkinSpeedButton4",  "bsSkinSpeedButton12", "bsSkinSpeedButton13",
                                "bsSkinSpeedButton23", "bsSkinSpeedButton19", ""};
    QCOMPARE(pc1->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(pc1->tabText(i), titel[i]);
        QCOMPARE(pc1->widget(i)->objectName(), namen[i]);
        const auto knoepfe = pc1->widget(i)->findChildren<QPushButton *>();
        int zurueckAnzahl = 0, weiterAnzahl = 0;
        for (QPushButton *k : knoepfe) {
            zurueckAnzahl += k->text() == "Zurück";
            weiterAnzahl += k->text() == "Weiter";
        }
        QCOMPARE(zurueckAnzahl, i == 0 ? 0 : 1);
        QCOMPARE(weiterAnzahl, i == 5 ? 0 : 1);
    }
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pc1->currentIndex(), i);
        QTest::mouseClick(fenster->findChild<QPushButton *>(weiter[i]), Qt::LeftButton);
    }
    QCOMPARE(pc1->currentIndex(), 5);
    for (int i = 5; i > 0; --i) {
        QTest::mouseClick(fenster->findChild<QPushButton *>(zurueck[i]), Qt::LeftButton);
        QCOMPARE(pc1->currentIndex(), i - 1);
    }
}

void TstTFMain::weiterSetztTestzahlen()
{
    auto fenster = fensterOeffnen();
    QTabWidget *pc1 = fenster->PC1();
    auto *kombiAnz = fenster->findChild<QLabel *>("LKombiAnz");
    auto *beschreibung2 = fenster->findChild<QLabel *>("LBeschreibung2");
    auto *beschreibung = fenster->findChild<QLabel *>("LBeschreibung");
    QVERIFY(kombiAnz && beschreibung2 && beschreibung);
    kombiAnz->setText("alt");
    pc1->setCurrentIndex(1);
    QTest::mouseClick(fenster->findChild<QPushButton *>("bsSkinSpeedButton12"), Qt::LeftButton);
    QCOMPARE(pc1->currentIndex(), 2);
    QCOMPARE(kombiAnz->text(), QString("alt")); // no system chosen: the page changes only

    // The full system 13 numbers, row size 6: 1716 rows x (C(13,2) + ... + C(13,6)) = 1716 x 4082.
    int vollsystem = -1;
    for (int i = 0; i < int(m_zustand.Systemliste.size()); ++i) {
        const TSysteme &s = m_zustand.Systemliste[i];
        if (s.WZ == 13 && s.RG == 6 && s.GA == 6)
            vollsystem = i;
    }
    QVERIFY(vollsystem >= 0);
    m_zustand.Systemindex = vollsystem;
    m_zustand.Systembeschreibung = QStringLiteral("Ein klassisches Vollsystem.");
    const struct
    {
        int seite;
        const char *knopf;
        bool setzt;
    } faelle[] = {{0, "bsSkinSpeedButton4", false},
                  {1, "bsSkinSpeedButton12", true},
                  {2, "bsSkinSpeedButton13", true},
                  {3, "bsSkinSpeedButton23", false},
                  {4, "bsSkinSpeedButton19", true}};
    for (const auto &fall : faelle) {
        kombiAnz->setText("alt");
        beschreibung2->setText("Systembeschreibung");
        pc1->setCurrentIndex(fall.seite);
        QTest::mouseClick(fenster->findChild<QPushButton *>(fall.knopf), Qt::LeftButton);
        QCOMPARE(pc1->currentIndex(), fall.seite + 1);
        QCOMPARE(kombiAnz->text(), fall.setzt ? QString("7.004.712") : QString("alt"));
        QCOMPARE(beschreibung2->text(),
                 fall.setzt ? QString("Ein klassisches Vollsystem.") : QString("Systembeschreibung"));
    }
}

void TstTFMain::hilfeJeSeite()
{
    QCOMPARE(TFMain::Seitenthema(-1), 0);
    QCOMPARE(TFMain::Seitenthema(6), 0);
    auto fenster = fensterOeffnen();
    HilfeAttrappe hilfe;
    auto *knopf = fenster->findChild<QToolButton *>("bsSkinSpeedButton20");
    for (int seite = 0; seite < 6; ++seite) {
        fenster->PC1()->setCurrentIndex(seite);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    fenster->findChild<QAction *>("MInhalt")->trigger();
    fenster->findChild<QAction *>("MSuchen")->trigger();
    QCOMPARE(hilfe.themen(), (std::vector<int>{1040, 1050, 1060, 1070, 1090, 1100, 1010, -1}));
}

void TstTFMain::groessteZiehungszahl()
{
    auto fenster = fensterOeffnen();
    auto *leiste = fenster->findChild<Groesstezahlleiste *>();
    auto *slider1 = fenster->findChild<QSlider *>("Slider1");
    auto *updown1 = fenster->findChild<QScrollBar *>("updown1");
    QCOMPARE(updown1->minimum(), 32);
    QCOMPARE(updown1->maximum(), 100);
    QVERIFY(slider1);
    slider1->setValue(40);
    QToolButton *k35 = nullptr, *k49 = nullptr;
    for (QToolButton *k : leiste->findChildren<QToolButton *>()) {
        if (k->text() == "35")
            k35 = k;
        if (k->text() == "49")
            k49 = k;
    }
    QVERIFY(k35 && k49);
    QSignalSpy geaendert(leiste, &Groesstezahlleiste::biggestZZGeaendert);
    QTest::mouseClick(k49, Qt::LeftButton); // already 49: no change, no handler
    QCOMPARE(geaendert.count(), 0);
    QTest::mouseClick(k35, Qt::LeftButton);
    QCOMPARE(geaendert.count(), 1);
    QCOMPARE(m_zustand.biggestZZ, 35);
    QCOMPARE(slider1->maximum(), 35);
    QCOMPARE(slider1->value(), 35);
    QCOMPARE(fenster->findChild<QLabel *>("PZufMax")->text(), QString("35"));
    for (const char *name : {"lot", "PNummer", "PNummerWert", "PNummerEin", "PNummerWertEin"}) {
        QWidget *n35 = fenster->findChild<QWidget *>(QString(name) + "35");
        QWidget *n36 = fenster->findChild<QWidget *>(QString(name) + "36");
        if (!n35 || !n36)
            continue; // that board comes with its page
        QVERIFY2(!n35->isHidden() && n36->isHidden(), name);
    }
    updown1->setValue(49);
    QCOMPARE(slider1->maximum(), 49);
}

// The road of one system: filter, choose by click and double click, random numbers, rows.
void TstTFMain::vonDerSystemwahlZuDenTippreihen()
{
    auto fenster = fensterOeffnen();
    QTabWidget *pc1 = fenster->PC1();
    fenster->findChild<QSlider *>("Slider2")->setValue(6);
    fenster->findChild<QSlider *>("Slider3")->setValue(3);
    fenster->findChild<QSlider *>("Slider5")->setValue(0);
    fenster->findChild<Ankreuzfeld *>("cb1")->setzen(true);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BFiltern"), Qt::LeftButton);
    auto *l1 = fenster->findChild<QListWidget *>("l1");
    QVERIFY(l1->count() > 3);

    l1->setCurrentRow(3); // a single click: described, but the page stays
    QCOMPARE(pc1->currentIndex(), 0);
    QVERIFY(m_zustand.Systemindex >= 0);
    const TSysteme s = m_zustand.Systemliste[m_zustand.Systemindex];
    QCOMPARE(s.RG, std::uint8_t(6));
    QCOMPARE(s.GA, std::uint8_t(3));
    QVERIFY(fenster->findChild<QLabel *>("LBeschreibung")->text().startsWith("Gewählt wurde ein System für "));
    QCOMPARE(fenster->findChild<QLabel *>("PPool")->text(), QString::number(s.WZ));
    QCOMPARE(fenster->findChild<QLabel *>("PBZ")->text(), QString("0"));

    QTest::mouseDClick(l1->viewport(), Qt::LeftButton, {}, l1->visualItemRect(l1->item(3)).center());
    QCOMPARE(pc1->currentIndex(), 1);

    QTest::mouseClick(fenster->findChild<QAbstractButton *>("BZufall"), Qt::LeftButton);
    QCOMPARE(m_zustand.PoolAnzahl, int(s.WZ));
    QTest::mouseClick(fenster->findChild<QAbstractButton *>("BRBilden"), Qt::LeftButton);
    QCOMPARE(pc1->currentIndex(), 2);
    QCOMPARE(fenster->findChild<QTableView *>("g1")->model()->rowCount(), int(s.TR));
    QVERIFY(m_meldungen.texte().isEmpty());
    m_zustand.Poolmenge = Zahlenmenge();
    m_zustand.PoolAnzahl = 0;
}

void TstTFMain::formularVorhandenVergleichtGenau()
{
    QVERIFY(!FormularVorhanden("FMain"));
    auto fenster = fensterOeffnen();
    QVERIFY(FormularVorhanden("FMain"));
    QVERIFY(!FormularVorhanden("fmain"));
    QVERIFY(!FormularVorhanden("FMai"));

    int erzeugt = 0;
    auto erzeugen = [&erzeugt]() -> QWidget * {
        ++erzeugt;
        return new QWidget;
    };
    QWidget *a = FormularZeigen("FKal", erzeugen);
    a->showMinimized();
    QWidget *b = FormularZeigen("FKal", erzeugen);
    QCOMPARE(a, b);
    QCOMPARE(erzeugt, 1);
    QVERIFY(b->isVisible());
    QVERIFY(!b->isMinimized());
    delete a;
    QVERIFY(!FormularVorhanden("FKal"));
}

void TstTFMain::positionSpeichern()
{
    {
        auto fenster = fensterOeffnen();
        fenster->move(140, 90);
        QTest::mouseClick(fenster->findChild<QToolButton *>("bsSkinSpeedButton36"), Qt::LeftButton);
        QCOMPARE(QToolTip::text(), QStringLiteral("Die Fensterposition ist gespeichert."));
        Inidatei datei;
        QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
        QCOMPARE(datei.wert("Position", "FMain-left"), QString::number(fenster->x()));
        QCOMPARE(datei.wert("Position", "FMain-top"), QString::number(fenster->y()));
    }
    Inidatei datei;
    QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
    TFMain neu(m_zustand, m_ordner);
    QCOMPARE(neu.pos(),
             QPoint(datei.ganzzahl("Position", "FMain-left", -1), datei.ganzzahl("Position", "FMain-top", -1)));
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstTFMain::unschreibbareEinstellungen()
{
    QVERIFY(QDir().mkpath(einstellungsdatei())); // a folder in the way
    auto fenster = fensterOeffnen();
    QSignalSpy beendet(fenster.get(), &TFMain::beendet);
    QVERIFY(fenster->close()); // the program still closes
    QCOMPARE(beendet.count(), 1);
    QVERIFY(!m_meldungen.texte().isEmpty());
    QCOMPARE(m_meldungen.eintraege().back().art, Meldungen::Art::Fehler);
    QVERIFY(m_meldungen.texte().back().contains("Einstellungen"));
    QVERIFY(QDir().rmdir(einstellungsdatei()));
}

void TstTFMain::ueberblendung()
{
    KbwZustand zustand;
    QPointer<TFStart> start = new TFStart(zustand);
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    TFMain fenster(zustand, start->datenordner());
    QCOMPARE(fenster.windowOpacity(), 0.0);
    start->setHauptfenster(&fenster);
    start->setInitializationDone(true);
    QTest::mouseClick(start->findChild<QPushButton *>("BWeiter"), Qt::LeftButton);
    QVERIFY(fenster.isVisible()); // shown for the cross-fade
    QTRY_VERIFY_WITH_TIMEOUT(start.isNull(), 10000);
    QVERIFY(fenster.isVisible());
    QCOMPARE(fenster.windowOpacity(), 1.0);
}

void TstTFMain::kleinerBildschirm_data()
{
    QTest::addColumn<QRect>("verfuegbar");
    QTest::addColumn<QSize>("groesse");
    const QSize soll(721, 780);
    QTest::newRow("1280x1024") << QRect(0, 0, 1280, 1024) << soll;
    QTest::newRow("1366x768 mit Leiste") << QRect(0, 0, 1366, 740) << QSize(721 + 15, 740 - 32);
    QTest::newRow("800x600") << QRect(0, 0, 800, 600) << QSize(736, 568);
    QTest::newRow("schmal") << QRect(0, 0, 640, 480) << QSize(632, 448);
}

// On a screen smaller than the window the pages scroll, so "Weiter" can still be reached.
void TstTFMain::kleinerBildschirm()
{
    QFETCH(QRect, verfuegbar);
    QFETCH(QSize, groesse);
    QCOMPARE(TFMain::Fenstergroesse(QSize(721, 780), verfuegbar, 15), groesse);

    auto fenster = fensterOeffnen();
    fenster->anBildschirmAnpassen(verfuegbar);
    QVERIFY(fenster->height() <= verfuegbar.height());
    QVERIFY(fenster->width() <= verfuegbar.width());
    auto *weiter = fenster->findChild<QPushButton *>("bsSkinSpeedButton4");
    fenster->rollbereich()->ensureWidgetVisible(weiter);
    QWidget *sicht = fenster->rollbereich()->viewport();
    const QRect knopf(weiter->mapTo(sicht, QPoint(0, 0)), weiter->size());
    QVERIFY2(sicht->rect().contains(knopf), qPrintable(QStringLiteral("Weiter liegt außerhalb der Sicht")));
}

void TstTFMain::f1AufJederSeite()
{
    auto fenster = fensterOeffnen();
    QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    HilfeAttrappe hilfe;
    std::vector<int> erwartet;
    for (int seite = 0; seite < 6; ++seite) {
        fenster->PC1()->setCurrentIndex(seite);
        // From the page itself and from a control deep inside it.
        QWidget *seitenwidget = fenster->PC1()->currentWidget();
        const auto kinder = seitenwidget->findChildren<QWidget *>();
        for (QWidget *fokus : {seitenwidget, kinder.isEmpty() ? seitenwidget : kinder.last()}) {
            fokus->setFocus();
            QTest::keyClick(fokus, Qt::Key_F1);
            erwartet.push_back(seite == 0 ? 1040 : 1010);
        }
    }
    QCOMPARE(hilfe.themen(), erwartet);
}

void TstTFMain::positionAusserhalbWirdGeholt()
{
    DateiSchreiben(einstellungsdatei(), "[Position]\r\nFMain-left=5000\r\nFMain-top=70\r\n");
    auto fenster = std::make_unique<TFMain>(m_zustand, m_ordner);
    QVERIFY(fenster->x() < 1280 - 100);
    QVERIFY(fenster->x() >= 0 && fenster->y() >= 0);
}

// "Zum Test" on the rows page jumps to "Systemtest" and runs it; its button opens the occurrence window.
void TstTFMain::zumTestUndAuftreten()
{
    auto fenster = fensterOeffnen();
    QTabWidget *pc1 = fenster->PC1();
    pc1->setCurrentIndex(2);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BZumSystest"), Qt::LeftButton);
    QCOMPARE(pc1->currentIndex(), 2); // no system: a message, no jump
    QCOMPARE(m_meldungen.texte().size(), 1);

    m_zustand.Systemindex = 0;
    m_zustand.Tippreihengroesse = KatalogSystem(0).RG;
    QTest::mouseClick(fenster->findChild<QPushButton *>("BZumSystest"), Qt::LeftButton);
    QCOMPARE(pc1->currentIndex(), 4);
    auto *g2 = fenster->findChild<QTableWidget *>("g2");
    const auto gefuellt = [g2] {
        for (int z = 0; z < g2->rowCount(); ++z)
            for (int s = 0; s < g2->columnCount(); ++s)
                if (g2->item(z, s) && !g2->item(z, s)->text().isEmpty())
                    return true;
        return false;
    };
    QTRY_VERIFY(gefuellt());

    QVERIFY(!FormularVorhanden("FFehlt"));
    auto *fehlt = fenster->findChild<QPushButton *>("BFehlt");
    QTRY_VERIFY(fehlt->isEnabled()); // once the test has ended
    QTest::mouseClick(fehlt, Qt::LeftButton);
    QTRY_VERIFY(FormularVorhanden("FFehlt"));
}

QTEST_MAIN(TstTFMain)
#include "tst_tfmain.moc"
