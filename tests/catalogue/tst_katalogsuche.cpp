// The catalogue's design search, constructions and checker.
#include "abdeckungssuche.h"
#include "gruppensuche.h"
#include "katalog.h"
#include "katalogpruefung.h"
#include "katalogschreiben.h"
#include "konstruktionen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace {

std::vector<std::uint8_t> AlsReihen(const std::vector<Block> &bloecke)
{
    std::vector<std::uint8_t> r;
    for (Block b : bloecke)
        for (; b; b &= b - 1)
            r.push_back(std::uint8_t(__builtin_ctzll(b) + 1));
    return r;
}

} // namespace

class TstKatalogsuche : public QObject
{
    Q_OBJECT

private slots:
    void sucheFindetAbdeckung_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("lambda");
        QTest::addColumn<int>("ziel");
        QTest::newRow("Fano plane") << 7 << 3 << 2 << 1 << 7;
        QTest::newRow("C(10,4,3)") << 10 << 4 << 3 << 1 << 30;
        QTest::newRow("C(12,6,3) twice") << 12 << 6 << 3 << 2 << 22;
    }
    void sucheFindetAbdeckung()
    {
        QFETCH(int, v);
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, lambda);
        QFETCH(int, ziel);
        Suchaufgabe a;
        a.v = v;
        a.k = k;
        a.t = t;
        a.lambda = lambda;
        Abdeckungssuche suche(a, 7);
        const auto bloecke = suche.verkleinern(suche.gierig(), ziel, 20.0);
        QCOMPARE(int(bloecke.size()), ziel);
        for (Block b : bloecke)
            QCOMPARE(__builtin_popcountll(b), k);
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(AbdeckungErfuellt(v, k, ziel, reihen.data(), t));
    }

    // Fixed rows count towards the covering but are neither moved nor returned.
    void festeZeilenBleibenStehen()
    {
        Suchaufgabe a{7, 3, 2};
        // Three lines of the Fano plane through the point 0.
        a.fest = {0b0000111, 0b0011001, 0b1100001};
        Abdeckungssuche suche(a, 4);
        const auto rest = suche.verkleinern(suche.gierig(), 4, 5.0);
        QCOMPARE(int(rest.size()), 4);
        for (Block b : rest)
            QVERIFY(std::find(a.fest.begin(), a.fest.end(), b) == a.fest.end());
        auto alle = rest;
        alle.insert(alle.end(), a.fest.begin(), a.fest.end());
        const auto reihen = AlsReihen(alle);
        QVERIFY(AbdeckungErfuellt(7, 3, 7, reihen.data(), 2));
    }

    void auffuellenBleibtVerschieden()
    {
        Suchaufgabe a{9, 3, 2};
        Abdeckungssuche suche(a, 3);
        auto bloecke = suche.verkleinern(suche.gierig(), 12, 5.0);
        suche.auffuellen(bloecke, 40);
        QCOMPARE(int(bloecke.size()), 40);
        std::sort(bloecke.begin(), bloecke.end());
        QVERIFY(std::adjacent_find(bloecke.begin(), bloecke.end()) == bloecke.end());
    }

    void steinersystemIstExakt()
    {
        const auto bloecke = SteinerS3622();
        QCOMPARE(int(bloecke.size()), 77);
        // 77 * C(6,3) = C(22,3): covered at all means covered exactly once.
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(AbdeckungErfuellt(22, 6, 77, reihen.data(), 3));
        for (Block b : bloecke)
            QCOMPARE(__builtin_popcountll(b), 6);
    }

    void binaeresQuadrupelsystemIstExakt()
    {
        // SQS(16): 140 * C(4,3) = C(16,3).
        const auto bloecke = QuadrupelsystemBinaer(4);
        QCOMPARE(int(bloecke.size()), 140);
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(AbdeckungErfuellt(16, 4, 140, reihen.data(), 3));
    }

    void projektiverRaumIstSteinersystem()
    {
        // PG(3,3): 130 lines of 4 on 40 points, 130 * C(4,2) = C(40,2).
        const auto geraden = GeradenPG3(3);
        QCOMPARE(int(geraden.size()), 130);
        const auto reihen = AlsReihen(geraden);
        QVERIFY(AbdeckungErfuellt(40, 4, 130, reihen.data(), 2));
        for (Block b : geraden)
            QCOMPARE(__builtin_popcountll(b), 4);
    }

    void differenzfamilieErgibtPaarsystem_data()
    {
        QTest::addColumn<QVector<int>>("moduli");
        QTest::addColumn<int>("k");
        QTest::addColumn<QVector<int>>("h");
        QTest::addColumn<bool>("unendlich");
        QTest::addColumn<int>("v");
        QTest::newRow("(13,4,1) cyclic") << QVector<int>{13} << 4 << QVector<int>{0} << false << 13;
        QTest::newRow("(28,4,1) over Z_3^3 and a fixed point")
            << QVector<int>{3, 3, 3} << 4 << QVector<int>{1, 0, 0} << true << 28;
        QTest::newRow("(45,5,1) over Z_3^2 x Z_5")
            << QVector<int>{3, 3, 5} << 5 << QVector<int>{0, 0, 1} << false << 45;
    }
    void differenzfamilieErgibtPaarsystem()
    {
        QFETCH(QVector<int>, moduli);
        QFETCH(int, k);
        QFETCH(QVector<int>, h);
        QFETCH(bool, unendlich);
        QFETCH(int, v);
        const auto bloecke =
            DifferenzfamilieEntwickeln({moduli.begin(), moduli.end()}, k, {h.begin(), h.end()}, unendlich);
        // Every pair exactly once: v(v-1) / (k(k-1)) rows that cover all pairs.
        QCOMPARE(int(bloecke.size()), v * (v - 1) / (k * (k - 1)));
        for (Block b : bloecke)
            QCOMPARE(__builtin_popcountll(b), k);
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(AbdeckungErfuellt(v, k, int(bloecke.size()), reihen.data(), 2));
        // No cyclic (28,4,1) design with a fixed point exists over Z_27.
        QVERIFY(DifferenzfamilieEntwickeln({27}, 4, {9}, true).empty());
    }

    void transversalDesignMitGruppen_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("zusatz");
        QTest::newRow("TD(6,8) over GF(8) and a point: 49 points") << 6 << 8 << 1;
        QTest::newRow("TD(5,9) over GF(9)") << 5 << 9 << 0;
        QTest::newRow("TD(4,5) over GF(5)") << 4 << 5 << 0;
        QTest::newRow("TD(4,11) and two points shared by the groups") << 4 << 11 << 2;
        QTest::newRow("TD(4,4) over GF(4), each group one row") << 4 << 4 << 0;
        QTest::newRow("TD(4,3) with the extra column") << 4 << 3 << 0;
        QTest::newRow("TD(4,12) as the product of TD(4,3) and TD(4,4)") << 4 << 12 << 0;
    }
    void transversalDesignMitGruppen()
    {
        QFETCH(int, k);
        QFETCH(int, q);
        QFETCH(int, zusatz);
        const int g = q + zusatz;
        std::vector<Block> gruppe;
        if (g > k) {
            Suchaufgabe a{g, k, 2};
            Abdeckungssuche suche(a, 11);
            gruppe = suche.gierig();
        }
        const auto bloecke = TransversalMitGruppen(k, q, zusatz, gruppe);
        const int v = k * q + zusatz;
        QCOMPARE(int(bloecke.size()), q * q + k * std::max<int>(1, int(gruppe.size())));
        for (Block b : bloecke)
            QCOMPARE(__builtin_popcountll(b), k);
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(AbdeckungErfuellt(v, k, int(bloecke.size()), reihen.data(), 2));
        QVERIFY(TransversalMitGruppen(4, 6, 0, gruppe).empty()); // neither a field nor a product
    }

    void orthogonalesFeldTrifftJedesTripelEinmal_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("q");
        QTest::newRow("6 columns over GF(5), with the extra column") << 6 << 5;
        QTest::newRow("5 columns over GF(4)") << 5 << 4;
        QTest::newRow("3 columns over GF(7)") << 3 << 7;
    }
    void orthogonalesFeldTrifftJedesTripelEinmal()
    {
        QFETCH(int, k);
        QFETCH(int, q);
        const auto bloecke = OrthogonalesFeldStaerke3(k, q);
        QCOMPARE(int(bloecke.size()), q * q * q);
        const int v = k * q;
        for (int a = 0; a < v; ++a)
            for (int b = a + 1; b < v; ++b)
                for (int c = b + 1; c < v; ++c) {
                    if (a / q == b / q || b / q == c / q || a / q == c / q)
                        continue;
                    const Block tripel = Block(1) << a | Block(1) << b | Block(1) << c;
                    const auto n =
                        std::count_if(bloecke.begin(), bloecke.end(), [&](Block r) { return (r & tripel) == tripel; });
                    QCOMPARE(int(n), 1);
                }
        QVERIFY(OrthogonalesFeldStaerke3(q + 2, q).empty());
    }

    // Rows for one pair of parts that hold every triple with two or three points in the first
    // part, copied onto the three cyclic pairs, give 3 hits whenever 4 drawn lie in the 27.
    void dreiAusVierInDreiTeilen()
    {
        std::vector<Block> teil;
        const Block a = (Block(1) << 9) - 1;
        for (Block b = 0; b <= a; ++b)
            if (__builtin_popcountll(b) == 6)
                teil.push_back(b);
        const Block viererB[3] = {Block(0xF) << 9, Block(0xF) << 13, Block(0xF) << 14};
        for (int x = 0; x < 9; ++x)
            for (int y = x + 1; y < 9; ++y)
                for (Block b : viererB)
                    teil.push_back(Block(1) << x | Block(1) << y | b);
        const auto bloecke = DreiAusVierInDreiTeilen(teil);
        QCOMPARE(bloecke.size(), 3 * teil.size());
        const auto reihen = AlsReihen(bloecke);
        QVERIFY(LottogarantieErfuellt(27, 6, int(bloecke.size()), reihen.data(), 4, 3));
        // Without the rows for the triples inside a part the promise fails.
        const std::vector<Block> ohne(teil.begin() + 84, teil.end());
        const auto r2 = AlsReihen(DreiAusVierInDreiTeilen(ohne));
        QVERIFY(!LottogarantieErfuellt(27, 6, int(r2.size() / 6), r2.data(), 4, 3));
    }

    // Designs kept apart because they are smaller than the best known ones: each file is
    // checked as it stands, by the same checker as the catalogue.
    void rekordeHaltenIhreAbdeckung_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("C(16,8,5) in 114 rows") << "C16-8-5.txt" << 16 << 8 << 5 << 114;
    }
    void rekordeHaltenIhreAbdeckung()
    {
        QFETCH(QString, datei);
        QFETCH(int, v);
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, zeilen);
        QFile f(QDir(QStringLiteral(KBW_REKORDE)).filePath(datei));
        QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(f.fileName()));
        std::vector<std::uint8_t> reihen;
        std::vector<Block> bloecke;
        for (const QByteArray &zeile : f.readAll().split('\n')) {
            if (zeile.trimmed().isEmpty() || zeile.startsWith('#'))
                continue;
            Block b = 0;
            for (const QByteArray &feld : zeile.simplified().split(' ')) {
                bool ok = false;
                const int p = feld.toInt(&ok);
                QVERIFY(ok && p >= 1 && p <= v);
                reihen.push_back(std::uint8_t(p));
                b |= Block(1) << (p - 1);
            }
            QCOMPARE(__builtin_popcountll(b), k);
            bloecke.push_back(b);
        }
        QCOMPARE(int(bloecke.size()), zeilen);
        std::sort(bloecke.begin(), bloecke.end());
        QVERIFY(std::adjacent_find(bloecke.begin(), bloecke.end()) == bloecke.end());
        QVERIFY(AbdeckungErfuellt(v, k, zeilen, reihen.data(), t));
    }

    // Each derivation must keep the covering property for its t on its point count, with
    // rows of the right length and no row twice.
    void ableitungenBehaltenAbdeckung()
    {
        const auto steiner = SteinerS3622();
        auto pruefen = [](const std::vector<Block> &b, int v, int k, int t) {
            for (Block r : b)
                QCOMPARE(__builtin_popcountll(r), k);
            auto sortiert = b;
            std::sort(sortiert.begin(), sortiert.end());
            QVERIFY(std::adjacent_find(sortiert.begin(), sortiert.end()) == sortiert.end());
            const auto reihen = AlsReihen(b);
            QVERIFY(AbdeckungErfuellt(v, k, int(b.size()), reihen.data(), t));
        };
        // Deleting the first, a middle and the last point.
        for (int p : {0, 9, 21}) {
            const auto b = PunktStreichen(steiner, 22, p);
            QCOMPARE(int(b.size()), 77);
            pruefen(b, 21, 6, 3);
        }
        pruefen(ZeilenVerlaengern(steiner, 22), 22, 7, 3);
        pruefen(PunkteVervielfachen(steiner, 22, 2), 44, 12, 3);
        // C(23,6,3) <= C(22,6,3) + C(22,5,2), with any pair covering by rows of 5.
        Suchaufgabe a{22, 5, 2};
        Abdeckungssuche suche(a, 5);
        const auto paare = suche.gierig();
        const auto b = NeuerPunkt(steiner, paare, 23);
        QCOMPARE(b.size(), steiner.size() + paare.size());
        pruefen(b, 23, 6, 3);
    }

    // The orbit of a subline under PGL(2,q^2) is a Steiner system S(3,q+1,q^2+1); the orbit
    // search must find that single orbit as the cheapest cover.
    void gruppensucheFindetSteinersystem_data()
    {
        QTest::addColumn<QString>("gruppe");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("S(3,6,26) from PGL(2,25)") << "pgl:25" << 26 << 6 << 3 << 130;
        QTest::newRow("S(3,4,10) from PGL(2,9)") << "pgl:9" << 10 << 4 << 3 << 30;
        QTest::newRow("S(2,4,37) cyclic") << "37,1,0,1,0" << 37 << 4 << 2 << 111;
        // Two full orbits form a 4-GDD of type 6^5, a short one covers its groups.
        QTest::newRow("C(30,4,2) cyclic") << "30,1,0,1,0" << 30 << 4 << 2 << 75;
    }
    void gruppensucheFindetSteinersystem()
    {
        QFETCH(QString, gruppe);
        QFETCH(int, v);
        QFETCH(int, k);
        QFETCH(int, t);
        QFETCH(int, zeilen);
        std::vector<Permutation> erzeuger;
        std::string fehler;
        QVERIFY2(GruppeLesen(gruppe.toStdString(), v, erzeuger, fehler), fehler.c_str());
        const Gruppensuchergebnis g = GruppenUeberdeckung(v, k, t, erzeuger, 2.0, 5);
        QCOMPARE(int(g.gestutzt.size()), zeilen);
        std::vector<Block> sortiert = g.gestutzt;
        std::sort(sortiert.begin(), sortiert.end());
        QVERIFY(std::adjacent_find(sortiert.begin(), sortiert.end()) == sortiert.end());
        for (Block b : sortiert)
            QCOMPARE(__builtin_popcountll(b), k);
        const auto reihen = AlsReihen(g.gestutzt);
        QVERIFY(AbdeckungErfuellt(v, k, zeilen, reihen.data(), t));
    }

    // The screen's group list: every description reads, none twice, and the groups that
    // gave stored designs are on it, those whose orbits cannot add up to the rows are not.
    void siebGruppen_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QString>("dabei");
        QTest::addColumn<QString>("nicht");
        QTest::newRow("Z_24") << 24 << 24 << "24,1,0,1,0" << "5,4,4,1,0";
        QTest::newRow("three copies of Z_12") << 36 << 108 << "12,3,0,1,0" << "7,5,1,1,0";
        QTest::newRow("six copies of Z_6") << 36 << 108 << "6,6,0,1,0" << "5,7,1,1,0";
        QTest::newRow("projective line") << 30 << 75 << "pgl:29" << "4,6,6,1,0";
        QTest::newRow("ten fixed points") << 50 << 130 << "10,4,10,1,1" << "10,4,10,3,1";
    }
    void siebGruppen()
    {
        QFETCH(int, v);
        QFETCH(int, zeilen);
        QFETCH(QString, dabei);
        QFETCH(QString, nicht);
        const std::vector<std::string> g = SiebGruppen(v, zeilen);
        QVERIFY(std::find(g.begin(), g.end(), dabei.toStdString()) != g.end());
        QVERIFY(std::find(g.begin(), g.end(), nicht.toStdString()) == g.end());
        std::vector<std::string> sortiert = g;
        std::sort(sortiert.begin(), sortiert.end());
        QVERIFY(std::adjacent_find(sortiert.begin(), sortiert.end()) == sortiert.end());
        for (const std::string &b : g) {
            std::vector<Permutation> erzeuger;
            std::string fehler;
            QVERIFY2(GruppeLesen(b, v, erzeuger, fehler), (b + ": " + fehler).c_str());
        }
    }

    void gruppenbeschreibungFalsch_data()
    {
        QTest::addColumn<QString>("gruppe");
        QTest::addColumn<int>("v");
        QTest::newRow("copies and fixed points do not add up") << "7,2,1,1,0" << 16;
        QTest::newRow("multiplier not invertible") << "12,1,0,4,0" << 12;
        QTest::newRow("projective line of the wrong size") << "pgl:11" << 13;
        QTest::newRow("no field of that order") << "psl:15" << 16;
    }
    void gruppenbeschreibungFalsch()
    {
        QFETCH(QString, gruppe);
        QFETCH(int, v);
        std::vector<Permutation> erzeuger;
        std::string fehler;
        QVERIFY(!GruppeLesen(gruppe.toStdString(), v, erzeuger, fehler));
        QVERIFY(!fehler.empty());
    }

    // "3 hits if 4 drawn" lets a row go whose triples are needed only by 4-sets that hold
    // another covered triple; a plain triple covering may not drop it.
    void streichenNachLottoForderung()
    {
        // All 4 triples of {0,1,2,3} as rows on 4 points (k = 3): one row meets every 4-set.
        const std::vector<Block> bloecke{0b0111, 0b1011, 0b1101, 0b1110};
        QCOMPARE(int(RedundanteStreichen(4, 3, bloecke, 3, 1).size()), 4);
        QCOMPARE(int(RedundanteStreichen(4, 3, bloecke, 3, 1, 4).size()), 1);
        // A row that alone covers all pairs of a 3-set is needed for "2 if 3", even though the
        // 3-set holds more than one covered pair.
        QCOMPARE(int(RedundanteStreichen(3, 2, {Block(0b111)}, 1, 1, 3).size()), 1);
        // The lottery search keeps the demand met, and the checker agrees.
        std::vector<Permutation> erzeuger;
        std::string fehler;
        QVERIFY(GruppeLesen("13,1,0,3,0", 13, erzeuger, fehler));
        const Gruppensuchergebnis g = GruppenUeberdeckung(13, 4, 3, erzeuger, 1.0, 2, 400000, nullptr, 4);
        QVERIFY(!g.gestutzt.empty());
        const auto reihen = AlsReihen(g.gestutzt);
        QVERIFY(LottogarantieErfuellt(13, 4, int(g.gestutzt.size()), reihen.data(), 4, 3));
    }

    void eintragNullWieBeschrieben()
    {
        // The first catalogue system is documented with exactly these rows.
        const TSysteme sys = KatalogSystem(0);
        const std::vector<std::uint8_t> reihen(KatalogReihen(0), KatalogReihen(0) + sys.TR * sys.RG);
        QCOMPARE(reihen, (std::vector<std::uint8_t>{1, 2, 3, 1, 2, 4, 1, 3, 4}));
        QCOMPARE(AlsReihen(OhneJeEinenPunkt(4, 2)), (std::vector<std::uint8_t>{1, 2, 3, 1, 2, 4, 1, 3, 4}));
    }

    void lottogarantie()
    {
        // Two rows {1,2,3} and {4,5,6} on 6 positions: any 3 drawn hold 2 of one row,
        // but the draw {1,4} holds no pair.
        const std::vector<std::uint8_t> reihen{1, 2, 3, 4, 5, 6};
        QVERIFY(LottogarantieErfuellt(6, 3, 2, reihen.data(), 3, 2));
        QVERIFY(!LottogarantieErfuellt(6, 3, 2, reihen.data(), 2, 2));
    }

    void gleichmaessigVerteilt()
    {
        std::mt19937_64 rng(1);
        const auto bloecke = GleichmaessigVerteilen(10, 5, 2, rng);
        QCOMPARE(int(bloecke.size()), 2);
        QCOMPARE(bloecke[0] | bloecke[1], Block(0x3ff));
    }

    void pruefungErkenntFehler_data()
    {
        QTest::addColumn<int>("stelle");
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("fehler");
        // Entry 0 is C(4,3,2) with 3 rows: {1,2,3} {1,2,4} {1,3,4} or any equivalent.
        QTest::newRow("position above the pool") << 2 << 5 << "position out of range";
        QTest::newRow("position zero") << 0 << 0 << "position out of range";
        QTest::newRow("not ascending") << 1 << 1 << "not ascending";
    }
    void pruefungErkenntFehler()
    {
        QFETCH(int, stelle);
        QFETCH(int, wert);
        QFETCH(QString, fehler);
        const TSysteme sys = KatalogSystem(0);
        std::vector<std::uint8_t> reihen(KatalogReihen(0), KatalogReihen(0) + sys.TR * sys.RG);
        QVERIFY(KatalogeintragPruefen(0, sys, reihen.data()).ok);
        reihen[stelle] = std::uint8_t(wert);
        const Pruefergebnis p = KatalogeintragPruefen(0, sys, reihen.data());
        QVERIFY(!p.ok);
        QVERIFY2(QString::fromStdString(p.fehler).contains(fehler), p.fehler.c_str());
    }

    void pruefungVerlangtGarantieUndPlan()
    {
        // Three rows on 4 positions cover every pair only if no two rows repeat.
        const TSysteme sys = KatalogSystem(0);
        std::vector<std::uint8_t> doppelt{1, 2, 3, 1, 2, 3, 1, 2, 4};
        QVERIFY(!KatalogeintragPruefen(0, sys, doppelt.data()).ok);
        std::vector<std::uint8_t> reihen(KatalogReihen(0), KatalogReihen(0) + sys.TR * sys.RG);
        TSysteme anders = sys;
        anders.GA = 1;
        QVERIFY(!KatalogeintragPruefen(0, anders, reihen.data()).ok);
        anders = sys;
        anders.TR = 2; // below the fixed row count
        QVERIFY(!KatalogeintragPruefen(0, anders, reihen.data()).ok);
    }

    // The catalogue tool's write of katalog.txt: a failed write keeps the old file and leaves
    // nothing beside it; a read-only data file is not replaced.
    void katalogSchreibenSicher_data()
    {
        QTest::addColumn<int>("schritt"); // -1: read-only file
        QTest::newRow("oeffnen") << int(SchreibSchritt::Oeffnen);
        QTest::newRow("schreiben") << int(SchreibSchritt::Schreiben);
        QTest::newRow("leeren") << int(SchreibSchritt::Leeren);
        QTest::newRow("uebernehmen") << int(SchreibSchritt::Uebernehmen);
        QTest::newRow("schreibgeschuetzt") << -1;
    }
    void katalogSchreibenSicher()
    {
        QFETCH(int, schritt);
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const QString pfad = ordner.filePath(QStringLiteral("katalog.txt"));
        const QByteArray alt("# alt\nsystem 0 RG 3 WZ 4 GA 2 TR 3\n1 2 3\n1 2 4\n3 4 1\n");
        {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(alt);
        }
        std::vector<KatalogEintrag> eintraege(KatalogGroesse);
        eintraege[0].vorhanden = true;
        eintraege[0].sys = KatalogSystem(0);
        eintraege[0].reihen.assign(KatalogReihen(0), KatalogReihen(0) + 9);
        if (schritt < 0)
            QVERIFY(QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadGroup));
        else
            SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt(schritt), SchreibFehler::DatentraegerVoll});
        const SchreibErgebnis e = KatalogSchreiben(pfad.toStdString(), eintraege, "# neu\n");
        SchreibStoerungSetzen(std::nullopt);
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(e.fehler, schritt < 0 ? SchreibFehler::KeineBerechtigung : SchreibFehler::DatentraegerVoll);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alt);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("katalog.txt")});

        // Without a fault the new text is in place and reads back.
        f.close();
        QVERIFY(KatalogSchreiben(pfad.toStdString(), eintraege, "# neu\n").ok());
        std::vector<KatalogEintrag> gelesen;
        std::string fehler;
        QVERIFY2(KatalogLesen(pfad.toStdString(), gelesen, fehler), fehler.c_str());
        QVERIFY(gelesen[0].vorhanden);
        QCOMPARE(gelesen[0].reihen, eintraege[0].reihen);
    }
};

QTEST_APPLESS_MAIN(TstKatalogsuche)
#include "tst_katalogsuche.moc"
