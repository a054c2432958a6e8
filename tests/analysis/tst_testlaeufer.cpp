// The system test's figures and cell texts, and the runner's flag protocol with a real engine.

#include "katalog.h"
#include "routinen.h"
#include "systemtestrechnung.h"
#include "testlaeufer.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

Reihenmenge Reihe(std::initializer_list<int> positionen)
{
    Reihenmenge r;
    for (int p : positionen)
        r.hinzufuegen(p);
    return r;
}

// A run far too long to finish during a test, with a first k of billions of combinations.
Trefferauftrag LangerAuftrag()
{
    Trefferauftrag a;
    a.reihen = {Reihe({1, 2, 3, 4, 5, 6, 7}), Reihe({10, 20, 30, 40, 50, 60, 70}), Reihe({3, 9, 27, 81, 5, 25, 75})};
    a.wz = 90;
    a.kmin = 7;
    a.kmax = 9;
    a.auftreten = Auftreten::Anzahlen;
    return a;
}

QString Zelle(const G2Tabelle &t, int zeile, int spalte)
{
    return t[std::size_t(zeile)][std::size_t(spalte)];
}

} // namespace

class TstTestlaeufer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void mindestTreffer_data()
    {
        QTest::addColumn<int>("rg");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("s");
        QTest::newRow("erstes Katalogsystem, N 49") << 3 << 44 << 2;
        QTest::newRow("N 32, WZ 30, RG 6") << 6 << 2 << 4;
        QTest::newRow("RG - 2 gleich D") << 6 << 4 << 2;
        QTest::newRow("ein Zahl weniger") << 6 << 3 << 3;
        QTest::newRow("kein Zahl draussen") << 6 << 0 << 6;
        // More bankers than the lottery leaves: negative, compared unsigned.
        QTest::newRow("D negativ") << 6 << -1 << 2;
        QTest::newRow("D sehr negativ") << 10 << -50 << 2;
    }
    void mindestTreffer()
    {
        QFETCH(int, rg);
        QFETCH(int, d);
        QFETCH(int, s);
        QCOMPARE(MindestTreffer(rg, d), s);
    }

    void zaehlungen()
    {
        QCOMPARE(KombinationenZaehlen(4, 3, 2), std::int64_t(10));
        QCOMPARE(KombinationenZaehlen(49, 6, 2), std::int64_t(1176 + 18424 + 211876 + 1906884 + 13983816));
        QCOMPARE(KombinationenZaehlen(49, 2, 3), std::int64_t(0));
        // The first catalogue system: 3 rows x (C(4,2) + C(4,3)).
        QCOMPARE(RechenoperationenZaehlen(3, 4, 3, 2), std::int64_t(30));
    }

    void prozenttext_data()
    {
        QTest::addColumn<quint64>("anzahl");
        QTest::addColumn<quint64>("gesamt");
        QTest::addColumn<QString>("text");
        QTest::newRow("5 von 21") << quint64(5) << quint64(21) << "23,81";
        QTest::newRow("1 von 21, nicht unter 1") << quint64(1) << quint64(21) << "4,76";
        QTest::newRow("1 von 200") << quint64(1) << quint64(200) << "0,5000";
        QTest::newRow("1 von 1000") << quint64(1) << quint64(1000) << "0,1000";
        QTest::newRow("genau 1 %") << quint64(1) << quint64(100) << "1,00";
        QTest::newRow("1 von 3") << quint64(1) << quint64(3) << "33,33";
        QTest::newRow("alle") << quint64(21) << quint64(21) << "100,00";
        QTest::newRow("99,996 % rundet auf") << quint64(99996) << quint64(100000) << "100,00";
        QTest::newRow("grosse Zahlen") << quint64(13983815) << quint64(13983816) << "100,00";
    }
    void prozenttext()
    {
        QFETCH(quint64, anzahl);
        QFETCH(quint64, gesamt);
        QFETCH(QString, text);
        QCOMPARE(Prozenttext(anzahl, gesamt), text);
        // The separator is the locale's.
        QCOMPARE(Prozenttext(anzahl, gesamt, QLocale::c()), QString(text).replace(',', '.'));
    }

    void zaehltext() { QCOMPARE(Zaehltext(13983816), QStringLiteral("13.983.816")); }

    void beschriftung()
    {
        G2Tabelle t = G2Fuellen();
        QCOMPARE(Zelle(t, 1, 0), QStringLiteral("2 Treffer"));
        QCOMPARE(Zelle(t, 2, 0), QStringLiteral("      in %"));
        QCOMPARE(Zelle(t, 17, 0), QStringLiteral("10 Treffer"));
        QCOMPARE(Zelle(t, 18, 0), QStringLiteral("      in %"));
        QCOMPARE(Zelle(t, 0, 1), QStringLiteral("Kombinationen"));
        QCOMPARE(Zelle(t, 0, 2), QStringLiteral("1 Richtige"));
        QCOMPARE(Zelle(t, 0, 7), QStringLiteral("6 Richtige"));
        QCOMPARE(Zelle(t, 0, 8), QStringLiteral(" 7 Ri."));
        QCOMPARE(Zelle(t, 0, 11), QStringLiteral(" 10 Ri."));
        QCOMPARE(Zelle(t, 0, 0), QString());
        t[5][5] = QStringLiteral("12");
        GridLeeren(t);
        QCOMPARE(Zelle(t, 5, 5), QString());
        QCOMPARE(Zelle(t, 0, 1), QStringLiteral("Kombinationen"));
        QCOMPARE(Zelle(t, 3, 0), QStringLiteral("3 Treffer"));
        const auto breiten = G2Spaltenbreiten();
        QCOMPARE(breiten[0], 55);
        QCOMPARE(breiten[1], 78);
        QCOMPARE(breiten[2], 58);
        QCOMPARE(breiten[7], 60);
        QCOMPARE(breiten[8], 43);
    }

    void hintergrund_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spalte1");
        QTest::addColumn<int>("farbe");
        const int gruen = int(G2Farbe::Gruen), gelb = int(G2Farbe::Gelb), weiss = int(G2Farbe::Weiss);
        QTest::newRow("vollstaendiger Anteil") << 2 << 3 << "100,00"
                                               << "" << gruen;
        // 99.996 % shows as 100,00 and is drawn green; its count is not all combinations.
        QTest::newRow("gerundeter Anteil") << 4 << 7 << "100,00"
                                           << "" << gruen;
        QTest::newRow("dessen Anzahl") << 3 << 7 << "99.996"
                                       << "100.000" << weiss;
        QTest::newRow("Anzahl gleich allen") << 3 << 4 << "6"
                                             << "6" << gruen;
        QTest::newRow("100,00 in Zaehlzeile") << 3 << 4 << "100,00"
                                              << "5" << weiss;
        QTest::newRow("Spalte 1 selbst") << 3 << 1 << "6"
                                         << "6" << weiss;
        QTest::newRow("leer gleich leer") << 2 << 4 << ""
                                          << "" << gelb;
        QTest::newRow("Anteilzeile") << 2 << 4 << "25,00"
                                     << "" << gelb;
        QTest::newRow("Zaehlzeile") << 1 << 2 << "---"
                                    << "4" << weiss;
    }
    void hintergrund()
    {
        QFETCH(int, zeile);
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(QString, spalte1);
        QFETCH(int, farbe);
        QCOMPARE(int(G2Hintergrund(zeile, spalte, text, spalte1)), farbe);
    }

    void schriftgroesse_data()
    {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("groesse");
        QTest::newRow("Spalte 8, 7 Zeichen") << 8 << "1.234,5" << 8;
        QTest::newRow("Spalte 8, 8 Zeichen") << 8 << "12.345,6" << 7;
        QTest::newRow("Spalte 9, 6 Zeichen") << 9 << "123,45" << 8;
        QTest::newRow("Spalte 9, 7 Zeichen") << 9 << "1.234,5" << 7;
        QTest::newRow("Spalte 10, 8 Zeichen") << 10 << "12.345,6" << 7;
        QTest::newRow("Spalte 11 bleibt") << 11 << "123.456.789" << 8;
        QTest::newRow("Spalte 7 bleibt") << 7 << "123.456.789" << 8;
    }
    void schriftgroesse()
    {
        QFETCH(int, spalte);
        QFETCH(QString, text);
        QFETCH(int, groesse);
        QCOMPARE(G2Schriftgroesse(spalte, text), groesse);
    }

    // The first catalogue system through the runner: counts, percentages and the lists.
    void erstesKatalogsystem()
    {
        const auto reihen = KatalogReihenmengen(0);
        QVERIFY(reihen);
        QCOMPARE(int(reihen->size()), 3);
        Testlaeufer laeufer;
        QSignalSpy fertig(&laeufer, &Testlaeufer::beendet);
        Trefferauftrag a;
        a.reihen = *reihen;
        a.wz = 4;
        a.kmin = 2;
        a.kmax = 3;
        a.auftreten = Auftreten::Liste;
        QCOMPARE(laeufer.starten(a), Testlaeufer::Start::Gestartet);
        QVERIFY(laeufer.TestLaeuft());
        QTRY_COMPARE(fertig.count(), 1);
        QCOMPARE(fertig.at(0).at(0).value<quint64>(), quint64(laeufer.lauf()));
        QVERIFY(!laeufer.TestLaeuft());
        const Trefferergebnis e = laeufer.ergebnis();
        QVERIFY(!e.abgebrochen);

        G2Tabelle t = G2Fuellen();
        G2ErgebnisEintragen(t, e, 4, 2, 3);
        QCOMPARE(Zelle(t, 1, 1), QStringLiteral("6"));
        QCOMPARE(Zelle(t, 1, 2), QStringLiteral("---"));
        QCOMPARE(Zelle(t, 2, 2), QStringLiteral("---"));
        QCOMPARE(Zelle(t, 1, 3), QStringLiteral("6"));
        QCOMPARE(Zelle(t, 2, 3), QStringLiteral("100,00"));
        QCOMPARE(Zelle(t, 1, 4), QString()); // beyond k + 1
        QCOMPARE(Zelle(t, 3, 1), QStringLiteral("4"));
        QCOMPARE(Zelle(t, 3, 2), QStringLiteral("---"));
        QCOMPARE(Zelle(t, 3, 3), QStringLiteral("1"));
        QCOMPARE(Zelle(t, 4, 3), QStringLiteral("25,00"));
        QCOMPARE(Zelle(t, 3, 4), QStringLiteral("3"));
        QCOMPARE(Zelle(t, 4, 4), QStringLiteral("75,00"));
        QCOMPARE(Zelle(t, 5, 1), QString());

        // The occurrence lists of the rows {1,2,3}, {1,2,4}, {1,3,4}, the rows of entry 0.
        a.reihen = {Reihe({1, 2, 3}), Reihe({1, 2, 4}), Reihe({1, 3, 4})};
        QCOMPARE(laeufer.starten(a), Testlaeufer::Start::Gestartet);
        QTRY_COMPARE(fertig.count(), 2);
        const Trefferergebnis &e2 = laeufer.ergebnis();
        auto liste = [&](int k, int kategorie) {
            QStringList texte;
            e2.fuerK(k)->kategorien.durchlaufen(kategorie, [&](std::uint64_t, std::span<const int> p) {
                QStringList zahlen;
                for (int x : p)
                    zahlen << QString::number(x);
                texte << zahlen.join(' ');
                return true;
            });
            return texte;
        };
        QCOMPARE(liste(2, 0), QStringList());
        QCOMPARE(liste(2, 1), QStringList({"2 3", "2 4", "3 4"}));
        QCOMPARE(liste(2, 2), QStringList({"1 2", "1 3", "1 4"}));
        QCOMPARE(liste(2, 3), QStringList());
        QCOMPARE(liste(3, 0), QStringList({"2 3 4"}));
        QCOMPARE(liste(3, 1), QStringList({"1 2 3", "1 2 4", "1 3 4"}));
    }

    void vollsystem()
    {
        G2Tabelle t = G2Fuellen();
        G2VollsystemEintragen(t, 3, 2);
        QCOMPARE(Zelle(t, 1, 1), QStringLiteral("3"));
        QCOMPARE(Zelle(t, 1, 2), QStringLiteral("---"));
        QCOMPARE(Zelle(t, 2, 2), QStringLiteral("---"));
        QCOMPARE(Zelle(t, 1, 3), QStringLiteral("3"));
        QCOMPARE(Zelle(t, 2, 3), QStringLiteral("100,00"));
        QCOMPARE(Zelle(t, 1, 4), QString());
        QCOMPARE(int(G2Hintergrund(1, 3, Zelle(t, 1, 3), Zelle(t, 1, 1))), int(G2Farbe::Gruen));
        const Trefferergebnis e = VollsystemErgebnis(13, 2, 6);
        QCOMPARE(e.fuerK(6)->verteilung[6], std::uint64_t(1716));
        QCOMPARE(e.fuerK(2)->verteilung[1], std::uint64_t(0));
        QVERIFY(e.fuerK(6)->kategorien.leer());
    }

    // A stop during the first k: its counts as reached, every later k its figure and "---".
    void stoppImErstenK()
    {
        Testlaeufer laeufer;
        QSignalSpy fertig(&laeufer, &Testlaeufer::beendet);
        QSignalSpy fortschritt(&laeufer, &Testlaeufer::fortschritt);
        QCOMPARE(laeufer.starten(LangerAuftrag()), Testlaeufer::Start::Gestartet);
        QVERIFY(!laeufer.TestAbbruch());
        // Wait until it has really evaluated something.
        QTRY_VERIFY_WITH_TIMEOUT(fortschritt.count() > 0, 20000);
        QVERIFY(laeufer.stoppen());
        QVERIFY(laeufer.TestAbbruch());
        QVERIFY(laeufer.TestLaeuft()); // until the result is delivered
        QTRY_COMPARE_WITH_TIMEOUT(fertig.count(), 1, 20000);
        QVERIFY(!laeufer.TestLaeuft());
        const Trefferergebnis &e = laeufer.ergebnis();
        QVERIFY(e.abgebrochen);
        QCOMPARE(e.kErreicht, 7);
        const std::uint64_t alle7 = std::uint64_t(NueberK(90, 7));
        QVERIFY(e.fuerK(7)->bewertet > 0);
        QVERIFY(e.fuerK(7)->bewertet < alle7);
        QCOMPARE(e.fuerK(8)->bewertet, std::uint64_t(0));

        G2Tabelle t = G2Fuellen();
        G2ErgebnisEintragen(t, e, 90, 7, 9);
        QCOMPARE(Zelle(t, G2Zeile(7), 1), Zaehltext(alle7));
        std::uint64_t summe = 0;
        for (int j = 1; j <= 7; ++j)
            if (Zelle(t, G2Zeile(7), j + 1) != QLatin1String("---"))
                summe += QLocale().toULongLong(Zelle(t, G2Zeile(7), j + 1));
        QCOMPARE(summe, e.fuerK(7)->bewertet);
        for (int k : {8, 9}) {
            QCOMPARE(Zelle(t, G2Zeile(k), 1), Zaehltext(std::uint64_t(NueberK(90, k))));
            for (int j = 1; j <= k; ++j) {
                QCOMPARE(Zelle(t, G2Zeile(k), j + 1), QStringLiteral("---"));
                QCOMPARE(Zelle(t, G2Zeile(k) + 1, j + 1), QStringLiteral("---"));
            }
        }
    }

    // A start during a run is a stop request and starts nothing; the next start is fresh.
    void startWaehrendLaufIstStopp()
    {
        Testlaeufer laeufer;
        QSignalSpy fertig(&laeufer, &Testlaeufer::beendet);
        QCOMPARE(laeufer.starten(LangerAuftrag()), Testlaeufer::Start::Gestartet);
        const std::uint64_t erster = laeufer.lauf();
        QVERIFY(!laeufer.direktBeginnen() || (laeufer.direktBeenden(), false));
        QVERIFY(laeufer.TestAbbruch());
        QCOMPARE(laeufer.starten(LangerAuftrag()), Testlaeufer::Start::Stoppanfrage);
        QCOMPARE(laeufer.lauf(), erster);
        QTRY_COMPARE_WITH_TIMEOUT(fertig.count(), 1, 20000);
        QVERIFY(laeufer.ergebnis().abgebrochen);
        QVERIFY(laeufer.TestAbbruch()); // stays set for the front end's end of run

        Trefferauftrag kurz;
        kurz.reihen = *KatalogReihenmengen(0);
        kurz.wz = 4;
        kurz.kmin = 2;
        kurz.kmax = 3;
        QCOMPARE(laeufer.starten(kurz), Testlaeufer::Start::Gestartet);
        QVERIFY(!laeufer.TestAbbruch());
        QVERIFY(laeufer.lauf() > erster);
        QTRY_COMPARE(fertig.count(), 2);
        QVERIFY(!laeufer.ergebnis().abgebrochen);
        QCOMPARE(laeufer.ergebnis().fuerK(3)->verteilung[3], std::uint64_t(3));
    }

    void eigenerTestStoppen()
    {
        Testlaeufer laeufer;
        QSignalSpy fertig(&laeufer, &Testlaeufer::beendet);
        QVERIFY(!laeufer.eigenenTestStoppen());
        QCOMPARE(laeufer.starten(LangerAuftrag(), true), Testlaeufer::Start::Gestartet);
        QVERIFY(laeufer.EigenerTestLaeuft());
        QVERIFY(laeufer.eigenenTestStoppen());
        QVERIFY(!laeufer.EigenerTestLaeuft());
        QVERIFY(laeufer.TestAbbruch());
        QVERIFY(!laeufer.eigenenTestStoppen());
        QTRY_COMPARE_WITH_TIMEOUT(fertig.count(), 1, 20000);
        QVERIFY(!laeufer.TestLaeuft());
    }

    // Without a receiver of the result the runner still ends when it goes away.
    void abbauWaehrendLauf()
    {
        auto laeufer = std::make_unique<Testlaeufer>();
        QCOMPARE(laeufer->starten(LangerAuftrag()), Testlaeufer::Start::Gestartet);
        laeufer.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TstTestlaeufer)
#include "tst_testlaeufer.moc"
