// The window "Systemtest Pro" driven through its controls, with the real engine on the shared
// runner's worker thread.

#include "auswahlzustand.h"
#include "hilfeaufruf.h"
#include "katalogzustand.h"
#include "meldungen.h"
#include "routinen.h"
#include "seitesystemtest.h"
#include "systemliste.h"
#include "systemtestpro.h"
#include "testlaeufer.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

struct Fenster
{
    Fenster(const KatalogZustand &k, const AuswahlZustand &a, Testlaeufer &laeufer)
        : fenster(new TFSystemtestpro(k, a, laeufer))
    {
        testen = fenster->findChild<QPushButton *>("BTesten");
        g2 = fenster->findChild<QTableWidget *>("g2");
        abbruch = fenster->findChild<QLabel *>("LAbbruch");
        kombiAnz = fenster->findChild<QLabel *>("LKombiAnz");
        beschreibung = fenster->findChild<QLabel *>("LBeschreibung2");
        anz = fenster->findChild<QLabel *>("LAnz");
        gauge = fenster->findChild<QProgressBar *>("Gauge1");
        up1 = fenster->findChild<QSpinBox *>("Up1");
    }
    ~Fenster() { delete fenster.data(); }
    QString zelle(int zeile, int spalte) const { return g2->item(zeile, spalte)->text(); }
    void klicken() { QTest::mouseClick(testen, Qt::LeftButton); }
    bool fertig() const { return testen->text() == QLatin1String("Test starten"); }
    // The row of k's counts, as it reads in column 0.
    static int zeile(int k) { return 2 * k - 3; }

    QPointer<TFSystemtestpro> fenster;
    QPushButton *testen = nullptr;
    QTableWidget *g2 = nullptr;
    QLabel *abbruch = nullptr;
    QLabel *kombiAnz = nullptr;
    QLabel *beschreibung = nullptr;
    QLabel *anz = nullptr;
    QProgressBar *gauge = nullptr;
    QSpinBox *up1 = nullptr;
};

int Vollsystem(const KatalogZustand &k, int rg, int wz)
{
    for (int i = 0; i < int(k.Systemliste.size()); ++i) {
        const TSysteme &s = k.Systemliste[std::size_t(i)];
        if (s.GA == s.RG && s.RG == rg && s.WZ == wz)
            return i;
    }
    return -1;
}

// 100 rows of 7 positions spread over a pool of wz (> 18), as the text of a row file.
QByteArray Hundertreihen(int wz)
{
    QByteArray text;
    for (int r = 0; r < 100; ++r) {
        std::vector<int> reihe;
        for (int y = 0; y < 7; ++y)
            reihe.push_back((r * 5 + y * (1 + r % 3)) % wz + 1);
        std::sort(reihe.begin(), reihe.end());
        for (int y = 0; y < 7; ++y)
            text += QByteArray::number(reihe[std::size_t(y)]) + (y < 6 ? "," : "\r\n");
    }
    return text;
}

} // namespace

class TstSystemtestpro : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    KatalogZustand m_katalog;

    KatalogZustand Eigensystem(TSysteme s, const char *fn, const QByteArray &inhalt)
    {
        KatalogZustand k;
        k.EigeneSystemeOrdner = m_ordner.path();
        TEigSysteme e;
        e.RG = s.RG;
        e.WZ = s.WZ;
        e.GA = s.GA;
        e.TR = s.TR;
        e.fn = fn;
        k.Eigensystemliste = {e};
        k.Systemliste = {s};
        k.Eigensystemnummer = {0};
        k.AnzahlStandardsysteme = 0;
        QFile f(m_ordner.filePath(QString::fromLatin1(fn)));
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
        return k;
    }

    // Every count row of k adds up to all its combinations, and no row has a hit count above
    // the row size.
    static void zeilensummenPruefen(const Fenster &f, int wz, int rg, int kmin, int kmax)
    {
        for (int k = kmin; k <= kmax; ++k) {
            qulonglong summe = 0;
            for (int j = 0; j <= rg; ++j) {
                const QString t = f.zelle(Fenster::zeile(k), j + 3);
                QVERIFY2(!t.isEmpty(), qPrintable(QStringLiteral("k %1, j %2").arg(k).arg(j)));
                if (t != QLatin1String("---"))
                    summe += QLocale().toULongLong(t);
            }
            QCOMPARE(summe, qulonglong(NueberK(wz, k)));
            QCOMPARE(f.zelle(Fenster::zeile(k), rg + 4), QString());
        }
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_ordner.isValid());
        SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_ordner.path());
    }

    void beschriftung()
    {
        Testlaeufer laeufer;
        AuswahlZustand a;
        Fenster f(m_katalog, a, laeufer);
        QCOMPARE(f.fenster->objectName(), QStringLiteral("FSystemtestpro"));
        QCOMPARE(f.g2->rowCount(), 39);
        QCOMPARE(f.g2->columnCount(), 14);
        QCOMPARE(f.zelle(0, 1), QStringLiteral("Kombinationen"));
        QCOMPARE(f.zelle(0, 2), QStringLiteral("Auswertungen"));
        QCOMPARE(f.zelle(0, 3), QStringLiteral("0 Richtige"));
        QCOMPARE(f.zelle(0, 9), QStringLiteral("6 Richtige"));
        QCOMPARE(f.zelle(0, 10), QStringLiteral(" 7 Ri."));
        QCOMPARE(f.zelle(0, 13), QStringLiteral(" 10 Ri."));
        QCOMPARE(f.zelle(1, 0), QStringLiteral("2 Treffer"));
        QCOMPARE(f.zelle(2, 0), QStringLiteral("      in %"));
        QCOMPARE(f.zelle(37, 0), QStringLiteral("20 Treffer"));
        QCOMPARE(f.zelle(38, 0), QStringLiteral("      in %"));
        QCOMPARE(f.g2->columnWidth(0), 70);
        QCOMPARE(f.g2->columnWidth(1), 100);
        QCOMPARE(f.g2->columnWidth(2), 120);
        QCOMPARE(f.g2->columnWidth(9), 80);
        QCOMPARE(f.g2->columnWidth(10), 48);
        QCOMPARE(f.beschreibung->text(), QStringLiteral("Systembeschreibung"));
        QVERIFY(f.abbruch->isHidden());
        QCOMPARE(f.up1->minimum(), 4);
        QCOMPARE(f.up1->maximum(), 20);
        f.up1->setValue(17);
        QCOMPARE(f.anz->text(), QStringLiteral("17"));
        QCOMPARE(f.fenster->width(), 1096);
        for (const char *name : {"BClose", "bsSkinSpeedButton6", "bsSkinSpeedButton14", "bsSkinSpeedButton3", "BUpdate",
                                 "bsSkinSpeedButton20"})
            QVERIFY2(f.fenster->findChild<QToolButton *>(name), name);
        for (const char *name : {"Label10", "Label1", "Label2", "bsSkinStdLabel19"})
            QVERIFY2(f.fenster->findChild<QLabel *>(name), name);
        QVERIFY(f.fenster->findChild<QPushButton *>("bsSkinSpeedButton1"));
    }

    // d = 6 on the first catalogue entry: the pool of 4 limits k to 4.
    void erstesKatalogsystem()
    {
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 4;
        a.Systembeschreibung = QStringLiteral("3 aus 4");
        Fenster f(m_katalog, a, laeufer);
        f.up1->setValue(6);
        f.klicken();
        QTRY_VERIFY(f.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.beschreibung->text(), QStringLiteral("3 aus 4"));
        QCOMPARE(f.kombiAnz->text(), QStringLiteral("33"));
        // 4 Treffer: one combination, three comparisons, all of it under 3 Richtige.
        QCOMPARE(f.zelle(5, 1), QStringLiteral("1"));
        QCOMPARE(f.zelle(5, 2), QStringLiteral("3"));
        QCOMPARE(f.zelle(5, 6), QStringLiteral("1"));
        QCOMPARE(f.zelle(6, 6), QStringLiteral("100,00"));
        for (int sp = 3; sp <= 5; ++sp) {
            QCOMPARE(f.zelle(5, sp), QStringLiteral("---"));
            QCOMPARE(f.zelle(6, sp), QStringLiteral("---"));
        }
        // 3 Treffer: 1 combination with 2 Richtige, 3 with 3.
        QCOMPARE(f.zelle(3, 1), QStringLiteral("4"));
        QCOMPARE(f.zelle(3, 2), QStringLiteral("12"));
        QCOMPARE(f.zelle(3, 5), QStringLiteral("1"));
        QCOMPARE(f.zelle(4, 5), QStringLiteral("25,00"));
        QCOMPARE(f.zelle(3, 6), QStringLiteral("3"));
        QCOMPARE(f.zelle(4, 6), QStringLiteral("75,00"));
        QCOMPARE(f.zelle(1, 2), QStringLiteral("18"));
        QCOMPARE(f.zelle(1, 5), QStringLiteral("6"));
        QCOMPARE(f.zelle(1, 7), QString()); // beyond RG
        QCOMPARE(f.zelle(7, 1), QString()); // 5 Treffer lie beyond the pool
        QCOMPARE(f.fenster->verteilung(4, 3), std::uint64_t(1));
        QVERIFY(f.abbruch->isHidden());
        QCOMPARE(f.gauge->value(), f.gauge->maximum());
        QVERIFY(!laeufer.TestLaeuft());
    }

    // d = 4 with rows of 6: k stops at 4, and every k shows 0 to 6 Richtige.
    void vierGewinnzahlenRG6()
    {
        int index = -1;
        for (int i = 0; i < m_katalog.AnzahlStandardsysteme; ++i) {
            const TSysteme &s = m_katalog.Systemliste[std::size_t(i)];
            if (s.RG == 6 && s.GA < s.RG && s.WZ <= 20 && (index < 0 || s.WZ < m_katalog.Systemliste[index].WZ))
                index = i;
        }
        QVERIFY(index >= 0);
        const TSysteme s = m_katalog.Systemliste[std::size_t(index)];
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = index;
        a.Tippreihengroesse = 6;
        Fenster f(m_katalog, a, laeufer);
        f.up1->setValue(4);
        f.klicken();
        QTRY_VERIFY(f.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.kombiAnz->text(), QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, s.WZ, 4, 2))));
        zeilensummenPruefen(f, s.WZ, 6, 2, 4);
        QCOMPARE(f.zelle(Fenster::zeile(4), 2), QLocale().toString(qlonglong(NueberK(s.WZ, 4) * s.TR)));
        QCOMPARE(f.zelle(Fenster::zeile(5), 1), QString());
    }

    void vollsystem()
    {
        const int index = Vollsystem(m_katalog, 2, 3);
        QVERIFY(index >= 0);
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = index;
        a.Tippreihengroesse = 2;
        Fenster f(m_katalog, a, laeufer);
        f.up1->setValue(6);
        f.klicken();
        QVERIFY(f.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.zelle(1, 1), QStringLiteral("3"));
        QCOMPARE(f.zelle(1, 2), QStringLiteral("9"));
        QCOMPARE(f.zelle(1, 5), QStringLiteral("3"));
        QCOMPARE(f.zelle(2, 5), QStringLiteral("100,00"));
        QCOMPARE(f.zelle(3, 1), QStringLiteral("1"));
        QCOMPARE(f.zelle(3, 5), QStringLiteral("1"));
        QCOMPARE(f.zelle(4, 5), QStringLiteral("100,00"));
        for (int z = 1; z <= 4; ++z) {
            QCOMPARE(f.zelle(z, 3), QStringLiteral("---"));
            QCOMPARE(f.zelle(z, 4), QStringLiteral("---"));
            QCOMPARE(f.zelle(z, 6), QString());
        }
        QCOMPARE(f.zelle(5, 1), QString());
        QVERIFY(f.abbruch->isHidden());
        QVERIFY(!laeufer.TestLaeuft());
    }

    void mindestTreffer_data()
    {
        QTest::addColumn<int>("rg");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("s");
        QTest::newRow("viel Platz") << 6 << 40 << 2;
        QTest::newRow("Grenze") << 6 << 4 << 2;
        QTest::newRow("fast erschöpft") << 6 << 2 << 4;
        QTest::newRow("nichts außerhalb") << 6 << 0 << 6;
        QTest::newRow("negativ") << 6 << -1 << 7;
    }
    void mindestTreffer()
    {
        QFETCH(int, rg);
        QFETCH(int, d);
        QFETCH(int, s);
        QCOMPARE(ProMindestTreffer(rg, d), s);
    }

    // A row size that leaves no number outside pool and bankers: nothing is evaluated.
    void negativesD()
    {
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0; // RG 3, WZ 4
        a.Tippreihengroesse = 10;
        a.biggestZZ = 8; // D = 8 - 4 - 7 = -3, s = 6
        Fenster f(m_katalog, a, laeufer);
        f.klicken();
        QTRY_VERIFY(f.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.kombiAnz->text(), QStringLiteral("0"));
        for (int z = 1; z < 39; ++z)
            for (int sp = 1; sp < 14; ++sp)
                QCOMPARE(f.zelle(z, sp), QString());
        QVERIFY(f.abbruch->isHidden());
        QVERIFY(!laeufer.TestLaeuft());
    }

    void zaehltext_data()
    {
        QTest::addColumn<quint64>("hoch");
        QTest::addColumn<quint64>("tief");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << quint64(0) << quint64(0) << QStringLiteral("0");
        QTest::newRow("999") << quint64(0) << quint64(999) << QStringLiteral("999");
        QTest::newRow("1000") << quint64(0) << quint64(1000) << QStringLiteral("1.000");
        QTest::newRow("2^64 - 1") << quint64(0) << ~quint64(0) << QStringLiteral("18.446.744.073.709.551.615");
        QTest::newRow("2^64") << quint64(1) << quint64(0) << QStringLiteral("18.446.744.073.709.551.616");
        QTest::newRow("2^64 + 1000") << quint64(1) << quint64(1000) << QStringLiteral("18.446.744.073.709.552.616");
    }
    void zaehltext()
    {
        QFETCH(quint64, hoch);
        QFETCH(quint64, tief);
        QFETCH(QString, text);
        QCOMPARE(ProZaehltext((static_cast<unsigned __int128>(hoch) << 64) | tief, QLocale()), text);
    }

    void keinSystem()
    {
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        Fenster f(m_katalog, a, laeufer);
        f.klicken();
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Diese Analyse funktioniert nur mit einem gespeicherten "
                                            "Spielsystem.\n\nIch breche erst einmal ab.")});
        QVERIFY(f.fertig());
        QVERIFY(!laeufer.TestLaeuft());
    }

    void eigenesSystemOhneDatei()
    {
        KatalogZustand k = Eigensystem(TSysteme{3, 4, 2, 3}, "ESY3.csv", QByteArray());
        QFile::remove(m_ordner.filePath(QStringLiteral("ESY3.csv")));
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 3;
        Fenster f(k, a, laeufer);
        f.klicken();
        QCOMPARE(meldungen.texte(),
                 QStringList{QStringLiteral("Die für das Spielsystem benötigte Tippreihen-Datei "
                                            "ESY3.csv wurde nicht gefunden.\n\nIch muss abbrechen.")});
        QVERIFY(f.fertig());
        QCOMPARE(f.zelle(1, 1), QString());
        QVERIFY(!laeufer.TestLaeuft());
    }

    // A 24-number own system with 100 rows and all 20 drawn numbers: every k from 2 to 20.
    void vierundzwanzigZahlen()
    {
        KatalogZustand k = Eigensystem(TSysteme{7, 24, 3, 100}, "ESY24.csv", Hundertreihen(24));
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 7;
        Fenster f(k, a, laeufer);
        f.up1->setValue(20);
        f.klicken();
        QTRY_VERIFY_WITH_TIMEOUT(f.fertig(), 60000);
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(f.kombiAnz->text(), QStringLiteral("1.677.486.600"));
        zeilensummenPruefen(f, 24, 7, 2, 20);
        QCOMPARE(f.zelle(37, 1), QStringLiteral("10.626"));
        QCOMPARE(f.zelle(37, 2), QStringLiteral("1.062.600"));
        QVERIFY(f.abbruch->isHidden());
        QCOMPARE(f.gauge->value(), f.gauge->maximum());
    }

    // A run over a pool of 40 with 20 drawn numbers takes hours: the window stays responsive,
    // the gauge moves, and the button stops it.
    void langerLaufStoppen()
    {
        KatalogZustand k = Eigensystem(TSysteme{7, 40, 3, 100}, "ESY40.csv", Hundertreihen(40));
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 7;
        Fenster f(k, a, laeufer);
        f.up1->setValue(20);
        f.klicken();
        QCOMPARE(f.testen->text(), QStringLiteral("Test stoppen"));
        QVERIFY(laeufer.TestLaeuft());
        // 100 rows times the sum of C(40, k) for k = 2..20, beyond 32 bits.
        QCOMPARE(f.kombiAnz->text(), QStringLiteral("61.867.907.825.700"));
        QTRY_VERIFY_WITH_TIMEOUT(f.gauge->value() > 0, 30000);
        const int erreicht = f.gauge->value();
        QTRY_VERIFY_WITH_TIMEOUT(f.gauge->value() > erreicht, 30000);
        QVERIFY(!f.fertig());
        f.klicken();
        QVERIFY(laeufer.TestAbbruch());
        QTRY_VERIFY_WITH_TIMEOUT(f.fertig(), 20000);
        QCOMPARE(meldungen.texte(), QStringList());
        QVERIFY(!f.abbruch->isHidden());
        QVERIFY(f.gauge->value() < f.gauge->maximum());
        QVERIFY(!laeufer.TestLaeuft());
        // The k reached keeps its figures but no partial counts; no k beyond it is begun.
        const int kErreicht = laeufer.ergebnis().kErreicht;
        QVERIFY(kErreicht < 20);
        QCOMPARE(f.zelle(Fenster::zeile(kErreicht), 1), QLocale().toString(qlonglong(NueberK(40, kErreicht))));
        for (int sp = 3; sp < 14; ++sp)
            QCOMPARE(f.zelle(Fenster::zeile(kErreicht), sp), QString());
        QCOMPARE(f.zelle(Fenster::zeile(kErreicht + 1), 1), QString());
        if (kErreicht > 2)
            zeilensummenPruefen(f, 40, 7, 2, kErreicht - 1);
    }

    // The main window's test and this window share the runner: a start on either side while
    // the other runs only stops it.
    void gemeinsamerLaeufer()
    {
        KatalogZustand k = Eigensystem(TSysteme{7, 40, 3, 100}, "ESY41.csv", Hundertreihen(40));
        Testlaeufer laeufer;
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 7;
        Fenster f(k, a, laeufer);
        SeiteSystemtest seite(k, a, &laeufer);
        auto *seitenknopf = seite.findChild<QPushButton *>("BTesten");
        auto *seitenG2 = seite.findChild<QTableWidget *>("g2");
        f.up1->setValue(20);
        f.klicken();
        QVERIFY(laeufer.TestLaeuft());
        QTest::mouseClick(seitenknopf, Qt::LeftButton);
        QVERIFY(laeufer.TestAbbruch());
        QCOMPARE(seitenknopf->text(), QStringLiteral("Test starten"));
        QTRY_VERIFY_WITH_TIMEOUT(f.fertig(), 20000);
        QVERIFY(!f.abbruch->isHidden());
        QCOMPARE(seitenG2->item(1, 1)->text(), QString());

        // Now the other way round: the page's run is stopped by this window's button, whose
        // grid keeps what it showed.
        const QString vorher = f.zelle(1, 1);
        QTest::mouseClick(seitenknopf, Qt::LeftButton);
        QVERIFY(laeufer.TestLaeuft());
        f.klicken();
        QVERIFY(laeufer.TestAbbruch());
        QVERIFY(f.fertig());
        QTRY_VERIFY_WITH_TIMEOUT(!laeufer.TestLaeuft(), 20000);
        QCOMPARE(seitenknopf->text(), QStringLiteral("Test starten"));
        QCOMPARE(f.zelle(1, 1), vorher);
        QCOMPARE(meldungen.texte(), QStringList());
    }

    // An own-rows test is stopped, and this window's gauge goes back to its start.
    void eigenenTestStoppen()
    {
        Testlaeufer laeufer;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 4;
        Fenster f(m_katalog, a, laeufer);
        f.gauge->setValue(50);
        Trefferauftrag lang;
        lang.reihen.resize(3);
        for (int p = 1; p <= 7; ++p)
            lang.reihen[0].hinzufuegen(p);
        lang.wz = 90;
        lang.kmin = 7;
        lang.kmax = 8;
        QCOMPARE(laeufer.starten(lang, true), Testlaeufer::Start::Gestartet);
        f.klicken();
        QVERIFY(laeufer.TestAbbruch());
        QVERIFY(!laeufer.EigenerTestLaeuft());
        QCOMPARE(f.gauge->value(), f.gauge->minimum());
        QVERIFY(f.fertig());
        QTRY_VERIFY_WITH_TIMEOUT(!laeufer.TestLaeuft(), 20000);
        QCOMPARE(f.zelle(1, 1), QString());
    }

    // d comes from "AnzGZ" when it was saved, else from the row size; the position is kept
    // or the window is centred on the first monitor.
    void einstellungen_data()
    {
        QTest::addColumn<int>("anzGZ");
        QTest::addColumn<QPoint>("gespeichert");
        QTest::addColumn<int>("d");
        QTest::newRow("nichts gespeichert") << 0 << QPoint(-1000, -1000) << 6;
        QTest::newRow("gespeichert") << 13 << QPoint(40, 60) << 13;
    }
    void einstellungen()
    {
        QFETCH(int, anzGZ);
        QFETCH(QPoint, gespeichert);
        QFETCH(int, d);
        Testlaeufer laeufer;
        AuswahlZustand a;
        Fenster f(m_katalog, a, laeufer);
        f.fenster->einstellungenSetzen(anzGZ, gespeichert);
        f.fenster->oeffnen(6, QStringLiteral("System X"));
        QVERIFY(f.fenster->isVisible());
        QCOMPARE(f.up1->value(), d);
        QCOMPARE(f.anz->text(), QString::number(d));
        QCOMPARE(f.beschreibung->text(), QStringLiteral("System X"));
        if (gespeichert.x() == TFSystemtestpro::KeinePosition)
            QCOMPARE(f.fenster->geometry().topLeft(),
                     QPoint((1280 - f.fenster->width()) / 2, (1024 - f.fenster->height()) / 2));
        else
            QCOMPARE(f.fenster->geometry().topLeft(), gespeichert);
    }

    // Closing hands d and the position over, and the next window opens with that d, not with
    // the row size.
    void schliessenUndWiederOeffnen()
    {
        Testlaeufer laeufer;
        AuswahlZustand a;
        int gespeichertD = 0;
        QPoint gespeichertPos;
        {
            Fenster f(m_katalog, a, laeufer);
            f.fenster->einstellungenSetzen(0, QPoint(-1000, -1000));
            f.fenster->oeffnen(6, QString());
            f.up1->setValue(15);
            QSignalSpy spy(f.fenster.data(), &TFSystemtestpro::schliesst);
            QVERIFY(f.fenster->close());
            QCOMPARE(spy.count(), 1);
            gespeichertD = spy.at(0).at(0).toInt();
            gespeichertPos = spy.at(0).at(1).toPoint();
            QTRY_VERIFY(f.fenster.isNull()); // destroyed on close
        }
        QCOMPARE(gespeichertD, 15);
        Fenster g(m_katalog, a, laeufer);
        g.fenster->einstellungenSetzen(gespeichertD, gespeichertPos);
        g.fenster->oeffnen(6, QString());
        QCOMPARE(g.up1->value(), 15);
        QCOMPARE(g.fenster->geometry().topLeft(), gespeichertPos);
        // Opening the open window again takes the row size, as the main window asks.
        g.fenster->oeffnen(8, QString());
        QCOMPARE(g.up1->value(), 8);
    }

    // The page's "Systemtest Pro..." asks for the window with the description the page shows.
    void seitenknopf()
    {
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 4;
        a.Systembeschreibung = QStringLiteral("3 aus 4");
        SeiteSystemtest seite(m_katalog, a);
        seite.testzahlenSetzen();
        auto *knopf = seite.findChild<QPushButton *>("bsSkinSpeedButton1");
        QVERIFY(knopf);
        QVERIFY(knopf->isEnabled());
        QCOMPARE(knopf->text(), QStringLiteral("Systemtest Pro..."));
        QSignalSpy spy(&seite, &SeiteSystemtest::systemtestProAngefordert);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("3 aus 4"));
    }

    void hilfe()
    {
        HilfeAttrappe hilfe;
        Testlaeufer laeufer;
        AuswahlZustand a;
        Fenster f(m_katalog, a, laeufer);
        QTest::mouseClick(f.fenster->findChild<QToolButton *>("bsSkinSpeedButton20"), Qt::LeftButton);
        QCOMPARE(hilfe.themen(), std::vector<int>{1140});
    }
};

QTEST_MAIN(TstSystemtestpro)
#include "tst_systemtestpro.moc"
