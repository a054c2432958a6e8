#include "katalog.h"
#include "katalogpruefung.h"
#include "katalogziele.h"
#include "routinen.h"
#include "trefferanalyse.h"
#include "trefferreferenz.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(Auftreten)
Q_DECLARE_METATYPE(Trefferfehler)

namespace {

std::vector<int> Positionen(int k)
{
    return std::vector<int>(static_cast<std::size_t>(k));
}

Reihenmenge Zeile(std::initializer_list<int> positionen)
{
    Reihenmenge r;
    for (int p : positionen)
        r.hinzufuegen(p);
    return r;
}

std::vector<Reihenmenge> KatalogZeilen(int index)
{
    return KatalogReihenmengen(index).value();
}

Trefferauftrag Auftrag(std::vector<Reihenmenge> reihen, int wz, int kmin, int kmax,
                       Auftreten auftreten = Auftreten::Liste, int threads = 1)
{
    Trefferauftrag a;
    a.reihen = std::move(reihen);
    a.wz = wz;
    a.kmin = kmin;
    a.kmax = kmax;
    a.auftreten = auftreten;
    a.threads = threads;
    return a;
}

Trefferergebnis Ausfuehren(const Trefferauftrag &a)
{
    const std::atomic_bool abbruch{false};
    return TrefferanalyseAusfuehren(a, abbruch);
}

// The combinations of one category as text lines, the way the occurrence window lists them.
QStringList Kombinationen(const Kategorienliste &liste, int kategorie)
{
    QStringList zeilen;
    liste.durchlaufen(kategorie, [&](std::uint64_t, std::span<const int> p) {
        QStringList teile;
        for (int x : p)
            teile << QString::number(x);
        zeilen << teile.join(' ');
        return true;
    });
    return zeilen;
}

// Engine against the literal method, everything the result holds, including every way to
// read the category list.
void MitReferenzVergleichen(const Trefferauftrag &a, const Trefferergebnis &e)
{
    QCOMPARE(e.fehler, Trefferfehler::Keiner);
    QVERIFY(!e.abgebrochen);
    QCOMPARE(e.kErreicht, a.kmax);
    const auto ref = TrefferReferenz(a.reihen, a.wz, a.kmin, a.kmax, true);
    QCOMPARE(e.proK.size(), ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i) {
        const TrefferProK &p = e.proK[i];
        const TrefferReferenzK &r = ref[i];
        QCOMPARE(p.k, r.k);
        QCOMPARE(p.bewertet, r.bewertet);
        QCOMPARE(p.verteilung, r.verteilung);
        if (a.auftreten == Auftreten::Nein) {
            QCOMPARE(p.auftreten, (std::array<std::uint64_t, 4>{}));
            continue;
        }
        QCOMPARE(p.auftreten, r.auftreten);
        if (a.auftreten != Auftreten::Liste || r.bewertet == 0) {
            QVERIFY(p.kategorien.leer());
            continue;
        }
        const Kategorienliste &liste = p.kategorien;
        QCOMPARE(liste.size(), r.bewertet);
        QCOMPARE(liste.k(), r.k);
        for (std::uint64_t rang = 0; rang < liste.size(); ++rang) {
            if (liste.kategorie(rang) != r.kategorien[rang])
                QFAIL(qPrintable(QStringLiteral("k %1, rank %2: category %3 instead of %4")
                                     .arg(r.k)
                                     .arg(rang)
                                     .arg(liste.kategorie(rang))
                                     .arg(r.kategorien[rang])));
        }
        for (int c = 0; c < 4; ++c) {
            std::vector<std::uint64_t> erwartet;
            for (std::uint64_t rang = 0; rang < r.kategorien.size(); ++rang)
                if (r.kategorien[rang] == c)
                    erwartet.push_back(rang);
            QCOMPARE(liste.anzahl(c), std::uint64_t(erwartet.size()));
            std::vector<std::uint64_t> gefunden;
            auto pos = Positionen(r.k);
            liste.durchlaufen(c, [&](std::uint64_t rang, std::span<const int> p) {
                gefunden.push_back(rang);
                KombinationAusRang(a.wz, rang, pos);
                if (!std::equal(p.begin(), p.end(), pos.begin()))
                    gefunden.push_back(~std::uint64_t(0)); // positions do not belong to the rank
                return true;
            });
            QCOMPARE(gefunden, erwartet);
            for (std::size_t j = 0; j < erwartet.size(); j += 1 + erwartet.size() / 50)
                QCOMPARE(liste.rangDesEintrags(c, j), erwartet[j]);
            QCOMPARE(liste.rangDesEintrags(c, erwartet.size()), liste.size());
            QCOMPARE(liste.naechsterRang(c, 0), erwartet.empty() ? liste.size() : erwartet.front());
            if (!erwartet.empty())
                QCOMPARE(liste.naechsterRang(c, erwartet.back() + 1), liste.size());
        }
    }
}

// A family of generated systems.
struct Familie
{
    int wzMin, wzMax;
    int zeilenMin, zeilenMax;
    int laengeMin, laengeMax;
    int nurBis = 0; // positions only up to this share (in percent) of the pool: others unused
    bool fremde = false; // also positions outside 1..wz (0, wz + 1, 255), which take no part
    bool doppelte = false; // repeat some rows
    int kBis = 0; // kmax; 0: as far as the combination budget allows
};

std::vector<Reihenmenge> Zeilen(std::mt19937 &z, const Familie &f, int wz)
{
    const int anzahl = f.zeilenMin + int(z() % std::uint32_t(f.zeilenMax - f.zeilenMin + 1));
    const int bis = f.nurBis > 0 ? std::max(1, wz * f.nurBis / 100) : wz;
    std::vector<Reihenmenge> reihen;
    for (int i = 0; i < anzahl; ++i) {
        if (f.doppelte && !reihen.empty() && z() % 3 == 0) {
            reihen.push_back(reihen[z() % reihen.size()]);
            continue;
        }
        const int laenge = std::min(bis, f.laengeMin + int(z() % std::uint32_t(f.laengeMax - f.laengeMin + 1)));
        Reihenmenge r;
        while (r.anzahl() < laenge)
            r.hinzufuegen(1 + int(z() % std::uint32_t(bis)));
        if (f.fremde) {
            r.hinzufuegen(0);
            r.hinzufuegen(wz + 1 + int(z() % 3));
            r.hinzufuegen(255);
        }
        reihen.push_back(r);
    }
    return reihen;
}

} // namespace

class TstTrefferanalyse : public QObject
{
    Q_OBJECT

private slots:
    void rangUndKombination();
    void rangGrosserPools();
    void gegenReferenz_data();
    void gegenReferenz();
    void beispiele();
    void mehrfachEnthalten();
    void kleineFaelle_data();
    void kleineFaelle();
    void ungueltigeAuftraege_data();
    void ungueltigeAuftraege();
    void fortschritt();
    void stopVorDemStart_data();
    void stopVorDemStart();
    void stopImErstenK();
    void stopMitZweiThreads();
    void stopZwischenZweiK();
    void katalogGarantien();
    void katalog391();
};

void TstTrefferanalyse::rangUndKombination()
{
    // Ranks follow the enumeration order of KombinationenBilden.
    Kombinationstabelle tabelle;
    for (int n = 1; n <= 11; ++n) {
        for (int k = 1; k <= n; ++k) {
            QCOMPARE(KombinationenBilden(n, k, tabelle), KombiFehler::Keiner);
            QCOMPARE(TrefferBinom(n, k), std::uint64_t(tabelle.size()));
            auto schritt = Positionen(k);
            for (int i = 0; i < k; ++i)
                schritt[std::size_t(i)] = i + 1;
            for (std::size_t i = 0; i < tabelle.size(); ++i) {
                std::vector<int> p;
                for (int e = 1; e <= n; ++e)
                    if (tabelle[i].enthaelt(e))
                        p.push_back(e);
                QCOMPARE(KombinationRang(n, p), std::uint64_t(i));
                auto q = Positionen(k);
                KombinationAusRang(n, i, q);
                QCOMPARE(q, p);
                QCOMPARE(schritt, p);
                QCOMPARE(KombinationWeiter(n, schritt), i + 1 < tabelle.size());
            }
            // After the last one the positions stay.
            auto letzte = Positionen(k);
            for (int i = 0; i < k; ++i)
                letzte[std::size_t(i)] = n - k + 1 + i;
            QCOMPARE(schritt, letzte);
        }
    }
}

void TstTrefferanalyse::rangGrosserPools()
{
    std::mt19937_64 z(7);
    const int faelle[][2] = {{100, 10}, {255, 3}, {60, 20}, {49, 6}, {20, 20}};
    for (const auto &f : faelle) {
        const int n = f[0], k = f[1];
        const std::uint64_t anzahl = TrefferBinom(n, k);
        QCOMPARE(anzahl, std::uint64_t(NueberK128(n, k)));
        auto p = Positionen(k), q = Positionen(k);
        KombinationAusRang(n, 0, p);
        for (int i = 0; i < k; ++i)
            QCOMPARE(p[std::size_t(i)], i + 1);
        KombinationAusRang(n, anzahl - 1, p);
        for (int i = 0; i < k; ++i)
            QCOMPARE(p[std::size_t(i)], n - k + 1 + i);
        QVERIFY(!KombinationWeiter(n, p));
        for (int i = 0; i < 2000; ++i) {
            const std::uint64_t rang = z() % anzahl;
            KombinationAusRang(n, rang, p);
            QVERIFY(std::is_sorted(p.begin(), p.end()));
            QVERIFY(std::adjacent_find(p.begin(), p.end()) == p.end());
            QVERIFY(p.front() >= 1 && p.back() <= n);
            QCOMPARE(KombinationRang(n, p), rang);
            if (rang + 1 < anzahl) {
                QVERIFY(KombinationWeiter(n, p));
                KombinationAusRang(n, rang + 1, q);
                QCOMPARE(p, q);
            }
        }
    }
}

Q_DECLARE_METATYPE(Familie)

void TstTrefferanalyse::gegenReferenz_data()
{
    QTest::addColumn<Familie>("familie");
    QTest::addColumn<Auftreten>("auftreten");
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("faelle");

    const auto L = Auftreten::Liste;
    // wz, rows, row length, unused share, foreign positions, duplicates, kmax
    QTest::newRow("small pools") << Familie{4, 12, 1, 8, 1, 6} << L << 1 << 40;
    QTest::newRow("pools up to 30") << Familie{13, 30, 1, 25, 2, 8} << L << 2 << 25;
    QTest::newRow("positions never used") << Familie{6, 24, 1, 12, 2, 6, 60} << L << 1 << 25;
    QTest::newRow("positions outside the pool") << Familie{4, 20, 1, 10, 1, 6, 0, true} << L << 1 << 25;
    QTest::newRow("duplicate rows") << Familie{4, 20, 2, 14, 2, 6, 0, false, true} << L << 2 << 25;
    QTest::newRow("a single row") << Familie{4, 24, 1, 1, 1, 10} << L << 1 << 25;
    QTest::newRow("no row") << Familie{4, 16, 0, 0, 1, 1} << L << 1 << 5;
    QTest::newRow("rows of very different sizes") << Familie{8, 20, 2, 20, 1, 12} << L << 1 << 25;
    QTest::newRow("long rows, many containing") << Familie{10, 16, 4, 30, 7, 12} << L << 3 << 20;
    QTest::newRow("65 to 256 rows") << Familie{8, 16, 65, 256, 3, 6} << L << 2 << 15;
    QTest::newRow("257 to 700 rows") << Familie{8, 12, 257, 700, 2, 6} << L << 2 << 8;
    QTest::newRow("histogram only") << Familie{4, 26, 1, 40, 1, 8} << Auftreten::Nein << 2 << 25;
    QTest::newRow("counts without list") << Familie{4, 26, 1, 40, 1, 8} << Auftreten::Anzahlen << 2 << 25;
    QTest::newRow("split over threads") << Familie{24, 30, 1, 4, 4, 8, 0, false, false, 6} << L << 2 << 6;
    QTest::newRow("three threads") << Familie{22, 26, 2, 6, 3, 7, 0, false, false, 6} << L << 3 << 4;
    QTest::newRow("pool above 64") << Familie{65, 128, 1, 25, 2, 10, 0, false, false, 3} << L << 2 << 8;
    QTest::newRow("pool above 128") << Familie{129, 255, 1, 40, 2, 10, 0, true, false, 2} << L << 2 << 8;
    QTest::newRow("all k of small pools, histogram only")
        << Familie{6, 16, 1, 40, 1, 10, 0, false, false, 20} << Auftreten::Nein << 2 << 10;
    QTest::newRow("k up to 20") << Familie{20, 20, 3, 6, 3, 6, 0, false, false, 20} << Auftreten::Anzahlen << 2 << 2;
}

void TstTrefferanalyse::gegenReferenz()
{
    QFETCH(Familie, familie);
    QFETCH(Auftreten, auftreten);
    QFETCH(int, threads);
    QFETCH(int, faelle);

    std::mt19937 z(std::uint32_t(qHash(QByteArray(QTest::currentDataTag()))));
    for (int fall = 0; fall < faelle; ++fall) {
        const int wz = familie.wzMin + int(z() % std::uint32_t(familie.wzMax - familie.wzMin + 1));
        Trefferauftrag a = Auftrag(Zeilen(z, familie, wz), wz, 1 + int(z() % 2), 0, auftreten, threads);
        // Every k from kmin on, as far as the literal method stays quick.
        const std::uint64_t budget = 600000;
        const auto zeilen = std::uint64_t(std::max<std::size_t>(a.reihen.size(), 1));
        std::uint64_t kosten = 0;
        a.kmax = a.kmin;
        const int kGrenze = familie.kBis > 0 ? std::min(familie.kBis, wz) : std::min(wz, TrefferMaxK);
        while (a.kmax < kGrenze) {
            kosten += TrefferBinom(wz, a.kmax + 1) * zeilen;
            if (familie.kBis == 0 && kosten > budget)
                break;
            ++a.kmax;
        }
        const Trefferergebnis e = Ausfuehren(a);
        MitReferenzVergleichen(a, e);
        if (QTest::currentTestFailed()) {
            qWarning("case %d: wz %d, %zu rows, k %d..%d", fall, wz, a.reihen.size(), a.kmin, a.kmax);
            return;
        }
    }
}

void TstTrefferanalyse::beispiele()
{
    // Rows 1 2 3, 1 2 4, 1 3 4 of a pool of 4.
    const auto reihen = std::vector<Reihenmenge>{Zeile({1, 2, 3}), Zeile({1, 2, 4}), Zeile({1, 3, 4})};
    const Trefferergebnis e = Ausfuehren(Auftrag(reihen, 4, 2, 4));
    QCOMPARE(e.proK.size(), std::size_t(3));
    const TrefferProK &k2 = *e.fuerK(2);
    QCOMPARE(k2.bewertet, std::uint64_t(6));
    QCOMPARE(k2.verteilung[2], std::uint64_t(6));
    QCOMPARE(k2.verteilung[1], std::uint64_t(0));
    QCOMPARE(Kombinationen(k2.kategorien, 0), QStringList());
    QCOMPARE(Kombinationen(k2.kategorien, 1), (QStringList{"2 3", "2 4", "3 4"}));
    QCOMPARE(Kombinationen(k2.kategorien, 2), (QStringList{"1 2", "1 3", "1 4"}));
    QCOMPARE(Kombinationen(k2.kategorien, 3), QStringList());
    const TrefferProK &k3 = *e.fuerK(3);
    QCOMPARE(k3.verteilung[3], std::uint64_t(3));
    QCOMPARE(k3.verteilung[2], std::uint64_t(1));
    QCOMPARE(k3.verteilung[1], std::uint64_t(0));
    QCOMPARE(Kombinationen(k3.kategorien, 0), QStringList{"2 3 4"});
    QCOMPARE(Kombinationen(k3.kategorien, 1), (QStringList{"1 2 3", "1 2 4", "1 3 4"}));
    // Four drawn numbers in a pool of four: the one combination hits 3 in its best row.
    const TrefferProK &k4 = *e.fuerK(4);
    QCOMPARE(k4.bewertet, std::uint64_t(1));
    QCOMPARE(k4.verteilung[3], std::uint64_t(1));
    QCOMPARE(k4.auftreten[0], std::uint64_t(1));
    QVERIFY(e.fuerK(1) == nullptr && e.fuerK(5) == nullptr);
}

void TstTrefferanalyse::mehrfachEnthalten()
{
    const auto reihen =
        std::vector<Reihenmenge>{Zeile({1, 2, 3}), Zeile({1, 2, 4}), Zeile({1, 2, 5}), Zeile({1, 3, 5})};
    const Trefferergebnis e = Ausfuehren(Auftrag(reihen, 5, 2, 2));
    const Kategorienliste &liste = e.proK[0].kategorien;
    QCOMPARE(Kombinationen(liste, 0), (QStringList{"3 4", "4 5"}));
    QCOMPARE(Kombinationen(liste, 1), (QStringList{"1 4", "2 3", "2 4", "2 5", "3 5"}));
    QCOMPARE(Kombinationen(liste, 2), (QStringList{"1 3", "1 5"}));
    QCOMPARE(Kombinationen(liste, 3), QStringList{"1 2"});
    QCOMPARE(e.proK[0].auftreten, (std::array<std::uint64_t, 4>{2, 5, 2, 1}));
}

Q_DECLARE_METATYPE(std::vector<Reihenmenge>)
using Verteilungen = std::vector<std::vector<std::uint64_t>>;
Q_DECLARE_METATYPE(Verteilungen)

void TstTrefferanalyse::kleineFaelle_data()
{
    QTest::addColumn<std::vector<Reihenmenge>>("reihen");
    QTest::addColumn<int>("wz");
    QTest::addColumn<int>("kmin");
    QTest::addColumn<int>("kmax");
    QTest::addColumn<Verteilungen>("erwartet"); // per k, the counts for j = 0..k

    const std::vector<Reihenmenge> voll{Zeile({1, 2}), Zeile({1, 3}), Zeile({2, 3})};
    QTest::newRow("full system RG 2 WZ 3") << voll << 3 << 2 << 3 << Verteilungen{{0, 0, 3}, {0, 0, 1, 0}};
    QTest::newRow("k above the pool") << std::vector<Reihenmenge>{Zeile({1, 2})} << 3 << 3 << 5
                                      << Verteilungen{{0, 0, 1, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
    QTest::newRow("a position in no row")
        << std::vector<Reihenmenge>{Zeile({1, 2})} << 4 << 2 << 2 << Verteilungen{{1, 4, 1}};
    QTest::newRow("one k") << voll << 3 << 2 << 2 << Verteilungen{{0, 0, 3}};
    QTest::newRow("kmax below kmin") << voll << 3 << 3 << 2 << Verteilungen{};
    QTest::newRow("empty pool") << voll << 0 << 1 << 2 << Verteilungen{{0, 0}, {0, 0, 0}};
    QTest::newRow("pool of one") << std::vector<Reihenmenge>{Zeile({1})} << 1 << 1 << 2
                                 << Verteilungen{{0, 1}, {0, 0, 0}};
    QTest::newRow("rows only outside the pool")
        << std::vector<Reihenmenge>{Zeile({0, 5, 255})} << 4 << 1 << 3 << Verteilungen{{4, 0}, {6, 0, 0}, {4, 0, 0, 0}};
    QTest::newRow("k = 1") << voll << 3 << 1 << 1 << Verteilungen{{0, 3}};
}

void TstTrefferanalyse::kleineFaelle()
{
    QFETCH(std::vector<Reihenmenge>, reihen);
    QFETCH(int, wz);
    QFETCH(int, kmin);
    QFETCH(int, kmax);
    QFETCH(Verteilungen, erwartet);

    for (int threads : {1, 2}) {
        const Trefferergebnis e = Ausfuehren(Auftrag(reihen, wz, kmin, kmax, Auftreten::Liste, threads));
        QCOMPARE(e.fehler, Trefferfehler::Keiner);
        QVERIFY(!e.abgebrochen);
        QCOMPARE(e.proK.size(), erwartet.size());
        for (std::size_t i = 0; i < erwartet.size(); ++i) {
            const TrefferProK &p = e.proK[i];
            QCOMPARE(p.k, kmin + int(i));
            std::vector<std::uint64_t> v(p.verteilung.begin(), p.verteilung.begin() + p.k + 1);
            QCOMPARE(v, erwartet[i]);
            std::uint64_t summe = 0;
            for (auto x : v)
                summe += x;
            QCOMPARE(p.bewertet, summe);
            QCOMPARE(p.kategorien.size(), summe);
        }
    }
}

void TstTrefferanalyse::ungueltigeAuftraege_data()
{
    QTest::addColumn<int>("wz");
    QTest::addColumn<int>("kmin");
    QTest::addColumn<int>("kmax");
    QTest::addColumn<Auftreten>("auftreten");
    QTest::addColumn<Trefferfehler>("fehler");

    const auto N = Auftreten::Nein;
    QTest::newRow("negative pool") << -1 << 2 << 3 << N << Trefferfehler::UngueltigerAuftrag;
    QTest::newRow("pool of 256") << 256 << 2 << 3 << N << Trefferfehler::UngueltigerAuftrag;
    QTest::newRow("k = 0") << 10 << 0 << 3 << N << Trefferfehler::UngueltigerAuftrag;
    QTest::newRow("k = 21") << 30 << 2 << 21 << N << Trefferfehler::UngueltigerAuftrag;
    QTest::newRow("C(100, 18) beyond 64 bits") << 100 << 2 << 18 << N << Trefferfehler::ZuVieleKombinationen;
    QTest::newRow("sum beyond 64 bits") << 105 << 16 << 17 << N << Trefferfehler::ZuVieleKombinationen;
    QTest::newRow("category list too large") << 100 << 15 << 15 << Auftreten::Liste << Trefferfehler::ZuWenigSpeicher;
}

void TstTrefferanalyse::ungueltigeAuftraege()
{
    QFETCH(int, wz);
    QFETCH(int, kmin);
    QFETCH(int, kmax);
    QFETCH(Auftreten, auftreten);
    QFETCH(Trefferfehler, fehler);
    const Trefferergebnis e = Ausfuehren(Auftrag({Zeile({1, 2, 3})}, wz, kmin, kmax, auftreten));
    QCOMPARE(e.fehler, fehler);
    QVERIFY(e.proK.empty());
}

void TstTrefferanalyse::fortschritt()
{
    const auto reihen = KatalogZeilen(182);
    for (int threads : {1, 2}) {
        std::vector<std::uint64_t> werte;
        std::atomic_int gleichzeitig{0};
        bool ueberlappt = false;
        const std::atomic_bool abbruch{false};
        const Trefferergebnis e = TrefferanalyseAusfuehren(Auftrag(reihen, 50, 2, 5, Auftreten::Nein, threads), abbruch,
                                                           [&](std::uint64_t erledigt) {
                                                               if (gleichzeitig.fetch_add(1) != 0)
                                                                   ueberlappt = true;
                                                               werte.push_back(erledigt);
                                                               gleichzeitig.fetch_sub(1);
                                                           });
        QVERIFY(!e.abgebrochen);
        QVERIFY(!ueberlappt);
        QVERIFY(werte.size() > 3);
        QVERIFY(std::adjacent_find(werte.begin(), werte.end(), std::greater_equal<>()) == werte.end());
        QCOMPARE(werte.back(), std::uint64_t(RechenoperationenZaehlen(1, 50, 5, 2)));
    }
}

void TstTrefferanalyse::stopVorDemStart_data()
{
    QTest::addColumn<int>("wz");
    QTest::addColumn<Auftreten>("auftreten");
    QTest::newRow("search") << 4 << Auftreten::Liste;
    QTest::newRow("all k of a small pool together") << 12 << Auftreten::Nein;
}

void TstTrefferanalyse::stopVorDemStart()
{
    QFETCH(int, wz);
    QFETCH(Auftreten, auftreten);
    const std::atomic_bool abbruch{true};
    const Trefferergebnis e = TrefferanalyseAusfuehren(Auftrag(KatalogZeilen(0), wz, 2, wz, auftreten), abbruch);
    QVERIFY(e.abgebrochen);
    QCOMPARE(e.kErreicht, 2);
    QCOMPARE(e.proK.size(), std::size_t(wz - 1));
    for (const TrefferProK &p : e.proK) {
        QCOMPARE(p.bewertet, std::uint64_t(0));
        QCOMPARE(p.verteilung, (std::array<std::uint64_t, TrefferMaxK + 1>{}));
        QVERIFY(p.kategorien.leer());
    }
}

void TstTrefferanalyse::stopImErstenK()
{
    // One thread: the combinations evaluated before the stop are the first ones in order,
    // exactly as many as the last progress report said.
    std::mt19937 z(11);
    const auto reihen = Zeilen(z, Familie{30, 30, 40, 40, 5, 5}, 30);
    std::atomic_bool abbruch{false};
    std::uint64_t gemeldet = 0;
    const Trefferergebnis e =
        TrefferanalyseAusfuehren(Auftrag(reihen, 30, 5, 6, Auftreten::Liste, 1), abbruch, [&](std::uint64_t erledigt) {
            gemeldet = erledigt;
            abbruch = true;
        });
    QVERIFY(e.abgebrochen);
    QCOMPARE(e.kErreicht, 5);
    const TrefferProK &p = e.proK[0];
    QVERIFY(p.bewertet > 0);
    QVERIFY(p.bewertet < TrefferBinom(30, 5));
    QCOMPARE(p.bewertet, gemeldet);
    QVERIFY(p.kategorien.leer());
    const auto ref = TrefferReferenz(reihen, 30, 5, 5, false, p.bewertet);
    QCOMPARE(p.verteilung, ref[0].verteilung);
    QCOMPARE(p.auftreten, ref[0].auftreten);
    const TrefferProK &spaeter = e.proK[1];
    QCOMPARE(spaeter.bewertet, std::uint64_t(0));
    QCOMPARE(spaeter.verteilung, (std::array<std::uint64_t, TrefferMaxK + 1>{}));
    QCOMPARE(spaeter.auftreten, (std::array<std::uint64_t, 4>{}));
}

void TstTrefferanalyse::stopMitZweiThreads()
{
    // Several threads stop wherever they are: the counts still describe exactly the
    // combinations evaluated, each once.
    const auto reihen = KatalogZeilen(391);
    const Trefferergebnis voll = Ausfuehren(Auftrag(reihen, 49, 6, 6, Auftreten::Anzahlen, 2));
    std::atomic_bool abbruch{false};
    const Trefferergebnis e = TrefferanalyseAusfuehren(Auftrag(reihen, 49, 6, 7, Auftreten::Liste, 2), abbruch,
                                                       [&](std::uint64_t) { abbruch = true; });
    QVERIFY(e.abgebrochen);
    QCOMPARE(e.kErreicht, 6);
    const TrefferProK &p = e.proK[0];
    QVERIFY(p.bewertet > 0);
    QVERIFY(p.bewertet < TrefferBinom(49, 6));
    std::uint64_t summeV = 0, summeA = 0;
    for (int j = 0; j <= 6; ++j) {
        QVERIFY(p.verteilung[std::size_t(j)] <= voll.proK[0].verteilung[std::size_t(j)]);
        summeV += p.verteilung[std::size_t(j)];
    }
    for (int c = 0; c < 4; ++c) {
        QVERIFY(p.auftreten[std::size_t(c)] <= voll.proK[0].auftreten[std::size_t(c)]);
        summeA += p.auftreten[std::size_t(c)];
    }
    QCOMPARE(summeV, p.bewertet);
    QCOMPARE(summeA, p.bewertet);
    QVERIFY(p.kategorien.leer());
    QCOMPARE(e.proK[1].bewertet, std::uint64_t(0));
}

void TstTrefferanalyse::stopZwischenZweiK()
{
    // The stop comes with the report that completes k = 3: k = 3 keeps its list, k = 4 is
    // the one interrupted, before its first combination.
    std::mt19937 z(5);
    const auto reihen = Zeilen(z, Familie{20, 20, 12, 12, 4, 4}, 20);
    std::atomic_bool abbruch{false};
    const Trefferergebnis e =
        TrefferanalyseAusfuehren(Auftrag(reihen, 20, 3, 4, Auftreten::Liste, 1), abbruch, [&](std::uint64_t erledigt) {
            if (erledigt >= TrefferBinom(20, 3))
                abbruch = true;
        });
    QVERIFY(e.abgebrochen);
    QCOMPARE(e.kErreicht, 4);
    QCOMPARE(e.proK[0].bewertet, TrefferBinom(20, 3));
    QCOMPARE(e.proK[0].kategorien.size(), TrefferBinom(20, 3));
    const auto ref = TrefferReferenz(reihen, 20, 3, 3, false);
    QCOMPARE(e.proK[0].verteilung, ref[0].verteilung);
    QCOMPARE(e.proK[1].bewertet, std::uint64_t(0));
}

void TstTrefferanalyse::katalogGarantien()
{
    // Every promise of the built-in catalogue, checked with the engine: no draw of GA numbers
    // out of the pool hits fewer than GA in its best row, and the lottery guarantees
    // (m numbers in the pool give s hits somewhere) hold as well.
    int geprueft = 0;
    for (int i = 0; i < KatalogGroesse; ++i) {
        const TSysteme &s = KatalogSystem(i);
        if (s.GA == 0)
            continue;
        const Lottogarantie lotto = LottogarantieFuer(i);
        std::vector<std::pair<int, int>> versprechen; // (drawn numbers in the pool, least hits)
        if (!lotto.stattAbdeckung)
            versprechen.emplace_back(s.GA, s.GA);
        if (lotto.m > 0)
            versprechen.emplace_back(lotto.m, lotto.s);
        const auto reihen = KatalogZeilen(i);
        for (const auto &[k, mindestens] : versprechen) {
            const Trefferergebnis e = Ausfuehren(Auftrag(reihen, s.WZ, k, k, Auftreten::Nein, 0));
            QCOMPARE(e.fehler, Trefferfehler::Keiner);
            QCOMPARE(e.proK[0].bewertet, TrefferBinom(s.WZ, k));
            for (int j = 0; j < mindestens; ++j) {
                if (e.proK[0].verteilung[std::size_t(j)] != 0)
                    QFAIL(qPrintable(QStringLiteral("entry %1: %2 draws of %3 with only %4 hits")
                                         .arg(i)
                                         .arg(e.proK[0].verteilung[std::size_t(j)])
                                         .arg(k)
                                         .arg(j)));
            }
            ++geprueft;
        }
    }
    QVERIFY(geprueft > 500);
}

void TstTrefferanalyse::katalog391()
{
    const TSysteme &s = KatalogSystem(391);
    QCOMPARE(int(s.WZ), 49);
    QCOMPARE(int(s.RG), 6);
    const Trefferergebnis e = Ausfuehren(Auftrag(KatalogZeilen(391), 49, 6, 6, Auftreten::Liste, 0));
    const TrefferProK &p = e.proK[0];
    QCOMPARE(p.bewertet, std::uint64_t(13983816));
    QCOMPARE(p.verteilung[0] + p.verteilung[1] + p.verteilung[2], std::uint64_t(0));
    // Each row is one of the combinations, so exactly TR of them have 6 hits and lie in a row.
    QCOMPARE(p.verteilung[6], std::uint64_t(s.TR));
    QCOMPARE(p.auftreten[1] + p.auftreten[2] + p.auftreten[3], std::uint64_t(s.TR));
    QCOMPARE(p.kategorien.anzahl(1), p.auftreten[1]);
}

QTEST_APPLESS_MAIN(TstTrefferanalyse)
#include "tst_trefferanalyse.moc"
