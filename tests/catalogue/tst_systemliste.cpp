#include "eigensystemdatei.h"
#include "katalog.h"
#include "katalogzustand.h"
#include "routinen.h"
#include "systemliste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEigSysteme Eigen(int rg, int wz, int tr, const std::string &fn)
{
    TEigSysteme e;
    e.RG = std::uint8_t(rg);
    e.WZ = std::uint8_t(wz);
    e.GA = std::uint8_t(rg - 1);
    e.TR = std::uint16_t(tr);
    e.fn = fn;
    return e;
}

void Anlegen(const QString &ordner, const QString &name)
{
    QFile f(QDir(ordner).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("1,2\r\n");
}

} // namespace

class TstSystemliste : public QObject
{
    Q_OBJECT

private slots:
    void standardliste();
    void vollsystemeProRG_data();
    void vollsystemeProRG();
    void negativeGrenze();
    void fehlendeReihendateien();
    void unsichereNamen_data();
    void unsichereNamen();
    void zweimalAufbauenGleich();
    void startanzahl();

private:
    QTemporaryDir m_dir;
};

void TstSystemliste::standardliste()
{
    KatalogZustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, m_dir.path());
    QCOMPARE(z.AnzahlStandardsysteme, 788);
    QCOMPARE(int(z.Systemliste.size()), 788);
    QCOMPARE(z.FehlendeEigensysteme, 0);
    for (int i = 0; i < KatalogGroesse; ++i)
        QCOMPARE(z.Systemliste[i], KatalogSystem(i));
    QCOMPARE(z.Systemliste[649], (TSysteme{2, 3, 2, 3}));
    QCOMPARE(z.Systemliste[787], (TSysteme{8, 13, 8, 1287}));
    for (int i = 649; i < 788; ++i) {
        const TSysteme &s = z.Systemliste[i];
        QVERIFY(s.WZ > s.RG); // never the one-row full system
        QCOMPARE(s.GA, s.RG);
        QCOMPARE(std::int64_t(s.TR), NueberK(s.WZ, s.RG));
    }
}

void TstSystemliste::vollsystemeProRG_data()
{
    QTest::addColumn<int>("rg");
    QTest::addColumn<int>("letzteWZ");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("letzteTR");
    QTest::newRow("2") << 2 << 77 << 75 << 2926;
    QTest::newRow("3") << 3 << 27 << 24 << 2925;
    QTest::newRow("4") << 4 << 17 << 13 << 2380;
    QTest::newRow("5") << 5 << 14 << 9 << 2002;
    QTest::newRow("6") << 6 << 13 << 7 << 1716;
    QTest::newRow("7") << 7 << 13 << 6 << 1716;
    QTest::newRow("8") << 8 << 13 << 5 << 1287;
}

void TstSystemliste::vollsystemeProRG()
{
    QFETCH(int, rg);
    QFETCH(int, letzteWZ);
    QFETCH(int, anzahl);
    QFETCH(int, letzteTR);
    KatalogZustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, m_dir.path());
    std::vector<TSysteme> familie;
    for (int i = KatalogGroesse; i < z.AnzahlStandardsysteme; ++i)
        if (z.Systemliste[i].RG == rg)
            familie.push_back(z.Systemliste[i]);
    QCOMPARE(int(familie.size()), anzahl);
    for (int j = 0; j < anzahl; ++j)
        QCOMPARE(int(familie[j].WZ), rg + 1 + j);
    QCOMPARE(int(familie.back().WZ), letzteWZ);
    QCOMPARE(int(familie.back().TR), letzteTR);
}

void TstSystemliste::negativeGrenze()
{
    const QString ordner = m_dir.filePath("negativ");
    QVERIFY(QDir().mkpath(ordner));
    Anlegen(ordner, "ESY1.csv");
    KatalogZustand z;
    z.Eigensystemliste = {Eigen(5, 12, 30, "ESY1.csv")};
    SystemlisteAufbauen(z, -1, ordner);
    QCOMPARE(z.AnzahlStandardsysteme, KatalogGroesse);
    QCOMPARE(int(z.Systemliste.size()), KatalogGroesse + 1);
    QCOMPARE(z.Systemliste.back(), (TSysteme{5, 12, 4, 30}));
    // Grenze 0 and 2 admit nothing either: the smallest full system has 3 rows.
    SystemlisteAufbauen(z, 2, ordner);
    QCOMPARE(z.AnzahlStandardsysteme, KatalogGroesse);
    SystemlisteAufbauen(z, 3, ordner);
    QCOMPARE(z.AnzahlStandardsysteme, KatalogGroesse + 1);
}

void TstSystemliste::fehlendeReihendateien()
{
    const QString ordner = m_dir.filePath("fehlend");
    QVERIFY(QDir().mkpath(ordner));
    Anlegen(ordner, "ESY1.csv");
    Anlegen(ordner, "ESY3.csv");
    QVERIFY(QDir(ordner).mkdir("ESY4.csv")); // a folder is no row file
    KatalogZustand z;
    z.Eigensystemliste = {Eigen(4, 10, 11, "ESY1.csv"), Eigen(5, 11, 12, "ESY2.csv"), Eigen(6, 12, 13, "ESY3.csv"),
                          Eigen(7, 13, 14, "ESY4.csv")};
    SystemlisteAufbauen(z, Vollsystemgrenze, ordner);
    QCOMPARE(z.AnzahlStandardsysteme, 788);
    QCOMPARE(z.FehlendeEigensysteme, 2);
    QCOMPARE(int(z.Systemliste.size()), 790);
    QCOMPARE(z.Systemliste[788], z.Eigensystemliste[0].system());
    QCOMPARE(z.Systemliste[789], z.Eigensystemliste[2].system()); // moved up past the missing one
    QCOMPARE(int(z.Eigensystemliste.size()), 4); // the index keeps all records

    // Each entry keeps its own row file, also once an earlier file is deleted after the build.
    QVERIFY(QFile::remove(QDir(ordner).filePath("ESY1.csv")));
    QCOMPARE(EigeneReihendatei(z, 788, ordner), QDir(ordner).filePath("ESY1.csv"));
    QCOMPARE(EigeneReihendatei(z, 789, ordner), QDir(ordner).filePath("ESY3.csv"));
    QVERIFY(EigeneReihendatei(z, 790, ordner).isEmpty());
    QVERIFY(EigeneReihendatei(z, 787, ordner).isEmpty()); // a full system has no row file
}

void TstSystemliste::unsichereNamen_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("leer") << QByteArray("");
    QTest::newRow("punkt") << QByteArray(".");
    QTest::newRow("punktpunkt") << QByteArray("..");
    QTest::newRow("aufwaerts") << QByteArray("../ESY1.csv");
    QTest::newRow("unterordner") << QByteArray("sub/ESY1.csv");
    QTest::newRow("rueckstrich") << QByteArray("sub\\ESY1.csv");
    QTest::newRow("absolut") << QByteArray("/etc/passwd");
    QTest::newRow("steuerzeichen") << QByteArray("ESY1\n.csv");
    QTest::newRow("nullbyte") << QByteArray("ESY1.csv\0x", 10);
}

void TstSystemliste::unsichereNamen()
{
    QFETCH(QByteArray, name);
    const std::string fn(name.constData(), std::size_t(name.size()));
    QVERIFY(!IstSichererDateiname(fn));

    // Every one of these names would reach an existing file if it were opened as given.
    const QString ordner = m_dir.filePath("unsicher/innen");
    QVERIFY(QDir().mkpath(ordner + "/sub"));
    Anlegen(ordner, "sub/ESY1.csv");
    Anlegen(m_dir.filePath("unsicher"), "ESY1.csv");
    Anlegen(ordner, "ESY1.csv");

    KatalogZustand z;
    z.Eigensystemliste = {Eigen(4, 10, 11, fn), Eigen(5, 11, 12, "ESY1.csv")};
    SystemlisteAufbauen(z, Vollsystemgrenze, ordner);
    QCOMPARE(z.FehlendeEigensysteme, 1);
    QCOMPARE(int(z.Systemliste.size()), 789);
    QCOMPARE(z.Systemliste.back(), z.Eigensystemliste[1].system());
}

void TstSystemliste::zweimalAufbauenGleich()
{
    const QString ordner = m_dir.filePath("zweimal");
    QVERIFY(QDir().mkpath(ordner));
    Anlegen(ordner, "ESY2.csv");
    KatalogZustand z;
    z.Eigensystemliste = {Eigen(4, 10, 11, "ESY1.csv"), Eigen(5, 11, 12, "ESY2.csv")};
    SystemlisteAufbauen(z, Vollsystemgrenze, ordner);
    const auto erste = z.Systemliste;
    SystemlisteAufbauen(z, Vollsystemgrenze, ordner);
    QCOMPARE(z.Systemliste, erste);
    QCOMPARE(z.FehlendeEigensysteme, 1); // counted afresh, not added up
    QCOMPARE(z.AnzahlStandardsysteme, 788);
}

void TstSystemliste::startanzahl()
{
    KatalogZustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, m_dir.path());
    QCOMPARE(SystemAnzahlStart(z.Systemliste), std::int64_t(2952));

    // An own system counts like any other: RG 3 reaches z 4..7 (bankers up to min(z - MindestRG, 4)),
    // i.e. z=4 (b=1), 5 (b=2), 6 (b=3), 7 (b=4): four times.
    z.Systemliste.push_back(TSysteme{3, 10, 2, 20});
    QCOMPARE(SystemAnzahlStart(z.Systemliste), std::int64_t(2952 + 4));
    // RG 10 only fits z = 10 without bankers.
    z.Systemliste.push_back(TSysteme{10, 20, 5, 20});
    QCOMPARE(SystemAnzahlStart(z.Systemliste), std::int64_t(2952 + 5));
    QCOMPARE(SystemAnzahlStart({}), std::int64_t(0));
}

QTEST_APPLESS_MAIN(TstSystemliste)
#include "tst_systemliste.moc"
