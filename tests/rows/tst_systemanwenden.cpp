#include "katalog.h"
#include "kbwzustand.h"
#include "systemanwenden.h"
#include "systemliste.h"
#include "zufall.h"

#include "tests/dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using Reihen = std::vector<std::vector<int>>;

namespace {

constexpr int ErstesVollsystem = 649; // RG 2, WZ 3

void Waehlen(KbwZustand &z, int index, int groesse, const std::vector<int> &pool, const std::vector<int> &bank)
{
    const TSysteme &s = z.Systemliste[std::size_t(index)];
    z.Systemindex = index;
    z.Tippreihengroesse = groesse;
    z.PoolSoll = s.WZ;
    z.BankzahlenSoll = groesse - s.RG;
    z.Poolmenge = {};
    z.Bankzahlmenge = {};
    for (int v : pool)
        z.Poolmenge.hinzufuegen(v);
    for (int v : bank)
        z.Bankzahlmenge.hinzufuegen(v);
    z.PoolAnzahl = int(pool.size());
    z.BankzahlenAnzahl = int(bank.size());
}

// pool random but ascending, bankers disjoint from it, all within 1..49
void ZufallsWahl(KbwZustand &z, int index, int bankAnzahl, std::uint32_t keim)
{
    const TSysteme &s = z.Systemliste[std::size_t(index)];
    Zufallsgenerator g(keim);
    std::vector<int> zahlen;
    const int grenze = std::max(49, s.WZ + bankAnzahl);
    while (int(zahlen.size()) < s.WZ + bankAnzahl) {
        const int d = int(g.zufall(std::uint32_t(grenze))) + 1;
        if (std::find(zahlen.begin(), zahlen.end(), d) == zahlen.end())
            zahlen.push_back(d);
    }
    std::vector<int> pool(zahlen.begin(), zahlen.begin() + s.WZ);
    std::vector<int> bank(zahlen.begin() + s.WZ, zahlen.end());
    std::sort(pool.begin(), pool.end());
    Waehlen(z, index, s.RG + bankAnzahl, pool, bank);
}

// The obvious expansion: row positions onto the ascending pool, plus bankers, each row sorted.
Reihen Referenz(const std::vector<std::vector<int>> &positionen, const std::vector<int> &pool,
                const std::vector<int> &bank)
{
    Reihen reihen;
    for (const auto &zeile : positionen) {
        std::vector<int> r = bank;
        for (int p : zeile)
            r.push_back(pool[std::size_t(p - 1)]);
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    std::sort(reihen.begin(), reihen.end());
    return reihen;
}

std::vector<int> Liste(const Zahlenmenge &m)
{
    std::vector<int> v;
    for (int i = 1; i <= 100; ++i)
        if (m.enthaelt(i))
            v.push_back(i);
    return v;
}

} // namespace

class TstSystemanwenden : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void mengeZuListe();
    void mischenWieGenerator();
    void katalogEintragNull();
    void vollsystemMitZweiBankzahlen();
    void vollsystemeGegenReferenz();
    void alleKatalogsysteme();
    void falscheAnzahlen_data();
    void falscheAnzahlen();
    void nurVerteilung();
    void mischenVeraendertNurKatalogreihen();
    void eigenesSystem();
    void eigeneDateiFehlerhaft_data();
    void eigeneDateiFehlerhaft();
    void eigeneDateiGeloescht();
    void anzeigefarbe();
    void verteilungEigenerReihen();

private:
    std::unique_ptr<KbwZustand> m_z;
    QTemporaryDir m_ordner;
};

void TstSystemanwenden::init()
{
    m_z = std::make_unique<KbwZustand>();
    QVERIFY(m_ordner.isValid());
    SystemlisteAufbauen(*m_z, Vollsystemgrenze, m_ordner.path());
    m_z->EigeneSystemeOrdner = m_ordner.path();
}

void TstSystemanwenden::mengeZuListe()
{
    Zahlenmenge m;
    for (int v : {3, 50, 7, 100})
        m.hinzufuegen(v);
    QCOMPARE(MengeZuListe(m, 4, 100), (std::vector<std::uint8_t>{3, 7, 50, 100}));
    QCOMPARE(MengeZuListe(m, 2, 100), (std::vector<std::uint8_t>{3, 7}));
    QCOMPARE(MengeZuListe(m, 5, 49), (std::vector<std::uint8_t>{3, 7, 0, 0, 0})); // limit and leftover zeros
}

void TstSystemanwenden::mischenWieGenerator()
{
    // Worked out by hand for seed 12345: j = i + upper32(seed * (n - i)) after each step.
    std::vector<std::uint8_t> liste{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Zufallsgenerator g(12345);
    ZahlenMischen(liste, g);
    QCOMPARE(liste, (std::vector<std::uint8_t>{4, 1, 3, 7, 8, 2, 5, 6, 9, 10}));
}

void TstSystemanwenden::katalogEintragNull()
{
    Waehlen(*m_z, 0, 4, {7, 12, 30, 41}, {20});
    Zufallsgenerator g(1);
    const Anwendungsergebnis e = SystemAnwenden(*m_z, true, false, g);
    QVERIFY(e.gebildet);
    QCOMPARE(e.reihenAnzahl, 3);
    QCOMPARE(int(m_z->Tippreihen.size()), 3);
    QVERIFY(std::is_sorted(m_z->Tippreihen.begin(), m_z->Tippreihen.end()));
    for (const auto &r : m_z->Tippreihen) {
        QCOMPARE(int(r.size()), 4);
        QVERIFY(std::find(r.begin(), r.end(), 20) != r.end());
        QVERIFY(std::is_sorted(r.begin(), r.end()));
    }
    QCOMPARE(Liste(m_z->TippreihenBankzahlen), (std::vector<int>{20}));
    QCOMPARE(m_z->Zahlenhaeufigkeit[20], 3);
}

void TstSystemanwenden::vollsystemMitZweiBankzahlen()
{
    Waehlen(*m_z, ErstesVollsystem, 4, {5, 9, 17}, {1, 40});
    Zufallsgenerator g(1);
    const Anwendungsergebnis e = SystemAnwenden(*m_z, true, false, g);
    QVERIFY(e.gebildet);
    QCOMPARE(m_z->Tippreihen, (Reihen{{1, 5, 9, 40}, {1, 5, 17, 40}, {1, 9, 17, 40}}));
    QCOMPARE(int(e.reihenAnzahl), 3);
    for (int n = 1; n <= 100; ++n) {
        const int erwartet = (n == 1 || n == 40) ? 3 : (n == 5 || n == 9 || n == 17) ? 2 : 0;
        QCOMPARE(m_z->Zahlenhaeufigkeit[std::size_t(n)], erwartet);
    }
    QCOMPARE(Anzeigefarbe(m_z->Zahlenhaeufigkeit[1], e.reihenAnzahl), Tafelfarbe::Gruen);
    QCOMPARE(Anzeigefarbe(m_z->Zahlenhaeufigkeit[9], e.reihenAnzahl), Tafelfarbe::Gelb);
    QCOMPARE(Anzeigefarbe(m_z->Zahlenhaeufigkeit[2], e.reihenAnzahl), Tafelfarbe::Neutral);
}

void TstSystemanwenden::vollsystemeGegenReferenz()
{
    // Every full system of the list against all RG-subsets of the pool positions.
    for (int i = ErstesVollsystem; i < m_z->AnzahlStandardsysteme; i += 7) {
        const TSysteme s = m_z->Systemliste[std::size_t(i)];
        ZufallsWahl(*m_z, i, 2, std::uint32_t(i));
        std::vector<std::vector<int>> positionen;
        std::vector<int> idx(s.RG);
        std::function<void(int, int)> rekursiv = [&](int tiefe, int ab) {
            if (tiefe == s.RG) {
                positionen.push_back(idx);
                return;
            }
            for (int p = ab; p <= s.WZ; ++p) {
                idx[std::size_t(tiefe)] = p;
                rekursiv(tiefe + 1, p + 1);
            }
        };
        rekursiv(0, 1);
        Zufallsgenerator g(3);
        QVERIFY(SystemAnwenden(*m_z, true, true, g).gebildet);
        // Rows of fewer than four numbers keep their generation order.
        Reihen reihen = m_z->Tippreihen;
        QCOMPARE(std::is_sorted(reihen.begin(), reihen.end()), true);
        std::sort(reihen.begin(), reihen.end());
        QCOMPARE(reihen, Referenz(positionen, Liste(m_z->Poolmenge), Liste(m_z->Bankzahlmenge)));
        QCOMPARE(int(m_z->Tippreihen.size()), int(s.TR));
    }
}

void TstSystemanwenden::alleKatalogsysteme()
{
    for (int i = 0; i < KatalogGroesse; ++i) {
        const TSysteme s = KatalogSystem(i);
        const int bankAnzahl = i % 3; // 0, 1 or 2 bankers
        ZufallsWahl(*m_z, i, bankAnzahl, std::uint32_t(i + 1));
        Zufallsgenerator g{std::uint32_t(i)};
        const Anwendungsergebnis e = SystemAnwenden(*m_z, true, false, g);
        QVERIFY2(e.gebildet, qPrintable(QString::number(i)));
        QCOMPARE(int(m_z->Tippreihen.size()), int(s.TR));

        std::vector<std::vector<int>> positionen;
        const std::uint8_t *daten = KatalogReihen(i);
        for (int r = 0; r < s.TR; ++r)
            positionen.emplace_back(daten + r * s.RG, daten + (r + 1) * s.RG);
        const std::vector<int> bank = Liste(m_z->Bankzahlmenge);
        QCOMPARE(m_z->Tippreihen, Referenz(positionen, Liste(m_z->Poolmenge), bank));
        for (const auto &reihe : m_z->Tippreihen) {
            QCOMPARE(int(reihe.size()), s.RG + bankAnzahl);
            QVERIFY(std::adjacent_find(reihe.begin(), reihe.end()) == reihe.end());
            for (int b : bank)
                QVERIFY(std::binary_search(reihe.begin(), reihe.end(), b));
        }
    }
}

void TstSystemanwenden::falscheAnzahlen_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("groesse");
    QTest::addColumn<int>("poolAnzahl");
    QTest::addColumn<int>("bankAnzahl");
    QTest::addColumn<QString>("text");
    const QString ende = QStringLiteral("\n\nIch breche erst einmal ab.");
    // Entry 787: RG 8, WZ 13, a full system; entry 0: RG 3, WZ 4.
    QTest::newRow("12 of 13, no banker") << 787 << 8 << 12 << 0
                                         << QStringLiteral("Bitte wählen Sie 13 Tippahlen.") + ende;
    QTest::newRow("one banker missing") << 0 << 4 << 4 << 0
                                        << QStringLiteral("Bitte wählen Sie 4 Tippahlen und eine Bankzahl.") + ende;
    QTest::newRow("two bankers, none picked")
        << 0 << 5 << 4 << 0 << QStringLiteral("Bitte wählen Sie 4 Tippahlen und 2 Bankzahlen.") + ende;
    QTest::newRow("one banker too many") << 0 << 3 << 4 << 1 << QStringLiteral("Bitte wählen Sie 4 Tippahlen.") + ende;
}

void TstSystemanwenden::falscheAnzahlen()
{
    QFETCH(int, index);
    QFETCH(int, groesse);
    QFETCH(int, poolAnzahl);
    QFETCH(int, bankAnzahl);
    QFETCH(QString, text);
    std::vector<int> pool, bank;
    for (int v = 1; v <= poolAnzahl; ++v)
        pool.push_back(v);
    for (int v = 0; v < bankAnzahl; ++v)
        bank.push_back(60 + v);
    m_z->Tippreihen = {{1, 2, 3, 4}};
    m_z->Zahlenhaeufigkeit[1] = 1;
    Waehlen(*m_z, index, groesse, pool, bank);
    Zufallsgenerator g(1);
    const Anwendungsergebnis e = SystemAnwenden(*m_z, true, false, g);
    QVERIFY(!e.gebildet);
    QVERIFY(!e.vorbereitet);
    QCOMPARE(e.meldung.art, Rueckmeldung::Art::Information);
    QCOMPARE(e.meldung.text, text);
    QCOMPARE(m_z->Tippreihen, (Reihen{{1, 2, 3, 4}})); // nothing changed
    QCOMPARE(m_z->Zahlenhaeufigkeit[1], 1);

    m_z->Systemindex = -1;
    QCOMPARE(SystemAnwenden(*m_z, true, false, g).meldung.text,
             QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab."));
}

void TstSystemanwenden::nurVerteilung()
{
    Waehlen(*m_z, ErstesVollsystem, 4, {5, 9, 17}, {1, 40});
    Zufallsgenerator g(1);
    QVERIFY(SystemAnwenden(*m_z, true, false, g).gebildet);
    const Anwendungsergebnis e = SystemAnwenden(*m_z, false, false, g);
    QVERIFY(e.gebildet);
    QCOMPARE(m_z->Tippreihen, Reihen(3)); // one empty grid line per row
    QCOMPARE(m_z->Zahlenhaeufigkeit[40], 3);
    QCOMPARE(e.reihenAnzahl, 3);
}

void TstSystemanwenden::mischenVeraendertNurKatalogreihen()
{
    ZufallsWahl(*m_z, 182, 0, 17); // RG 5, WZ 50, 491 rows
    Zufallsgenerator g(11);
    SystemAnwenden(*m_z, true, false, g);
    const Reihen ohne = m_z->Tippreihen;
    SystemAnwenden(*m_z, true, false, g);
    QCOMPARE(m_z->Tippreihen, ohne);
    SystemAnwenden(*m_z, true, true, g);
    const Reihen gemischt1 = m_z->Tippreihen;
    SystemAnwenden(*m_z, true, true, g);
    QVERIFY(gemischt1 != ohne);
    QVERIFY(m_z->Tippreihen != gemischt1);

    // A full system gives the same rows whatever the order of the pool.
    ZufallsWahl(*m_z, 700, 2, 5);
    SystemAnwenden(*m_z, true, false, g);
    const Reihen voll = m_z->Tippreihen;
    SystemAnwenden(*m_z, true, true, g);
    QCOMPARE(m_z->Tippreihen, voll);
}

void TstSystemanwenden::eigenesSystem()
{
    DateiSchreiben(QDir(m_ordner.path()).filePath("ESY1.csv"), " 1, 2 ,3\r\n\r\n  \t \r\n3,4,5\r\n");
    TEigSysteme e{.RG = 3, .WZ = 5, .GA = 2, .TR = 2, .fn = "ESY1.csv"};
    m_z->Eigensystemliste = {e};
    SystemlisteAufbauen(*m_z, Vollsystemgrenze, m_ordner.path());
    QCOMPARE(int(m_z->Systemliste.size()), m_z->AnzahlStandardsysteme + 1);

    Waehlen(*m_z, m_z->AnzahlStandardsysteme, 4, {10, 20, 30, 40, 50}, {7});
    Zufallsgenerator g(1);
    const Anwendungsergebnis ergebnis = SystemAnwenden(*m_z, true, false, g);
    QVERIFY2(ergebnis.gebildet, qPrintable(ergebnis.meldung.text));
    QCOMPARE(m_z->Tippreihen, (Reihen{{7, 10, 20, 30}, {7, 30, 40, 50}}));
    QCOMPARE(m_z->Positionstabelle, (Reihen{{1, 2, 3, 0}, {3, 4, 5, 0}}));
    QCOMPARE(m_z->Zahlenhaeufigkeit[30], 2);
}

void TstSystemanwenden::eigeneDateiFehlerhaft_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("text");
    // TR 2, RG 3, WZ 5
    QTest::newRow("no number") << QByteArray("1,2,x\r\n3,4,5\r\n")
                               << "Zeile 1 der Datei mit den Systemreihen enthält „x“, das ist keine ganze Zahl.";
    QTest::newRow("empty field") << QByteArray("1,2,3\r\n3,,5\r\n")
                                 << "Zeile 2 der Datei mit den Systemreihen enthält „“, das ist keine ganze Zahl.";
    QTest::newRow("number too long") << QByteArray("1,2,3\r\n3,4,99999999999999\r\n")
                                     << "Zeile 2 der Datei mit den Systemreihen enthält „99999999999999“, das ist "
                                        "keine ganze Zahl.";
    QTest::newRow("too few lines") << QByteArray("1,2,3\r\n\r\n")
                                   << "Die Datei mit den Systemreihen enthält nur 1 statt 2 Reihen.";
    QTest::newRow("empty file") << QByteArray() << "Die Datei mit den Systemreihen enthält nur 0 statt 2 Reihen.";
    QTest::newRow("position above WZ") << QByteArray("1,2,6\r\n3,4,5\r\n")
                                       << "Zeile 1 der Datei mit den Systemreihen enthält die Position 6, erlaubt sind "
                                          "1 bis 5.";
    QTest::newRow("position 0")
        << QByteArray("1,2,3\r\n\r\n0,4,5\r\n")
        << "Zeile 3 der Datei mit den Systemreihen enthält die Position 0, erlaubt sind 1 bis 5.";
    QTest::newRow("negative")
        << QByteArray("-1,2,3\r\n3,4,5\r\n")
        << "Zeile 1 der Datei mit den Systemreihen enthält die Position -1, erlaubt sind 1 bis 5.";
    QTest::newRow("too few fields") << QByteArray("1,2\r\n3,4,5\r\n")
                                    << "Zeile 1 der Datei mit den Systemreihen enthält 2 statt 3 Positionen.";
    QTest::newRow("semicolons") << QByteArray("1;2;3\r\n3;4;5\r\n")
                                << "Zeile 1 der Datei mit den Systemreihen enthält 1 statt 3 Positionen.";
    QTest::newRow("too many fields") << QByteArray("1,2,3,4\r\n3,4,5\r\n")
                                     << "Zeile 1 der Datei mit den Systemreihen enthält 4 statt 3 Positionen.";
    QTest::newRow("twice") << QByteArray("1,2,3\r\n3,4,3\r\n")
                           << "Zeile 2 der Datei mit den Systemreihen enthält die Position 3 zweimal.";
}

void TstSystemanwenden::eigeneDateiFehlerhaft()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, text);
    DateiSchreiben(QDir(m_ordner.path()).filePath("ESY2.csv"), inhalt);
    TEigSysteme e{.RG = 3, .WZ = 5, .GA = 2, .TR = 2, .fn = "ESY2.csv"};
    m_z->Eigensystemliste = {e};
    SystemlisteAufbauen(*m_z, Vollsystemgrenze, m_ordner.path());
    Waehlen(*m_z, m_z->AnzahlStandardsysteme, 3, {10, 20, 30, 40, 50}, {});
    m_z->Tippreihen = {{1, 2, 3}};
    m_z->Zahlenhaeufigkeit[1] = 1;

    Zufallsgenerator g(1);
    const Anwendungsergebnis ergebnis = SystemAnwenden(*m_z, true, false, g);
    QVERIFY(!ergebnis.gebildet);
    QCOMPARE(ergebnis.meldung.art, Rueckmeldung::Art::Fehler);
    QCOMPARE(ergebnis.meldung.text,
             text + QStringLiteral(" Die Tippreihen können daher nicht gebildet werden.\n\nIch muss abbrechen."));
    QVERIFY(m_z->Tippreihen.empty());
    QVERIFY(std::all_of(m_z->Zahlenhaeufigkeit.begin(), m_z->Zahlenhaeufigkeit.end(), [](int k) { return k == 0; }));
}

void TstSystemanwenden::eigeneDateiGeloescht()
{
    const QString pfad = QDir(m_ordner.path()).filePath("ESY3.csv");
    DateiSchreiben(pfad, "1,2\r\n");
    TEigSysteme e{.RG = 2, .WZ = 3, .GA = 1, .TR = 1, .fn = "ESY3.csv"};
    m_z->Eigensystemliste = {e};
    SystemlisteAufbauen(*m_z, Vollsystemgrenze, m_ordner.path());
    QVERIFY(QFile::remove(pfad));
    Waehlen(*m_z, m_z->AnzahlStandardsysteme, 2, {1, 2, 3}, {});
    Zufallsgenerator g(1);
    const Anwendungsergebnis ergebnis = SystemAnwenden(*m_z, true, false, g);
    QVERIFY(!ergebnis.gebildet);
    QCOMPARE(ergebnis.meldung.art, Rueckmeldung::Art::Information);
    QCOMPARE(ergebnis.meldung.text,
             QStringLiteral("Die Datei mit den Systemreihen wurde gelöscht. Die Tippreihen "
                            "können daher nicht gebildet werden.\n\nIch muss abbrechen."));
}

void TstSystemanwenden::anzeigefarbe()
{
    QCOMPARE(Anzeigefarbe(1, 1), Tafelfarbe::Gelb); // a single row is never green
    QCOMPARE(Anzeigefarbe(2, 2), Tafelfarbe::Gruen);
    QCOMPARE(Anzeigefarbe(2, 5), Tafelfarbe::Gelb);
    QCOMPARE(Anzeigefarbe(0, 5), Tafelfarbe::Neutral);
}

void TstSystemanwenden::verteilungEigenerReihen()
{
    auto reihe = [](std::initializer_list<int> zahlen) {
        Zahlenmenge m;
        for (int v : zahlen)
            m.hinzufuegen(v);
        return m;
    };
    m_z->EigeneReihen = {reihe({7, 12, 1}), reihe({7, 12, 2}), reihe({7, 12, 3, 1})};
    Verteilungermitteln(*m_z);
    QCOMPARE(Liste(m_z->EigeneBankMenge), (std::vector<int>{7, 12}));
    QCOMPARE(m_z->EigeneBankAnzahl, 2);
    QCOMPARE(m_z->EigeneVerteilung[1], 2);

    m_z->EigeneReihen = {reihe({4, 5, 6})};
    Verteilungermitteln(*m_z);
    QCOMPARE(m_z->EigeneBankAnzahl, 0);
    QVERIFY(m_z->EigeneBankMenge.leer());
    QCOMPARE(m_z->EigeneVerteilung[5], 1);
    QCOMPARE(m_z->EigeneVerteilung[7], 0);
}

QTEST_APPLESS_MAIN(TstSystemanwenden)
#include "tst_systemanwenden.moc"
