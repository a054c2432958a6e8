// The window "Auftreten der Kombinationen": its lists against the engine and a plain count,
// the group of size boxes, the counts, copying, and lists too long to turn into text at once.

#include "fehlt.h"
#include "katalog.h"
#include "meldungen.h"
#include "routinen.h"
#include "zwischenablage.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <random>

Q_DECLARE_METATYPE(std::vector<Reihenmenge>)

namespace {

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

Trefferergebnis Ausfuehren(std::vector<Reihenmenge> reihen, int wz, int kmin, int kmax,
                           Auftreten auftreten = Auftreten::Liste)
{
    Trefferauftrag a;
    a.reihen = std::move(reihen);
    a.wz = wz;
    a.kmin = kmin;
    a.kmax = kmax;
    a.auftreten = auftreten;
    a.threads = 1;
    std::atomic_bool abbruch{false};
    Trefferergebnis e = TrefferanalyseAusfuehren(a, abbruch);
    Q_ASSERT(e.fehler == Trefferfehler::Keiner);
    return e;
}

// The four lists of size k counted out directly: every k-subset of 1..wz in lexicographic
// order, put into the category of the number of rows holding it.
std::array<QStringList, 4> Referenz(const std::vector<Reihenmenge> &reihen, int wz, int k)
{
    std::array<QStringList, 4> listen;
    std::vector<int> p(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        p[std::size_t(i)] = i + 1;
    do {
        int in = 0;
        for (const Reihenmenge &r : reihen)
            in += std::all_of(p.begin(), p.end(), [&](int x) { return r.enthaelt(x); });
        listen[std::size_t(std::min(in, 3))] << KombinationAlsText(p);
    } while (KombinationWeiter(wz, p));
    return listen;
}

struct Fenster
{
    Fenster()
    {
        for (int k = 2; k <= 9; ++k)
            cbk[std::size_t(k - 2)] = f.findChild<QCheckBox *>(QStringLiteral("cbk%1").arg(k));
        const char *knoepfe[] = {"bsSkinSpeedButton3", "bsSkinSpeedButton2", "bsSkinSpeedButton1",
                                 "bsSkinSpeedButton4"};
        for (int c = 0; c < 4; ++c) {
            memo[std::size_t(c)] = f.findChild<QListView *>(QStringLiteral("m%1").arg(c));
            anzahl[std::size_t(c)] = f.findChild<QLabel *>(QStringLiteral("LAnz%1").arg(c));
            kopieren[std::size_t(c)] = f.findChild<QPushButton *>(QLatin1String(knoepfe[c]));
        }
    }
    QCheckBox *box(int k) const { return cbk[std::size_t(k - 2)]; }
    QStringList zeilen(int c) const
    {
        QStringList l;
        const QAbstractItemModel *m = memo[std::size_t(c)]->model();
        for (int i = 0; i < m->rowCount(); ++i)
            l << m->index(i, 0).data().toString();
        return l;
    }
    QList<bool> angehakt() const
    {
        QList<bool> l;
        for (QCheckBox *b : cbk)
            l << b->isChecked();
        return l;
    }
    QList<bool> frei() const
    {
        QList<bool> l;
        for (QCheckBox *b : cbk)
            l << b->isEnabled();
        return l;
    }

    TFFehlt f{QStringLiteral("Kombiwerk 1.0")};
    std::array<QCheckBox *, 8> cbk{};
    std::array<QListView *, 4> memo{};
    std::array<QLabel *, 4> anzahl{};
    std::array<QPushButton *, 4> kopieren{};
};

QString Zahl(qulonglong n)
{
    return QLocale().toString(n);
}

} // namespace

class TstFehlt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void steuerelemente()
    {
        Fenster w;
        QCOMPARE(w.f.objectName(), QStringLiteral("FFehlt"));
        QCOMPARE(w.f.windowTitle(), QStringLiteral("Kombiwerk 1.0"));
        QCOMPARE(w.f.size(), QSize(771, 435));
        QCOMPARE(w.f.findChild<QLabel *>("Label1")->text(), QStringLiteral("Auftreten der Kombinationen"));
        QCOMPARE(w.f.findChild<QLabel *>("Label6")->text(), QStringLiteral("Anzeige für Kombinationen..."));
        QCOMPARE(w.f.findChild<QPushButton *>("BClose2")->text(), QStringLiteral("Sch&ließen"));
        QVERIFY(w.f.findChild<QToolButton *>("BClose1"));
        for (int k = 2; k <= 9; ++k) {
            QVERIFY(w.box(k));
            QCOMPARE(w.box(k)->text(), QStringLiteral("%1er").arg(k));
            QCOMPARE(w.box(k)->property("Tag").toInt(), k);
            QVERIFY(!w.box(k)->isEnabled());
        }
        QCOMPARE(w.angehakt(), (QList<bool>{true, false, false, false, false, false, false, false}));
        const QStringList titel{"Fehlende Kombinationen", "1 x vertretene Kombinationen",
                                "2 x vertretene Kombinationen", "Kombinationen > 2 vertreten"};
        const QList<QLabel *> labels = w.f.findChildren<QLabel *>();
        for (int c = 0; c < 4; ++c) {
            QVERIFY(w.memo[std::size_t(c)] && w.anzahl[std::size_t(c)] && w.kopieren[std::size_t(c)]);
            QCOMPARE(w.kopieren[std::size_t(c)]->text(), QStringLiteral("Reihen in die Zwischenablage"));
            QVERIFY(std::any_of(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == titel[c]; }));
        }
    }

    // Catalogue entry 0 as stored, and the rows {1,2,3}, {1,2,4}, {1,3,4} of the printed example.
    void beispiele_data()
    {
        QTest::addColumn<std::vector<Reihenmenge>>("reihen");
        QTest::addColumn<int>("wz");
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("keine");
        QTest::addColumn<QStringList>("eine");
        QTest::addColumn<QStringList>("zwei");
        QTest::addColumn<QStringList>("mehr");

        const std::vector<Reihenmenge> gedruckt{Zeile({1, 2, 3}), Zeile({1, 2, 4}), Zeile({1, 3, 4})};
        QTest::newRow("Beispiel 2er") << gedruckt << 4 << 2 << QStringList{} << QStringList{"2 3", "2 4", "3 4"}
                                      << QStringList{"1 2", "1 3", "1 4"} << QStringList{};
        QTest::newRow("Beispiel 3er") << gedruckt << 4 << 3 << QStringList{"2 3 4"}
                                      << QStringList{"1 2 3", "1 2 4", "1 3 4"} << QStringList{} << QStringList{};
        const std::vector<Reihenmenge> katalog = KatalogZeilen(0);
        QTest::newRow("Katalog 0, 2er") << katalog << 4 << 2 << QStringList{} << QStringList{"2 3", "2 4", "3 4"}
                                        << QStringList{"1 2", "1 3", "1 4"} << QStringList{};
        QTest::newRow("Katalog 0, 3er") << katalog << 4 << 3 << QStringList{"2 3 4"}
                                        << QStringList{"1 2 3", "1 2 4", "1 3 4"} << QStringList{} << QStringList{};
        QTest::newRow("dreimal") << std::vector<Reihenmenge>{Zeile({1, 2, 3}), Zeile({1, 2, 4}), Zeile({1, 2, 5})} << 5
                                 << 2 << QStringList{"3 4", "3 5", "4 5"}
                                 << QStringList{"1 3", "1 4", "1 5", "2 3", "2 4", "2 5"} << QStringList{}
                                 << QStringList{"1 2"};
    }

    void beispiele()
    {
        QFETCH(std::vector<Reihenmenge>, reihen);
        QFETCH(int, wz);
        QFETCH(int, k);
        QFETCH(QStringList, keine);
        QFETCH(QStringList, eine);
        QFETCH(QStringList, zwei);
        QFETCH(QStringList, mehr);
        Fenster w;
        w.f.ergebnisSetzen(Ausfuehren(reihen, wz, 2, 3));
        w.f.KombinationenAnzeigen(k);
        QCOMPARE(w.f.angezeigteGroesse(), k);
        const std::array<QStringList, 4> erwartet{keine, eine, zwei, mehr};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(w.zeilen(c), erwartet[std::size_t(c)]);
            QCOMPARE(w.anzahl[std::size_t(c)]->text(), QString::number(erwartet[std::size_t(c)].size()));
        }
        // Row size 3: only 2er can be chosen.
        QCOMPARE(w.frei(), (QList<bool>{true, false, false, false, false, false, false, false}));
    }

    // Lists of generated systems against the plain count, every k the test evaluated.
    void gegenReferenz()
    {
        std::mt19937 zufall(20261210);
        for (int fall = 0; fall < 12; ++fall) {
            const int wz = 6 + int(zufall() % 9);
            const int rg = 3 + int(zufall() % 4);
            std::vector<Reihenmenge> reihen(3 + zufall() % 12);
            for (Reihenmenge &r : reihen) {
                while (r.anzahl() < rg)
                    r.hinzufuegen(1 + int(zufall() % unsigned(wz)));
            }
            Fenster w;
            w.f.ergebnisSetzen(Ausfuehren(reihen, wz, 2, rg));
            for (int k = 2; k <= rg; ++k) {
                w.f.KombinationenAnzeigen(k);
                const std::array<QStringList, 4> ref = Referenz(reihen, wz, k);
                for (int c = 0; c < 4; ++c) {
                    QCOMPARE(w.zeilen(c), ref[std::size_t(c)]);
                    QCOMPARE(w.anzahl[std::size_t(c)]->text(), Zahl(qulonglong(ref[std::size_t(c)].size())));
                }
            }
        }
    }

    void groessenGruppe()
    {
        // Row size 5 from k = 2: the boxes 2er..4er can be chosen.
        const std::vector<Reihenmenge> reihen{Zeile({1, 2, 3, 4, 5}), Zeile({3, 4, 5, 6, 7}), Zeile({1, 2, 6, 7, 8})};
        const Trefferergebnis e = Ausfuehren(reihen, 8, 2, 5);
        Fenster w;
        w.f.ergebnisSetzen(e);
        w.f.KombinationenAnzeigen(2);
        QCOMPARE(w.frei(), (QList<bool>{true, true, true, false, false, false, false, false}));
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));

        QTest::mouseClick(w.box(4), Qt::LeftButton);
        QCOMPARE(w.angehakt(), (QList<bool>{false, false, true, false, false, false, false, false}));
        QCOMPARE(w.f.angezeigteGroesse(), 4);
        QCOMPARE(w.zeilen(1), Referenz(reihen, 8, 4)[1]);
        // The ticked box stays ticked when clicked again, and shows its size once more.
        w.f.KombinationenAnzeigen(2);
        QTest::mouseClick(w.box(4), Qt::LeftButton);
        QCOMPARE(w.angehakt(), (QList<bool>{false, false, true, false, false, false, false, false}));
        QCOMPARE(w.f.angezeigteGroesse(), 4);
        QTest::mouseClick(w.box(3), Qt::LeftButton);
        QCOMPARE(w.angehakt(), (QList<bool>{false, true, false, false, false, false, false, false}));
        QCOMPARE(w.f.angezeigteGroesse(), 3);
        // A disabled box does not react.
        QTest::mouseClick(w.box(7), Qt::LeftButton);
        QCOMPARE(w.f.angezeigteGroesse(), 3);
        QVERIFY(!w.box(7)->isChecked());

        // A later test with a lowest k of 3 and row size 4 leaves only 3er free.
        w.f.ergebnisSetzen(Ausfuehren({Zeile({1, 2, 3, 4})}, 8, 3, 4));
        QCOMPARE(w.frei(), (QList<bool>{false, true, false, false, false, false, false, false}));
        // No result at all: nothing to choose.
        w.f.ergebnisSetzen(Trefferergebnis{});
        QCOMPARE(w.frei(), (QList<bool>(8, false)));
    }

    // Sizes without lists: a full system (counts only), a size below the lowest evaluated k,
    // a size above the row size.
    void leereListen_data()
    {
        QTest::addColumn<int>("kmin");
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("nurAnzahlen");
        QTest::newRow("Vollsystem") << 2 << 2 << true;
        QTest::newRow("kleinstes k 4, Anzeige 2er") << 4 << 2 << false;
        QTest::newRow("über der Reihengröße") << 2 << 7 << false;
    }

    void leereListen()
    {
        QFETCH(int, kmin);
        QFETCH(int, k);
        QFETCH(bool, nurAnzahlen);
        Fenster w;
        // Filled first, so that emptying is seen.
        w.f.ergebnisSetzen(Ausfuehren({Zeile({1, 2, 3, 4, 5})}, 8, 2, 5));
        w.f.KombinationenAnzeigen(2);
        QVERIFY(w.zeilen(0).size() > 0);
        w.f.ergebnisSetzen(
            Ausfuehren({Zeile({1, 2, 3, 4, 5})}, 8, kmin, 5, nurAnzahlen ? Auftreten::Anzahlen : Auftreten::Liste));
        w.f.KombinationenAnzeigen(k);
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(w.memo[std::size_t(c)]->model()->rowCount(), 0);
            QCOMPARE(w.anzahl[std::size_t(c)]->text(), QStringLiteral("0"));
        }
    }

    void kopieren_data()
    {
        QTest::addColumn<int>("kategorie");
        QTest::addColumn<QString>("text");
        QTest::newRow("fehlende, leer") << 0 << QString();
        QTest::newRow("einmal") << 1 << QStringLiteral("2 3\r\n2 4\r\n3 4\r\n");
        QTest::newRow("zweimal") << 2 << QStringLiteral("1 2\r\n1 3\r\n1 4\r\n");
        QTest::newRow("öfter, leer") << 3 << QString();
    }

    void kopieren()
    {
        QFETCH(int, kategorie);
        QFETCH(QString, text);
        ZwischenablageAttrappe ablage;
        ablage.text = QStringLiteral("vorher");
        MeldungenAttrappe meldungen;
        Fenster w;
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        w.f.ergebnisSetzen(Ausfuehren(KatalogZeilen(0), 4, 2, 3));
        w.f.KombinationenAnzeigen(2);
        QTest::mouseClick(w.kopieren[std::size_t(kategorie)], Qt::LeftButton);
        QCOMPARE(ablage.text, text);
        QVERIFY(meldungen.eintraege().empty());
    }

    // Two-digit positions, and the limit: a text of exactly the limit is made, one more is refused.
    void listentextGrenze()
    {
        // Pool 12, one row 1..10: the 2er outside every row are {1..10} x {11, 12} and {11, 12}.
        const Trefferergebnis e = Ausfuehren({Zeile({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})}, 12, 2, 2);
        const Kategorienliste &liste = e.fuerK(2)->kategorien;
        const std::optional<QString> text = KombinationslisteAlsText(liste, 0, 1000);
        QVERIFY(text);
        QStringList zeilen;
        for (int a = 1; a <= 10; ++a)
            zeilen << QStringLiteral("%1 11").arg(a) << QStringLiteral("%1 12").arg(a);
        zeilen << QStringLiteral("11 12");
        const QString erwartet = zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        QCOMPARE(*text, erwartet);
        QVERIFY(KombinationslisteAlsText(liste, 0, erwartet.size()));
        QVERIFY(!KombinationslisteAlsText(liste, 0, erwartet.size() - 1));
    }

    // A list far beyond the clipboard limit: a message, the clipboard untouched.
    void kopierenZuLang()
    {
        ZwischenablageAttrappe ablage;
        ablage.text = QStringLiteral("vorher");
        MeldungenAttrappe meldungen;
        Fenster w;
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        w.f.ergebnisSetzen(Ausfuehren({Zeile({1, 2, 3, 4, 5, 6})}, 49, 6, 6));
        w.f.KombinationenAnzeigen(6);
        QCOMPARE(w.anzahl[0]->text(), QStringLiteral("13.983.815"));
        QTest::mouseClick(w.kopieren[0], Qt::LeftButton);
        QCOMPARE(ablage.text, QStringLiteral("vorher"));
        QCOMPARE(meldungen.texte(),
                 QStringList{"Die Liste ist mit 13.983.815 Kombinationen zu lang für die Zwischenablage (mehr als "
                             "50.000.000 Zeichen).\n\nIch breche ab."});
        // The one combination in the row still copies.
        QTest::mouseClick(w.kopieren[1], Qt::LeftButton);
        QCOMPARE(ablage.text, QStringLiteral("1 2 3 4 5 6\r\n"));
    }

    // Over a million lines: the view asks only for the lines it shows.
    void millionZeilen()
    {
        Fenster w;
        w.f.ergebnisSetzen(Ausfuehren({Zeile({1, 2, 3, 4, 5, 6})}, 45, 5, 6));
        w.f.KombinationenAnzeigen(5);
        const int n = 1'221'759 - 6; // C(45, 5) without the 5er of the one row
        QCOMPARE(w.memo[0]->model()->rowCount(), n);
        QCOMPARE(w.anzahl[0]->text(), QStringLiteral("1.221.753"));
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        w.memo[0]->scrollToBottom();
        QTest::qWait(20);
        QVERIFY(w.f.modell(0).erzeugteZeilen() > 0);
        QVERIFY2(w.f.modell(0).erzeugteZeilen() < 5000, qPrintable(QString::number(w.f.modell(0).erzeugteZeilen())));
        QCOMPARE(w.memo[0]->model()->index(0, 0).data().toString(), QStringLiteral("1 2 3 4 7"));
        QCOMPARE(w.memo[0]->model()->index(n - 1, 0).data().toString(), QStringLiteral("41 42 43 44 45"));
    }

    void positionSpeichern()
    {
        Fenster w;
        w.f.move(123, 234);
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        QSignalSpy spy(&w.f, &TFFehlt::positionSpeichernAngefordert);
        QTest::mouseClick(w.f.findChild<QToolButton *>("bsSkinSpeedButton13"), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), w.f.x());
        QCOMPARE(spy.at(0).at(1).toInt(), w.f.y());
    }

    void schliessen()
    {
        Fenster w;
        w.f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.f));
        QTest::mouseClick(w.f.findChild<QPushButton *>("BClose2"), Qt::LeftButton);
        QVERIFY(!w.f.isVisible());
        w.f.show();
        QTest::mouseClick(w.f.findChild<QToolButton *>("BClose1"), Qt::LeftButton);
        QVERIFY(!w.f.isVisible());
    }
};

QTEST_MAIN(TstFehlt)
#include "tst_fehlt.moc"
