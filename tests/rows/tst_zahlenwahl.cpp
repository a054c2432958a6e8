#include "kbwzustand.h"
#include "zahlenwahl.h"
#include "zufall.h"

#include <QTest>

#include <memory>

namespace {

std::unique_ptr<KbwZustand> MitSystem(int poolSoll, int bankSoll, int biggestZZ = 49)
{
    auto z = std::make_unique<KbwZustand>();
    z->PoolSoll = poolSoll;
    z->BankzahlenSoll = bankSoll;
    z->biggestZZ = biggestZZ;
    return z;
}

std::vector<int> Mitglieder(const Zahlenmenge &m)
{
    std::vector<int> v;
    for (int i = 0; i <= Zahlenmenge::Grenze; ++i)
        if (m.enthaelt(i))
            v.push_back(i);
    return v;
}

// Sets and counters agree and never share a number.
void Stimmig(const KbwZustand &z)
{
    QCOMPARE(z.Poolmenge.anzahl(), z.PoolAnzahl);
    QCOMPARE(z.Bankzahlmenge.anzahl(), z.BankzahlenAnzahl);
    QVERIFY((z.Poolmenge & z.Bankzahlmenge).leer());
}

} // namespace

class TstZahlenwahl : public QObject
{
    Q_OBJECT

private slots:
    void klickfolge();
    void ohneBankzahlenVoll();
    void poolzahlEntfernen();
    void bankzahlBeiUnvollemPool();
    void bankzahlBeiVollemPool();
    void ohneSystem();
    void alleZahlenUndEinsBis();
    void zufallOhneWiederholung_data();
    void zufallOhneWiederholung();
    void zufallDirektGezogen();
    void zufallAusgelassen();
    void zufallZuVieleZahlen();
    void generator();
};

void TstZahlenwahl::klickfolge()
{
    auto halter = MitSystem(10, 2);
    KbwZustand &z = *halter;
    for (int n = 1; n <= 10; ++n)
        QVERIFY(!TafelKlick(z, n * 3));
    QCOMPARE(z.PoolAnzahl, 10);
    QCOMPARE(z.BankzahlenAnzahl, 0);
    QVERIFY(!TafelKlick(z, 1));
    QVERIFY(!TafelKlick(z, 2));
    QCOMPARE(Mitglieder(z.Bankzahlmenge), (std::vector<int>{1, 2}));
    QVERIFY(z.BankModus);

    const Rueckmeldung m = TafelKlick(z, 4);
    QCOMPARE(m.art, Rueckmeldung::Art::Fehler);
    QCOMPARE(m.text, QStringLiteral("Sie haben bereits 2 Bankzahlen gewählt."));
    QCOMPARE(z.BankzahlenAnzahl, 2);
    QVERIFY(!z.Poolmenge.enthaelt(4) && !z.Bankzahlmenge.enthaelt(4));

    // In banker mode a click on a banker removes it, the next one adds a banker again.
    QVERIFY(!TafelKlick(z, 2));
    QCOMPARE(z.BankzahlenAnzahl, 1);
    QVERIFY(!TafelKlick(z, 5));
    QVERIFY(z.Bankzahlmenge.enthaelt(5));
    Stimmig(z);
}

void TstZahlenwahl::ohneBankzahlenVoll()
{
    auto halter = MitSystem(10, 0);
    KbwZustand &z = *halter;
    for (int n = 1; n <= 10; ++n)
        TafelKlick(z, n);
    const Rueckmeldung m = TafelKlick(z, 11);
    QCOMPARE(m.art, Rueckmeldung::Art::Fehler);
    QCOMPARE(m.text, QStringLiteral("Sie haben bereits 10 Zahlen gewählt."));
    QCOMPARE(z.PoolAnzahl, 10);
    // A negative banker requirement counts as none.
    z.BankzahlenSoll = -2;
    QCOMPARE(TafelKlick(z, 11).text, QStringLiteral("Sie haben bereits 10 Zahlen gewählt."));
    Stimmig(z);
}

void TstZahlenwahl::poolzahlEntfernen()
{
    auto halter = MitSystem(3, 1);
    KbwZustand &z = *halter;
    for (int n : {7, 8, 9, 20})
        TafelKlick(z, n);
    QVERIFY(z.Bankzahlmenge.enthaelt(20));
    TafelKlick(z, 8); // pool full: removes the pool number
    QCOMPARE(z.PoolAnzahl, 2);
    TafelKlick(z, 30); // pool mode again
    QVERIFY(z.Poolmenge.enthaelt(30));
    QCOMPARE(Mitglieder(z.Bankzahlmenge), (std::vector<int>{20}));
    Stimmig(z);
}

void TstZahlenwahl::bankzahlBeiUnvollemPool()
{
    auto halter = MitSystem(3, 1);
    KbwZustand &z = *halter;
    for (int n : {1, 2, 3, 4})
        TafelKlick(z, n);
    TafelKlick(z, 1); // pool not full now
    TafelKlick(z, 4); // the banker: removed, never both pool and banker
    Stimmig(z);
    QVERIFY(!z.Bankzahlmenge.enthaelt(4));
    QVERIFY(!z.Poolmenge.enthaelt(4));
    QCOMPARE(z.PoolAnzahl, 2);
}

void TstZahlenwahl::bankzahlBeiVollemPool()
{
    // Three pool numbers and the banker 4 picked, then a system without bankers: with the pool
    // full the click is refused like any other, with bankers wanted it goes to banker mode.
    auto halter = MitSystem(3, 1);
    KbwZustand &z = *halter;
    for (int n : {1, 2, 3, 4})
        TafelKlick(z, n);
    z.BankModus = false;
    z.BankzahlenSoll = 0;
    const Rueckmeldung m = TafelKlick(z, 4);
    QCOMPARE(m.art, Rueckmeldung::Art::Fehler);
    QCOMPARE(m.text, QStringLiteral("Sie haben bereits 3 Zahlen gewählt."));
    QVERIFY(z.Bankzahlmenge.enthaelt(4));

    z.BankzahlenSoll = 1;
    QVERIFY(!TafelKlick(z, 4));
    QVERIFY(z.BankModus);
    QVERIFY(z.Bankzahlmenge.leer());
    QCOMPARE(z.PoolAnzahl, 3);
    Stimmig(z);
}

void TstZahlenwahl::ohneSystem()
{
    KbwZustand z;
    Zufallsgenerator g(1);
    for (const Rueckmeldung &m : {TafelKlick(z, 5), EinsBisWZ(z), Zufallswahl(z, g)}) {
        QCOMPARE(m.art, Rueckmeldung::Art::Information);
        QCOMPARE(m.text, QStringLiteral("Bitte gehen Sie zurück und wählen Sie zunächst ein System aus."));
    }
    QVERIFY(z.Poolmenge.leer());
    AlleZahlenWaehlen(z); // needs no system
    QCOMPARE(z.PoolAnzahl, 49);
}

void TstZahlenwahl::alleZahlenUndEinsBis()
{
    auto halter = MitSystem(10, 2, 49);
    KbwZustand &z = *halter;
    AlleZahlenWaehlen(z);
    QCOMPARE(z.PoolAnzahl, 49);
    QCOMPARE(Mitglieder(z.Poolmenge).back(), 49);
    QCOMPARE(z.BankzahlenAnzahl, 0);
    Stimmig(z);
    TafelKlick(z, 17); // removes it in pool mode
    QCOMPARE(z.PoolAnzahl, 48);

    QVERIFY(!EinsBisWZ(z));
    QCOMPARE(Mitglieder(z.Bankzahlmenge), (std::vector<int>{1, 2}));
    QCOMPARE(Mitglieder(z.Poolmenge), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    QVERIFY(!z.BankModus);
    Stimmig(z);

    // The board ends at 100.
    z.PoolSoll = 99;
    const Rueckmeldung m = EinsBisWZ(z);
    QCOMPARE(m.art, Rueckmeldung::Art::Information);
    QCOMPARE(m.text,
             QStringLiteral("Das System braucht 101 Zahlen, die Zahlentafel reicht aber nur bis 100.\n\nIch "
                            "breche erst einmal ab."));
    QCOMPARE(z.PoolAnzahl, 10);

    ZahlenLoeschen(z);
    QVERIFY(z.Poolmenge.leer() && z.Bankzahlmenge.leer());
    QCOMPARE(z.PoolAnzahl + z.BankzahlenAnzahl, 0);
}

void TstZahlenwahl::zufallOhneWiederholung_data()
{
    QTest::addColumn<int>("biggestZZ");
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("bank");
    QTest::newRow("49: 10") << 49 << 10 << 0;
    QTest::newRow("49: 6 + 2") << 49 << 6 << 2;
    QTest::newRow("49: 30") << 49 << 30 << 0;
    QTest::newRow("49: 20 + 4") << 49 << 20 << 4;
    QTest::newRow("49: all with bankers") << 49 << 45 << 4;
    QTest::newRow("35: 17 + 1 (half 18)") << 35 << 17 << 1;
    QTest::newRow("32: 31 + 1") << 32 << 31 << 1;
    QTest::newRow("100: 77") << 100 << 77 << 0;
    QTest::newRow("100: 8 + 3") << 100 << 8 << 3;
}

void TstZahlenwahl::zufallOhneWiederholung()
{
    QFETCH(int, biggestZZ);
    QFETCH(int, pool);
    QFETCH(int, bank);
    for (std::uint32_t keim = 1; keim <= 50; ++keim) {
        auto halter = MitSystem(pool, bank, biggestZZ);
        KbwZustand &z = *halter;
        TafelKlick(z, biggestZZ); // an earlier pick is cleared
        Zufallsgenerator g(keim * 2654435761u);
        QVERIFY(!Zufallswahl(z, g));
        QCOMPARE(z.PoolAnzahl, pool);
        QCOMPARE(z.BankzahlenAnzahl, bank);
        Stimmig(z);
        const std::vector<int> alle = Mitglieder(z.Poolmenge | z.Bankzahlmenge);
        QVERIFY(alle.front() >= 1);
        QVERIFY(alle.back() <= biggestZZ);
    }
}

void TstZahlenwahl::zufallDirektGezogen()
{
    // 10 < 24: the first ten distinct draws, in drawing order.
    Zufallsgenerator g(777);
    const std::vector<int> liste = ZufallsListe(49, 10, 0, g);
    Zufallsgenerator r(777);
    std::vector<int> erwartet;
    while (erwartet.size() < 10) {
        const int d = int(r.zufall(49)) + 1;
        if (std::find(erwartet.begin(), erwartet.end(), d) == erwartet.end())
            erwartet.push_back(d);
    }
    QCOMPARE(liste, erwartet);
}

void TstZahlenwahl::zufallAusgelassen()
{
    // 30 >= 24: 19 distinct draws are left out, the pool is the rest in ascending order.
    Zufallsgenerator g(4242);
    const std::vector<int> liste = ZufallsListe(49, 30, 0, g);
    Zufallsgenerator r(4242);
    std::vector<int> aus;
    while (aus.size() < 19) {
        const int d = int(r.zufall(49)) + 1;
        if (std::find(aus.begin(), aus.end(), d) == aus.end())
            aus.push_back(d);
    }
    std::vector<int> erwartet;
    for (int v = 1; v <= 49; ++v)
        if (std::find(aus.begin(), aus.end(), v) == aus.end())
            erwartet.push_back(v);
    QCOMPARE(liste, erwartet);

    // With bankers, the first banker drawn goes to the last place.
    Zufallsgenerator g2(99);
    const std::vector<int> mitBank = ZufallsListe(49, 28, 2, g2);
    Zufallsgenerator r2(99);
    const int erster = int(r2.zufall(49)) + 1;
    QCOMPARE(mitBank.back(), erster);
    QVERIFY(std::is_sorted(mitBank.begin(), mitBank.begin() + 28));
}

void TstZahlenwahl::zufallZuVieleZahlen()
{
    auto halter = MitSystem(30, 3, 32);
    KbwZustand &z = *halter;
    TafelKlick(z, 5);
    Zufallsgenerator g(5);
    const Rueckmeldung m = Zufallswahl(z, g);
    QCOMPARE(m.art, Rueckmeldung::Art::Information);
    QCOMPARE(m.text,
             QStringLiteral("Für die Zufallswahl braucht das System 33 verschiedene Zahlen, die größte "
                            "Ziehungszahl ist aber 32.\n\nIch breche erst einmal ab."));
    QCOMPARE(Mitglieder(z.Poolmenge), (std::vector<int>{5})); // unchanged
}

void TstZahlenwahl::generator()
{
    // Values worked out by hand from seed <- seed * 134775813 + 1 and the upper 32 bits of seed * m.
    Zufallsgenerator g(12345);
    std::vector<int> gezogen;
    for (int i = 0; i < 8; ++i)
        gezogen.push_back(int(g.zufall(49)));
    QCOMPARE(gezogen, (std::vector<int>{18, 14, 3, 27, 31, 16, 21, 3}));
    Zufallsgenerator null(0);
    QCOMPARE(null.zufall(1000), 0u); // the first seed is 1
    QCOMPARE(null.keim(), 1u);
}

QTEST_APPLESS_MAIN(TstZahlenwahl)
#include "tst_zahlenwahl.moc"
