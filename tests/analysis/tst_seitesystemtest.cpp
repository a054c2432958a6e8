// The page "Systemtest" driven through its buttons, with the real engine on its worker thread.

#include "auswahlzustand.h"
#include "katalogzustand.h"
#include "meldungen.h"
#include "routinen.h"
#include "seitesystemtest.h"
#include "systemanwenden.h"
#include "systemliste.h"
#include "testlaeufer.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString Text(int n)
{
    return QLocale().toString(qlonglong(n));
}

struct Seite
{
    Seite(KatalogZustand &k, AuswahlZustand &a, Testlaeufer *laeufer = nullptr)
        : seite(std::make_unique<SeiteSystemtest>(k, a, laeufer))
    {
        testen = seite->findChild<QPushButton *>("BTesten");
        fehlt = seite->findChild<QPushButton *>("BFehlt");
        g2 = seite->findChild<QTableWidget *>("g2");
        abbruch = seite->findChild<QLabel *>("LAbbruch");
        kombiAnz = seite->findChild<QLabel *>("LKombiAnz");
        beschreibung = seite->findChild<QLabel *>("LBeschreibung2");
        gauge = seite->findChild<QProgressBar *>("Gauge1");
    }
    QString zelle(int zeile, int spalte) const { return g2->item(zeile, spalte)->text(); }
    void klicken() { QTest::mouseClick(testen, Qt::LeftButton); }
    bool fertig() const { return testen->text() == QLatin1String("Test starten"); }

    std::unique_ptr<SeiteSystemtest> seite;
    QPushButton *testen = nullptr;
    QPushButton *fehlt = nullptr;
    QTableWidget *g2 = nullptr;
    QLabel *abbruch = nullptr;
    QLabel *kombiAnz = nullptr;
    QLabel *beschreibung = nullptr;
    QProgressBar *gauge = nullptr;
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

} // namespace

class TstSeiteSystemtest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    KatalogZustand m_katalog;

    // An own system as the only entry of a system list, with its row file (unless inhalt is null).
    KatalogZustand Eigensystem(TSysteme s, const char *fn, const QByteArray *inhalt)
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
        const QString pfad = m_ordner.filePath(QString::fromLatin1(fn));
        QFile::remove(pfad);
        if (inhalt) {
            QFile f(pfad);
            if (f.open(QIODevice::WriteOnly))
                f.write(*inhalt);
        }
        return k;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_ordner.isValid());
        SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_ordner.path());
    }

    void erstesKatalogsystem()
    {
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 4; // one banker
        a.biggestZZ = 49;
        a.Systembeschreibung = QStringLiteral("3 aus 4");
        Seite s(m_katalog, a);
        QCOMPARE(s.beschreibung->text(), QStringLiteral("Systembeschreibung"));
        QVERIFY(!s.fehlt->isEnabled());
        QVERIFY(s.abbruch->isHidden());
        s.klicken();
        QTRY_VERIFY(s.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(s.beschreibung->text(), QStringLiteral("3 aus 4"));
        QCOMPARE(s.kombiAnz->text(), QStringLiteral("30"));
        QCOMPARE(s.zelle(1, 1), QStringLiteral("6"));
        QCOMPARE(s.zelle(1, 2), QStringLiteral("---"));
        QCOMPARE(s.zelle(2, 2), QStringLiteral("---"));
        QCOMPARE(s.zelle(1, 3), QStringLiteral("6"));
        QCOMPARE(s.zelle(2, 3), QStringLiteral("100,00"));
        QCOMPARE(s.zelle(3, 1), QStringLiteral("4"));
        QCOMPARE(s.zelle(3, 2), QStringLiteral("---"));
        QCOMPARE(s.zelle(3, 3), QStringLiteral("1"));
        QCOMPARE(s.zelle(4, 3), QStringLiteral("25,00"));
        QCOMPARE(s.zelle(3, 4), QStringLiteral("3"));
        QCOMPARE(s.zelle(4, 4), QStringLiteral("75,00"));
        QCOMPARE(s.zelle(5, 1), QString());
        QCOMPARE(s.zelle(1, 0), QStringLiteral("2 Treffer"));
        QCOMPARE(s.zelle(0, 1), QStringLiteral("Kombinationen"));
        QVERIFY(s.abbruch->isHidden());
        QVERIFY(s.fehlt->isEnabled());
        QCOMPARE(s.gauge->value(), s.gauge->maximum());
        QCOMPARE(s.gauge->maximum(), 1000);
        // The categories stay with the page for the occurrence window.
        QCOMPARE(s.seite->ergebnis().fuerK(2)->kategorien.size(), std::uint64_t(6));
        QCOMPARE(s.seite->ergebnis().fuerK(3)->kategorien.anzahl(0), std::uint64_t(1));
        QCOMPARE(s.seite->g2Tabelle()[3][4], QStringLiteral("3"));
    }

    // A pool that nearly exhausts the lottery: only 4, 5 and 6 Treffer are evaluated.
    void fastErschoepfterPool()
    {
        const int index = 275; // RG 6, WZ 30
        QCOMPARE(int(m_katalog.Systemliste[index].WZ), 30);
        QCOMPARE(int(m_katalog.Systemliste[index].RG), 6);
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = index;
        a.Tippreihengroesse = 6;
        a.biggestZZ = 32;
        Seite s(m_katalog, a);
        s.klicken();
        QTRY_VERIFY_WITH_TIMEOUT(s.fertig(), 20000);
        const int tr = m_katalog.Systemliste[index].TR;
        QCOMPARE(s.kombiAnz->text(), QLocale().toString(qlonglong(RechenoperationenZaehlen(tr, 30, 6, 4))));
        for (int z = 1; z <= 4; ++z)
            for (int sp = 1; sp < 12; ++sp)
                QCOMPARE(s.zelle(z, sp), QString());
        QCOMPARE(s.zelle(5, 1), QStringLiteral("27.405"));
        QCOMPARE(s.zelle(7, 1), QStringLiteral("142.506"));
        QCOMPARE(s.zelle(9, 1), QStringLiteral("593.775"));
        QCOMPARE(s.zelle(11, 1), QString());
        // Every count row adds up to all combinations of its k.
        for (int k = 4; k <= 6; ++k) {
            qulonglong summe = 0;
            for (int j = 1; j <= k; ++j)
                if (s.zelle(2 * k - 3, j + 1) != QLatin1String("---"))
                    summe += QLocale().toULongLong(s.zelle(2 * k - 3, j + 1));
            QCOMPARE(summe, qulonglong(NueberK(30, k)));
        }
        QVERIFY(s.fehlt->isEnabled());
    }

    void vollsysteme_data()
    {
        QTest::addColumn<int>("rg");
        QTest::addColumn<int>("wz");
        QTest::addColumn<int>("groesse");
        QTest::newRow("RG 2, WZ 3") << 2 << 3 << 4;
        QTest::newRow("RG 6, WZ 13") << 6 << 13 << 6;
    }
    void vollsysteme()
    {
        QFETCH(int, rg);
        QFETCH(int, wz);
        QFETCH(int, groesse);
        const int index = Vollsystem(m_katalog, rg, wz);
        QVERIFY(index >= 0);
        MeldungenAttrappe meldungen;
        AuswahlZustand a;
        a.Systemindex = index;
        a.Tippreihengroesse = groesse;
        Seite s(m_katalog, a);
        s.klicken();
        QVERIFY(s.fertig()); // nothing to enumerate: done at once
        QVERIFY(!s.seite->laeufer().TestLaeuft());
        for (int k = 2; k <= rg; ++k) {
            const QString figur = Text(int(NueberK(wz, k)));
            QCOMPARE(s.zelle(2 * k - 3, 1), figur);
            QCOMPARE(s.zelle(2 * k - 3, k + 1), figur);
            QCOMPARE(s.zelle(2 * k - 2, k + 1), QStringLiteral("100,00"));
            for (int j = 1; j < k; ++j) {
                QCOMPARE(s.zelle(2 * k - 3, j + 1), QStringLiteral("---"));
                QCOMPARE(s.zelle(2 * k - 2, j + 1), QStringLiteral("---"));
            }
            QCOMPARE(s.zelle(2 * k - 3, k + 2), QString());
        }
        QCOMPARE(s.zelle(2 * rg - 1, 1), QString());
        QVERIFY(s.fehlt->isEnabled());
        QVERIFY(s.abbruch->isHidden());
        QCOMPARE(s.gauge->value(), 1000);
    }

    void keinSystem()
    {
        AuswahlZustand a;
        Seite s(m_katalog, a);
        QSignalSpy eigener(s.seite.get(), &SeiteSystemtest::eigenerTestAngefordert);
        {
            MeldungenAttrappe meldungen;
            s.klicken();
            QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
            QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Information);
            QCOMPARE(meldungen.eintraege()[0].text,
                     QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab."));
            QCOMPARE(eigener.count(), 0);
            QVERIFY(!s.seite->zumTestVorbereiten());
            QCOMPARE(meldungen.eintraege().size(), std::size_t(2));
        }
        // With own rows typed in, the own-rows test is asked for instead.
        MeldungenAttrappe meldungen;
        s.seite->eigeneReihenTextSetzen(true);
        s.klicken();
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(eigener.count(), 1);
        QVERIFY(s.fertig());
    }

    void eigenesSystemOhneDatei()
    {
        KatalogZustand k = Eigensystem(TSysteme{3, 4, 2, 3}, "ESY7.csv", nullptr);
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 3;
        MeldungenAttrappe meldungen;
        Seite s(k, a);
        s.klicken();
        QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
        QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Information);
        QCOMPARE(meldungen.eintraege()[0].text,
                 QStringLiteral("Die für das Spielsystem benötigte Tippreihen-Datei ESY7.csv wurde nicht "
                                "gefunden.\n\nIch muss abbrechen."));
        QVERIFY(s.fertig());
        QVERIFY(!s.seite->laeufer().TestLaeuft());
        for (int z = 1; z < 19; ++z)
            for (int sp = 1; sp < 12; ++sp)
                QCOMPARE(s.zelle(z, sp), QString());
        QVERIFY(!s.fehlt->isEnabled());
    }

    void eigenesSystemFehlerhaft_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("keine Zahl") << QByteArray("1,2,x\r\n1,3,4\r\n2,3,4\r\n");
        QTest::newRow("Position ausserhalb") << QByteArray("1,2,3\r\n1,3,9\r\n2,3,4\r\n");
        QTest::newRow("zu wenige Reihen") << QByteArray("1,2,3\r\n");
        QTest::newRow("zu wenige Felder") << QByteArray("1,2\r\n1,3,4\r\n2,3,4\r\n");
        QTest::newRow("leer") << QByteArray();
    }
    void eigenesSystemFehlerhaft()
    {
        QFETCH(QByteArray, inhalt);
        KatalogZustand k = Eigensystem(TSysteme{3, 4, 2, 3}, "ESY8.csv", &inhalt);
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 3;
        MeldungenAttrappe meldungen;
        Seite s(k, a);
        s.klicken();
        const QString erwartet = ReihendateiMeldung(EsyReihenAuswerten(inhalt, 3, 4, 3));
        QVERIFY(!erwartet.isEmpty());
        QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
        QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Fehler);
        QCOMPARE(meldungen.eintraege()[0].text, erwartet);
        QVERIFY(s.fertig());
        QVERIFY(!s.seite->laeufer().TestLaeuft());
        QCOMPARE(s.zelle(1, 1), QString());
    }

    void eigenesSystemGelesen()
    {
        const QByteArray inhalt("1,2,3\r\n1,2,4\r\n1,3,4\r\n");
        KatalogZustand k = Eigensystem(TSysteme{3, 4, 2, 3}, "ESY9.csv", &inhalt);
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 3;
        MeldungenAttrappe meldungen;
        Seite s(k, a);
        s.klicken();
        QTRY_VERIFY(s.fertig());
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(s.zelle(3, 3), QStringLiteral("1"));
        QCOMPARE(s.zelle(3, 4), QStringLiteral("3"));
        const Kategorienliste &l = s.seite->ergebnis().fuerK(3)->kategorien;
        QCOMPARE(l.anzahl(0), std::uint64_t(1));
        QCOMPARE(l.kategorie(3), 0); // 2 3 4 lies in no row
    }

    // Pressing the button during a run stops it; pressing it again starts a fresh run.
    void stoppUndNeustart()
    {
        const QByteArray inhalt("1,2,3,4,5,6,7\r\n10,20,30,40,50,55,60\r\n3,9,17,27,33,41,59\r\n");
        KatalogZustand k = Eigensystem(TSysteme{7, 60, 5, 3}, "ESY10.csv", &inhalt);
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 7;
        a.biggestZZ = 61; // one number outside the pool: 6 and 7 Treffer
        MeldungenAttrappe meldungen;
        Seite s(k, a);
        for (int runde = 0; runde < 2; ++runde) {
            s.klicken();
            QCOMPARE(s.testen->text(), QStringLiteral("Test stoppen"));
            QVERIFY(s.abbruch->isHidden());
            QVERIFY(!s.fehlt->isEnabled());
            QVERIFY(s.seite->laeufer().TestLaeuft());
            s.klicken();
            QVERIFY(s.seite->laeufer().TestAbbruch());
            QTRY_VERIFY_WITH_TIMEOUT(s.fertig(), 20000);
            QCOMPARE(meldungen.texte(), QStringList());
            QVERIFY(!s.abbruch->isHidden());
            QVERIFY(!s.fehlt->isEnabled());
            QVERIFY(s.gauge->value() < s.gauge->maximum());
            QCOMPARE(s.seite->ergebnis().kErreicht, 6);
            QCOMPARE(s.zelle(9, 1), QStringLiteral("50.063.860"));
            QCOMPARE(s.zelle(11, 1), QStringLiteral("386.206.920"));
            for (int j = 1; j <= 7; ++j) {
                QCOMPARE(s.zelle(11, j + 1), QStringLiteral("---"));
                QCOMPARE(s.zelle(12, j + 1), QStringLiteral("---"));
            }
            QCOMPARE(s.zelle(1, 1), QString());
        }
    }

    // A test of another front end holds the shared runner: the page's button only stops it.
    void fremderLaufWirdGestoppt()
    {
        Testlaeufer laeufer;
        AuswahlZustand a;
        a.Systemindex = 0;
        a.Tippreihengroesse = 3;
        Seite s(m_katalog, a, &laeufer);
        Trefferauftrag lang;
        lang.reihen.resize(3);
        for (int p = 1; p <= 7; ++p)
            lang.reihen[0].hinzufuegen(p);
        lang.wz = 90;
        lang.kmin = 7;
        lang.kmax = 8;
        QCOMPARE(laeufer.starten(lang), Testlaeufer::Start::Gestartet);
        MeldungenAttrappe meldungen;
        s.klicken();
        QVERIFY(laeufer.TestAbbruch());
        QVERIFY(s.fertig());
        QTRY_VERIFY_WITH_TIMEOUT(!laeufer.TestLaeuft(), 20000);
        QCOMPARE(meldungen.texte(), QStringList());
        QCOMPARE(s.zelle(1, 1), QString()); // not this page's result
        QVERIFY(s.abbruch->isHidden());
        QVERIFY(s.seite->ergebnis().proK.empty());
    }
};

QTEST_MAIN(TstSeiteSystemtest)
#include "tst_seitesystemtest.moc"
