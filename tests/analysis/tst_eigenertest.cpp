#include "eigenertest.h"
#include "reihentext.h"
#include "systembeschreibung.h"
#include "systemtestrechnung.h"

#include <QtTest>

#include <atomic>

class TstEigenertest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void beispiele_data();
    void beispiele();
    void abgelehnt_data();
    void abgelehnt();
    void wiederholterTestGleich();
    void abgebrochenerLaufZaehltNurFertigeK();
};

namespace {

EigeneReihenZustand Gelesen(const QString &text)
{
    Leseauftrag a;
    a.text = text;
    a.trenner = Trenner::Leerzeichen;
    const Leseergebnis e = ReihentextLesen(a);
    EigeneReihenZustand z;
    EigeneReihenUebernehmen(z, e);
    return z;
}

const char *Fano = "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6";
const char *FanoMitZehn = "1 2 3 10\n1 4 5 10\n1 6 7 10\n2 4 6 10\n2 5 7 10\n3 4 7 10\n3 5 6 10";

} // namespace

void TstEigenertest::beispiele_data()
{
    QTest::addColumn<QString>("reihen");
    QTest::addColumn<int>("banker");
    QTest::addColumn<int>("rg");
    QTest::addColumn<int>("wz");
    QTest::addColumn<int>("tr");
    QTest::addColumn<qint64>("rechenoperationen");
    QTest::addColumn<int>("garantie");
    QTest::addColumn<QStringList>("zeileK3"); // g2 row of k = 3: total, then 1, 2, 3 hits
    QTest::addColumn<QStringList>("prozentK3");
    QTest::addColumn<QString>("beschreibung");

    const QString fanoText =
        QStringLiteral("\"Eigenes System\" für 7 Wahlzahlen in 7 Tippreihen à 3 Zahlen mit 2er Garantie.");
    QTest::newRow("Fano") << QString(Fano) << 0 << 3 << 7 << 7 << qint64(392) << 2 << QStringList{"35", "", "28", "7"}
                          << QStringList{"", "", "80,00", "20,00"} << fanoText;
    // 10 stands in every row: a banker, and the test sees the same system.
    QTest::newRow("Fano mit Bankzahl") << QString(FanoMitZehn) << 1 << 3 << 7 << 7 << qint64(392) << 2
                                       << QStringList{"35", "", "28", "7"} << QStringList{"", "", "80,00", "20,00"}
                                       << fanoText;
    QTest::newRow("1 als Bankzahl") << "1 2 3\n1 4 5\n1 6 7" << 1 << 2 << 6 << 3 << qint64(45) << 0 << QStringList()
                                    << QStringList()
                                    << QStringLiteral("\"Eigenes System\" für 6 Wahlzahlen in 3 Tippreihen à 2 "
                                                      "Zahlen ohne Garantie.");
}

void TstEigenertest::beispiele()
{
    QFETCH(QString, reihen);
    QFETCH(int, banker);
    QFETCH(int, rg);
    QFETCH(int, wz);
    QFETCH(int, tr);
    QFETCH(qint64, rechenoperationen);
    QFETCH(int, garantie);
    QFETCH(QStringList, zeileK3);
    QFETCH(QStringList, prozentK3);
    QFETCH(QString, beschreibung);

    EigeneReihenZustand z = Gelesen(reihen);
    QVERIFY(z.EigeneReihenGelesen);
    const Eigentest t = EigenenTestVorbereiten(z, 49);
    QVERIFY(!t.abgelehnt);
    QVERIFY(!z.EigeneReihenAbgelehnt);
    QCOMPARE(z.EigeneBankAnzahl, banker);
    QCOMPARE(t.rg, rg);
    QCOMPARE(z.EigeneSystemRG, rg);
    QCOMPARE(t.wz, wz);
    QCOMPARE(t.tr, tr);
    QCOMPARE(t.kmin, 2);
    QCOMPARE(t.rechenoperationen, rechenoperationen);
    QCOMPARE(int(z.EigeneSystemReihen.size()), tr);
    QCOMPARE(z.EigenePoolMenge.anzahl(), wz);
    for (const Reihenmenge &r : z.EigeneSystemReihen)
        QCOMPARE(r.anzahl(), rg);

    std::atomic_bool abbruch{false};
    const Trefferergebnis e = TrefferanalyseAusfuehren(t.auftrag, abbruch);
    QCOMPARE(EigeneGarantieErmitteln(e, t.wz), garantie);
    QCOMPARE(EigeneReihenBeschreibung(t.wz, t.tr, t.rg, garantie), beschreibung);

    G2Tabelle g2 = G2Fuellen();
    G2ErgebnisEintragen(g2, e, t.wz, t.kmin, t.rg);
    // k = 2: every pair lies in a row.
    if (rg >= 2 && garantie >= 2) {
        QCOMPARE(g2[G2Zeile(2)][1], QStringLiteral("21"));
        QCOMPARE(g2[G2Zeile(2)][3], QStringLiteral("21"));
        QCOMPARE(g2[G2Zeile(2) + 1][3], QStringLiteral("100,00"));
    }
    if (!zeileK3.isEmpty()) {
        for (int j = 0; j < zeileK3.size(); ++j) {
            if (!zeileK3[j].isEmpty())
                QCOMPARE(g2[G2Zeile(3)][j + 1], zeileK3[j]);
            if (!prozentK3[j].isEmpty())
                QCOMPARE(g2[G2Zeile(3) + 1][j + 1], prozentK3[j]);
        }
    }
}

void TstEigenertest::abgelehnt_data()
{
    QTest::addColumn<QString>("reihen");
    QTest::newRow("zwei Reihen") << "1 2 3\n4 5 6";
    QTest::newRow("Pool ohne Bankzahlen zu klein") << "1 2 3\n1 2 4\n1 2 5"; // 1, 2 bankers: pool 3..5 is 3
    QTest::newRow("nur Bankzahlen") << "1 2\n1 2\n1 2";
}

void TstEigenertest::abgelehnt()
{
    QFETCH(QString, reihen);
    Leseauftrag a;
    a.text = reihen;
    a.trenner = Trenner::Leerzeichen;
    a.doppeltPruefen = false;
    EigeneReihenZustand z;
    EigeneReihenUebernehmen(z, ReihentextLesen(a));
    QVERIFY(z.EigeneReihenGelesen);
    const Eigentest t = EigenenTestVorbereiten(z, 49);
    const bool erwartet = QByteArray(QTest::currentDataTag()) != "Pool ohne Bankzahlen zu klein";
    QCOMPARE(t.abgelehnt, erwartet);
    QCOMPARE(z.EigeneReihenAbgelehnt, erwartet);
    QCOMPARE(EigenerTestAbgelehntText(),
             QStringLiteral("Mit diesen Tippreihen macht ein Systemtest keinen Sinn.\n\nIch breche ab."));
}

void TstEigenertest::wiederholterTestGleich()
{
    // The first test stores the pool without bankers; a second one must see the same system.
    EigeneReihenZustand z = Gelesen(FanoMitZehn);
    const Eigentest a = EigenenTestVorbereiten(z, 49);
    const auto reihenA = z.EigeneSystemReihen;
    const Eigentest b = EigenenTestVorbereiten(z, 49);
    QCOMPARE(b.wz, a.wz);
    QCOMPARE(b.rg, a.rg);
    QCOMPARE(b.kmin, a.kmin);
    QVERIFY(z.EigeneSystemReihen == reihenA);
}

void TstEigenertest::abgebrochenerLaufZaehltNurFertigeK()
{
    EigeneReihenZustand z = Gelesen(Fano);
    const Eigentest t = EigenenTestVorbereiten(z, 49);
    std::atomic_bool abbruch{true};
    const Trefferergebnis e = TrefferanalyseAusfuehren(t.auftrag, abbruch);
    QVERIFY(e.abgebrochen);
    QCOMPARE(EigeneGarantieErmitteln(e, t.wz), 0);
}

QTEST_APPLESS_MAIN(TstEigenertest)
#include "tst_eigenertest.moc"
