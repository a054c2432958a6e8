#include "kbwzustand.h"
#include "systembeschreibung.h"
#include "systemfilter.h"
#include "systemliste.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <cfenv>
#include <cmath>
#include <random>

Q_DECLARE_METATYPE(Filtereinstellungen)

namespace {

// The tolerance written out from the rules, with the C library's rounding (half to even).
bool ReferenzAkzeptiert(int tr, int w)
{
    const int baender[][2] = {{-1000000, 12}, {10, 20}, {18, 30}, {28, 40},  {36, 48},
                              {44, 60},       {54, 72}, {66, 88}, {80, 104}, {96, 124}};
    for (const auto &b : baender) {
        if (b[0] <= tr && tr <= b[1] && b[0] <= w && w <= b[1])
            return true;
    }
    std::fesetround(FE_TONEAREST);
    const double unten = std::nearbyint(w / 1.333333);
    const double oben = std::nearbyint(w * 1.25);
    return tr >= unten && tr <= oben;
}

struct Treffer
{
    int index;
    int bankzahlen;
};

// Brute force: every pairing of a system with a banker count, checked one rule after the
// other, then ordered by banker count and list position.
std::vector<Treffer> ReferenzFilter(const std::vector<TSysteme> &liste, int zz, const Filtereinstellungen &e)
{
    const int r = e.reihengroesse;
    const int maxB = r == 4 ? 2 : (r == 5 ? 3 : 4);
    const int hoechste = std::min(e.bankzahlenEgal ? e.bankzahlenMax : e.bankzahlen, maxB);
    int garantie = e.garantie;
    bool genau = e.garantieVergleich == GarantieGenau;
    if (!e.garantieEgal && r - hoechste < garantie) {
        garantie = r - hoechste;
        genau = true;
    }
    const bool fest = e.bankzahlenVergleich == BankzahlenGenau && !e.bankzahlenEgal && !e.garantieEgal
        && garantie + e.bankzahlen >= r;

    std::vector<Treffer> treffer;
    for (int b = 0; b <= 10; ++b) {
        bool erlaubt = b <= hoechste;
        if (!e.bankzahlenEgal)
            erlaubt = erlaubt && (e.bankzahlenVergleich == BankzahlenMaximal ? b <= e.bankzahlen : b == e.bankzahlen);
        if (!erlaubt)
            continue;
        for (int i = 0; i < int(liste.size()); ++i) {
            const TSysteme &s = liste[i];
            const int pool = s.WZ + b;
            if (s.RG + b != r || pool > zz)
                continue;
            if (!e.poolEgal && pool != e.pool)
                continue;
            if (!e.garantieEgal && !(genau ? s.GA == garantie : s.GA >= garantie))
                continue;
            if (!e.reihenEgal && !fest && !ReferenzAkzeptiert(s.TR, e.reihen))
                continue;
            treffer.push_back({i, b});
        }
    }
    return treffer;
}

// Settings as the page holds them: the banker maximum follows the row size, the full-system
// sign follows the settings.
Filtereinstellungen Einstellungen(int pool, int r, int g, int gVergleich, int w, int b, int bVergleich, int egal)
{
    Filtereinstellungen e;
    e.pool = pool;
    e.poolEgal = egal & 1;
    e.reihengroesse = r;
    e.garantie = std::min(g, r);
    e.garantieVergleich = gVergleich;
    e.garantieEgal = egal & 2;
    e.reihen = w;
    e.reihenEgal = egal & 4;
    e.bankzahlenMax = MaxBankzahlen(r);
    e.bankzahlen = std::min(b, e.bankzahlenMax);
    e.bankzahlenVergleich = bVergleich;
    e.bankzahlenEgal = egal & 8;
    e.reihenFest = Zwang(e);
    return e;
}

} // namespace

class TstSystemfilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filterWieReferenz_data();
    void filterWieReferenz();
    void filterZufaelligeEinstellungen();
    void groessteZahlBegrenzt();
    void garantieKappung();
    void bankzahlenFolge();
    void maxBankzahlen();
    void trAbweichung_data();
    void trAbweichung();
    void rundenHalbGerade();
    void filterEintrag_data();
    void filterEintrag();
    void zwangUndVollsystem();
    void gefundenText();
    void beschreibungen_data();
    void beschreibungen();
    void gewaehltesSystem();

private:
    void vergleichen(const Filtereinstellungen &e, int zz);

    QTemporaryDir m_dir;
    KbwZustand m_zustand;
};

void TstSystemfilter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(m_dir.isValid());
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_dir.path());
    QCOMPARE(m_zustand.AnzahlStandardsysteme, 788);
}

void TstSystemfilter::vergleichen(const Filtereinstellungen &e, int zz)
{
    const Filterergebnis erg = SystemeFiltern(m_zustand.Systemliste, zz, e);
    const std::vector<Treffer> ref = ReferenzFilter(m_zustand.Systemliste, zz, e);
    QCOMPARE(erg.tippreihengroesse, e.reihengroesse);
    QCOMPARE(erg.zeilen.size(), qsizetype(ref.size()));
    QCOMPARE(erg.filterliste.size(), ref.size());
    for (std::size_t k = 0; k < ref.size(); ++k) {
        QCOMPARE(erg.filterliste[k], ref[k].index);
        QCOMPARE(erg.zeilen[qsizetype(k)], FilterEintrag(m_zustand.Systemliste[ref[k].index], ref[k].bankzahlen));
    }
}

void TstSystemfilter::filterWieReferenz_data()
{
    QTest::addColumn<Filtereinstellungen>("e");
    QTest::addColumn<int>("zz");
    // egal bits: 1 pool, 2 guarantee, 4 rows, 8 bankers
    QTest::newRow("Startwerte") << Einstellungen(13, 6, 2, GarantieGenau, 24, 2, BankzahlenGenau, 4) << 49;
    QTest::newRow("6 aus 49, 3er") << Einstellungen(49, 6, 3, GarantieGenau, 24, 0, BankzahlenGenau, 4) << 49;
    QTest::newRow("alles egal R4") << Einstellungen(13, 4, 2, GarantieGenau, 24, 2, BankzahlenGenau, 15) << 49;
    QTest::newRow("alles egal R5") << Einstellungen(13, 5, 2, GarantieGenau, 24, 2, BankzahlenGenau, 15) << 49;
    QTest::newRow("alles egal R10") << Einstellungen(13, 10, 2, GarantieGenau, 24, 2, BankzahlenGenau, 15) << 100;
    QTest::newRow("BZ maximal 2") << Einstellungen(13, 6, 3, GarantieMindestens, 24, 2, BankzahlenMaximal, 5) << 49;
    QTest::newRow("Reihen 100") << Einstellungen(20, 7, 3, GarantieMindestens, 100, 1, BankzahlenMaximal, 1) << 49;
    QTest::newRow("Reihen 5") << Einstellungen(13, 6, 2, GarantieMindestens, 5, 0, BankzahlenMaximal, 9) << 49;
    QTest::newRow("Vollsystem") << Einstellungen(13, 6, 4, GarantieGenau, 5, 2, BankzahlenGenau, 0) << 49;
    QTest::newRow("Kappung") << Einstellungen(13, 6, 6, GarantieMindestens, 24, 2, BankzahlenMaximal, 5) << 49;
    QTest::newRow("biggestZZ 35") << Einstellungen(13, 8, 2, GarantieGenau, 24, 2, BankzahlenGenau, 15) << 35;
    QTest::newRow("nichts") << Einstellungen(4, 10, 8, GarantieGenau, 500, 4, BankzahlenGenau, 0) << 49;
}

void TstSystemfilter::filterWieReferenz()
{
    QFETCH(Filtereinstellungen, e);
    QFETCH(int, zz);
    vergleichen(e, zz);
}

void TstSystemfilter::filterZufaelligeEinstellungen()
{
    std::mt19937 zufall(4711);
    auto wahl = [&zufall](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); };
    for (int n = 0; n < 400; ++n) {
        const int r = wahl(4, 10);
        const Filtereinstellungen e = Einstellungen(wahl(4, 60), r, wahl(2, r), wahl(0, 1), wahl(1, 100) * 5,
                                                    wahl(0, 4), wahl(0, 1), wahl(0, 15));
        vergleichen(e, wahl(32, 100));
        if (QTest::currentTestFailed())
            return;
    }
}

void TstSystemfilter::groessteZahlBegrenzt()
{
    for (int r = 4; r <= 10; ++r) {
        const Filtereinstellungen e = Einstellungen(13, r, 2, GarantieGenau, 24, 0, BankzahlenGenau, 15);
        const Filterergebnis erg = SystemeFiltern(m_zustand.Systemliste, 35, e);
        QVERIFY(!erg.filterliste.empty());
        for (std::size_t k = 0; k < erg.filterliste.size(); ++k) {
            const TSysteme &s = m_zustand.Systemliste[erg.filterliste[k]];
            QVERIFY2(s.WZ + (r - s.RG) <= 35, qPrintable(erg.zeilen[qsizetype(k)]));
        }
    }
}

void TstSystemfilter::garantieKappung()
{
    const Filtereinstellungen e = Einstellungen(13, 6, 6, GarantieMindestens, 24, 2, BankzahlenMaximal, 0);
    const Filterergebnis erg = SystemeFiltern(m_zustand.Systemliste, 49, e);
    QVERIFY(erg.garantieGekappt);
    QCOMPARE(erg.einstellungen.garantie, 4);
    QCOMPARE(erg.einstellungen.garantieVergleich, GarantieGenau);
    for (int i : erg.filterliste)
        QCOMPARE(int(m_zustand.Systemliste[i].GA), 4);

    // With "egal" on the guarantee nothing is lowered.
    Filtereinstellungen egal = e;
    egal.garantieEgal = true;
    QVERIFY(!SystemeFiltern(m_zustand.Systemliste, 49, egal).garantieGekappt);
}

void TstSystemfilter::bankzahlenFolge()
{
    const Filtereinstellungen maximal = Einstellungen(13, 6, 2, GarantieMindestens, 24, 2, BankzahlenMaximal, 5);
    const Filterergebnis erg = SystemeFiltern(m_zustand.Systemliste, 49, maximal);
    std::vector<int> folge;
    for (int i : erg.filterliste)
        folge.push_back(6 - m_zustand.Systemliste[i].RG);
    QVERIFY(std::is_sorted(folge.begin(), folge.end()));
    QCOMPARE(folge.front(), 0);
    QCOMPARE(folge.back(), 2);
    QVERIFY(std::find(folge.begin(), folge.end(), 1) != folge.end());

    Filtereinstellungen genau = maximal;
    genau.bankzahlenVergleich = BankzahlenGenau;
    for (int i : SystemeFiltern(m_zustand.Systemliste, 49, genau).filterliste)
        QCOMPARE(int(m_zustand.Systemliste[i].RG), 4);

    // "egal" reaches 0..2 bankers for row size 4, 0..3 for 5 and 0..4 from 6 on.
    for (int r = 4; r <= 10; ++r) {
        const Filtereinstellungen e = Einstellungen(13, r, 2, GarantieGenau, 24, 0, BankzahlenGenau, 15);
        int hoechste = 0;
        for (int i : SystemeFiltern(m_zustand.Systemliste, 100, e).filterliste)
            hoechste = std::max(hoechste, r - m_zustand.Systemliste[i].RG);
        QCOMPARE(hoechste, r == 4 ? 2 : (r == 5 ? 3 : 4));
    }
}

void TstSystemfilter::maxBankzahlen()
{
    const int erwartet[] = {2, 3, 4, 4, 4, 4, 4};
    for (int r = 4; r <= 10; ++r)
        QCOMPARE(MaxBankzahlen(r), erwartet[r - 4]);
}

void TstSystemfilter::trAbweichung_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("bis");
    QTest::newRow("5") << 5 << 0 << 12;
    QTest::newRow("10") << 10 << 0 << 20;
    QTest::newRow("20") << 20 << 10 << 30;
    QTest::newRow("24") << 24 << 18 << 30;
    QTest::newRow("30") << 30 << 18 << 40;
    QTest::newRow("50") << 50 << 38 << 62;
    QTest::newRow("100") << 100 << 75 << 125;
    QTest::newRow("150") << 150 << 113 << 188; // 112.5000281 and 187.5
    QTest::newRow("250") << 250 << 188 << 312;
    QTest::newRow("500") << 500 << 375 << 625;
}

void TstSystemfilter::trAbweichung()
{
    QFETCH(int, w);
    QFETCH(int, von);
    QFETCH(int, bis);
    for (int tr = 0; tr <= 3003; ++tr)
        QVERIFY2(TRAbweichung(tr, w) == (tr < von || tr > bis), qPrintable(QString::number(tr)));

    // The filter's form does not filter while "egal" is ticked or a full system is asked for.
    Filtereinstellungen e;
    e.reihenEgal = false;
    QVERIFY(TRAbweichung(bis + 1, w, e));
    e.reihenFest = true;
    QVERIFY(!TRAbweichung(bis + 1, w, e));
    e.reihenFest = false;
    e.reihenEgal = true;
    QVERIFY(!TRAbweichung(bis + 1, w, e));
}

void TstSystemfilter::rundenHalbGerade()
{
    QCOMPARE(RundenHalbGerade(0.5), 0);
    QCOMPARE(RundenHalbGerade(1.5), 2);
    QCOMPARE(RundenHalbGerade(312.5), 312);
    QCOMPARE(RundenHalbGerade(313.5), 314);
    QCOMPARE(RundenHalbGerade(37.5000094), 38);
    QCOMPARE(RundenHalbGerade(-0.5), 0);
    QCOMPARE(RundenHalbGerade(-1.5), -2);
}

void TstSystemfilter::filterEintrag_data()
{
    QTest::addColumn<int>("wz");
    QTest::addColumn<int>("tr");
    QTest::addColumn<int>("ga");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("2 BZ") << 10 << 24 << 3 << 2 << "10 Wahlzahlen plus 2 BZ in 24 Tippreihen mit 3er Garantie";
    QTest::newRow("eine BZ") << 12 << 1716 << 6 << 1
                             << "12 Wahlzahlen plus eine BZ in 1716 Tippreihen mit 6er Garantie";
    QTest::newRow("ohne BZ") << 49 << 163 << 3 << 0 << "49 Wahlzahlen ohne BZ in 163 Tippreihen mit 3er Garantie";
    QTest::newRow("ohne Garantie") << 50 << 491 << 0 << 4 << "50 Wahlzahlen plus 4 BZ in 491 Tippreihen ohne Garantie";
}

void TstSystemfilter::filterEintrag()
{
    QFETCH(int, wz);
    QFETCH(int, tr);
    QFETCH(int, ga);
    QFETCH(int, b);
    QFETCH(QString, text);
    QCOMPARE(FilterEintrag(TSysteme{5, std::uint8_t(wz), std::uint8_t(ga), std::uint16_t(tr)}, b), text);
}

void TstSystemfilter::zwangUndVollsystem()
{
    Filtereinstellungen e = Einstellungen(13, 6, 4, GarantieGenau, 24, 2, BankzahlenGenau, 0);
    QVERIFY(Zwang(e));
    QCOMPARE(Vollsystemreihen(e), 330);
    e.bankzahlenVergleich = BankzahlenMaximal;
    QVERIFY(!Zwang(e));
    e.bankzahlenVergleich = BankzahlenGenau;
    e.garantie = 3;
    QVERIFY(!Zwang(e));
    e.garantie = 4;
    e.garantieEgal = true;
    QVERIFY(!Zwang(e));
    e.garantieEgal = false;
    e.bankzahlenEgal = true;
    QVERIFY(!Zwang(e));
}

void TstSystemfilter::gefundenText()
{
    QCOMPARE(GefundenText(0), QStringLiteral("Keine Systeme gefunden"));
    QCOMPARE(GefundenText(1), QStringLiteral("Ein System gefunden"));
    QCOMPARE(GefundenText(12), QStringLiteral("12 Systeme gefunden"));
    QCOMPARE(GefundenText(1234), QStringLiteral("1.234 Systeme gefunden"));
}

void TstSystemfilter::beschreibungen_data()
{
    QTest::addColumn<QString>("ist");
    QTest::addColumn<QString>("soll");
    QTest::newRow("Katalog 2 BZ")
        << SystemBeschreibung(6, TSysteme{4, 10, 3, 24})
        << "Gewählt wurde ein System für 10 Wahlzahlen plus 2 Bankzahlen in 24 Tippreihen mit "
           "3er Garantie.";
    QTest::newRow("Katalog eine BZ") << SystemBeschreibung(6, TSysteme{5, 9, 0, 2})
                                     << "Gewählt wurde ein System für 9 Wahlzahlen plus eine Bankzahl in 2 Tippreihen "
                                        "ohne Garantie.";
    QTest::newRow("zu kleine Reihe") << SystemBeschreibung(
        4, TSysteme{6, 49, 3, 163}) << "Gewählt wurde ein System für 49 Wahlzahlen in 163 Tippreihen mit 3er Garantie.";
    QTest::newRow("Vollsystem")
        << SystemBeschreibung(6, TSysteme{6, 13, 6, 1716})
        << "Gewählt wurde ein System für 13 Wahlzahlen ohne Bankzahl in 1716 Tippreihen mit 6er "
           "Garantie.\nEin klassisches Vollsystem.";
    QTest::newRow("Vollsystem eine BZ") << SystemBeschreibung(6, TSysteme{5, 9, 5, 126})
                                        << "Gewählt wurde ein System für 9 Wahlzahlen plus eine Bankzahl in 126 "
                                           "Tippreihen mit 5er Garantie.\nEin \"Vollsystem\" auf einer Bankzahl.";
    QTest::newRow("Vollsystem 3 BZ")
        << SystemBeschreibung(7, TSysteme{4, 10, 4, 210})
        << "Gewählt wurde ein System für 10 Wahlzahlen plus 3 Bankzahlen in 210 Tippreihen "
           "mit 4er Garantie.\nEin \"Vollsystem\" auf 3 Bankzahlen.";
    QTest::newRow("eigenes System") << EigenesSystemBeschreibung(
        TSysteme{6, 12, 3, 20}) << "\"Eigenes System\" für 12 Wahlzahlen in 20 Tippreihen à 6 Zahlen mit 3er Garantie.";
    QTest::newRow("eigenes ohne Garantie") << EigenesSystemBeschreibung(TSysteme{6, 12, 0, 20})
                                           << "\"Eigenes System\" für 12 Wahlzahlen in 20 Tippreihen à 6 Zahlen ohne "
                                              "Garantie.";
    QTest::newRow("eigene Reihen") << EigeneReihenBeschreibung(
        15, 8, 7, 4) << "\"Eigenes System\" für 15 Wahlzahlen in 8 Tippreihen à 7 Zahlen mit 4er Garantie.";
    QTest::newRow("eigene Reihen ohne") << EigeneReihenBeschreibung(15, 8, 7, -1)
                                        << "\"Eigenes System\" für 15 Wahlzahlen in 8 Tippreihen à 7 Zahlen ohne "
                                           "Garantie.";
}

void TstSystemfilter::beschreibungen()
{
    QFETCH(QString, ist);
    QFETCH(QString, soll);
    QCOMPARE(ist, soll);
}

void TstSystemfilter::gewaehltesSystem()
{
    KbwZustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, m_dir.path());
    z.Systemliste.push_back(TSysteme{7, 14, 5, 30}); // an own system
    z.Systemliste.push_back(TSysteme{1, 5, 1, 5}); // an own system without a usable row size

    // Unset row size: the system's own.
    Systemwahl w = GewaehltesSystem(z, 391);
    QVERIFY(w.gewaehlt);
    QCOMPARE(z.Tippreihengroesse, 6);
    QCOMPARE(z.PoolSoll, 49);
    QCOMPARE(z.BankzahlenSoll, 0);
    QCOMPARE(w.pool, QStringLiteral("49"));
    QCOMPARE(w.bankzahlen, QStringLiteral("0"));
    QCOMPARE(w.beschreibung, SystemBeschreibung(6, z.Systemliste[391]));

    // Own system after filtering for a smaller row size: no banker wording, PBZ untouched.
    w = GewaehltesSystem(z, 788);
    QVERIFY(w.gewaehlt);
    QCOMPARE(z.BankzahlenSoll, -1);
    QCOMPARE(z.PoolSoll, 14);
    QVERIFY(!w.bankzahlenZeigen);
    QCOMPARE(w.beschreibung, EigenesSystemBeschreibung(z.Systemliste[788]));

    // Unusable system and an index outside the list: error, counts stay.
    const QString fehler = QStringLiteral(
        "Das System enthält nicht die für seine Anwendung erforderlichen Angaben.\n\nIch muss abbrechen.");
    z.Tippreihengroesse = 0;
    w = GewaehltesSystem(z, 789);
    QVERIFY(!w.gewaehlt);
    QCOMPARE(w.fehler, fehler);
    QCOMPARE(z.PoolSoll, 14);
    QCOMPARE(z.BankzahlenSoll, -1);
    w = GewaehltesSystem(z, int(z.Systemliste.size()));
    QVERIFY(!w.gewaehlt);
    QCOMPARE(w.fehler, fehler);
}

QTEST_APPLESS_MAIN(TstSystemfilter)
#include "tst_systemfilter.moc"
