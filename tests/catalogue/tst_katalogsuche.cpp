// The catalogue's design search, constructions and checker.
#include "abdeckungssuche.h"
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
