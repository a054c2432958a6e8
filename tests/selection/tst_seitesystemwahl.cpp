#include "ankreuzfeld.h"
#include "hilfeaufruf.h"
#include "infozeichen.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "optionsgruppe.h"
#include "seitesystemwahl.h"
#include "systembeschreibung.h"
#include "systemliste.h"
#include "systemwahlanzeige.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One saved filter state in the order the main window restores it.
struct Wiederherstellung
{
    int zp, reiG, ga, tr, bz, gaRadio, bzRadio;
    bool zpEgal, gaEgal, trEgal, bzEgal;
};

} // namespace

Q_DECLARE_METATYPE(Wiederherstellung)

class TstSeiteSystemwahl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startzustand();
    void wiederherstellenWieKlicks_data();
    void wiederherstellenWieKlicks();
    void reihengroesseVerschiebtMaxima();
    void groessteZahlFolgt();
    void bankzahlenNullSetztGenau();
    void allesEgal();
    void vollsystem();
    void vollsystemzahlGanz_data();
    void vollsystemzahlGanz();
    void garantieKappung();
    void gefundenTexte_data();
    void gefundenTexte();
    void klickUndDoppelklick();
    void doppelklickMeldungen();
    void infoMeldungenUndHilfe();
    void gewaehltesSystemMitLabels();

private:
    template<typename T>
    T *kind(const char *name) const
    {
        T *w = m_seite->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("control %s missing", name);
        return w;
    }
    QSlider *slider(int n) const { return kind<QSlider>(QByteArray("Slider" + QByteArray::number(n)).constData()); }
    Ankreuzfeld *cb(int n) const { return kind<Ankreuzfeld>(QByteArray("cb" + QByteArray::number(n)).constData()); }
    QString text(const char *name) const { return kind<QLabel>(name)->text(); }
    bool gezeigt(const char *name) const { return !kind<QWidget>(name)->isHidden(); }
    QStringList abbild(SeiteSystemwahl *seite) const;
    void einstellen(int pool, int reihe, int garantie, int bankzahlen, int bzRadio);
    void filtern() { QTest::mouseClick(kind<QPushButton>("BFiltern"), Qt::LeftButton); }

    QTemporaryDir m_dir;
    KbwZustand m_zustand;
    SeiteSystemwahl *m_seite = nullptr;
};

void TstSeiteSystemwahl::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(m_dir.isValid());
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_dir.path());
}

void TstSeiteSystemwahl::init()
{
    m_zustand.biggestZZ = 49;
    m_zustand.Tippreihengroesse = 0;
    m_zustand.Systemindex = -1;
    m_zustand.Filterliste.clear();
    m_seite = new SeiteSystemwahl(m_zustand);
    m_seite->resize(715, 540);
    m_seite->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_seite));
}

void TstSeiteSystemwahl::cleanup()
{
    delete m_seite;
    m_seite = nullptr;
}

// Everything a user can see of the scales.
QStringList TstSeiteSystemwahl::abbild(SeiteSystemwahl *seite) const
{
    QStringList a;
    for (auto *s : seite->findChildren<QSlider *>())
        a << QStringLiteral("%1=%2 [%3..%4] %5")
                 .arg(s->objectName())
                 .arg(s->value())
                 .arg(s->minimum())
                 .arg(s->maximum())
                 .arg(s->isHidden());
    for (auto *l : seite->findChildren<QLabel *>())
        if (!l->objectName().isEmpty())
            a << QStringLiteral("%1=%2 %3").arg(l->objectName(), l->text()).arg(l->isHidden());
    for (auto *c : seite->findChildren<Ankreuzfeld *>())
        a << QStringLiteral("%1=%2 %3").arg(c->objectName()).arg(c->isChecked()).arg(c->isHidden());
    for (auto *g : seite->findChildren<Optionsgruppe *>())
        a << QStringLiteral("%1=%2").arg(g->objectName()).arg(g->itemIndex());
    a.sort();
    return a;
}

void TstSeiteSystemwahl::einstellen(int pool, int reihe, int garantie, int bankzahlen, int bzRadio)
{
    slider(1)->setValue(pool);
    slider(2)->setValue(reihe);
    slider(3)->setValue(garantie);
    slider(5)->setValue(bankzahlen);
    kind<Optionsgruppe>("Radio5")->setItemIndex(bzRadio);
}

void TstSeiteSystemwahl::startzustand()
{
    QCOMPARE(slider(1)->value(), 13);
    QCOMPARE(slider(1)->maximum(), 49);
    QCOMPARE(slider(3)->maximum(), 6);
    QCOMPARE(slider(5)->maximum(), 4);
    QCOMPARE(text("LSlider1"), QStringLiteral("13"));
    QCOMPARE(text("LSlider2"), QStringLiteral("6"));
    QCOMPARE(text("LSlider3"), QStringLiteral("2"));
    QCOMPARE(text("LSlider4"), QStringLiteral("X"));
    QCOMPARE(text("LSlider5"), QStringLiteral("2"));
    QCOMPARE(text("LSysAnz"), QStringLiteral("Anzahl gefundener Systeme"));
    QCOMPARE(text("LHinweis4"), QStringLiteral("wurde mathematisch ermittelt, siehe \"i\""));
    QCOMPARE(kind<QPushButton>("BFilternEx")->text(), QStringLiteral("Alles auf \"egal\""));
    QCOMPARE(kind<Optionsgruppe>("Radio3")->itemIndex(), GarantieGenau);
    QCOMPARE(kind<Optionsgruppe>("Radio5")->itemIndex(), BankzahlenGenau);
    QVERIFY(!cb(1)->isChecked() && !cb(3)->isChecked() && cb(4)->isChecked() && !cb(5)->isChecked());
    QVERIFY(gezeigt("BInfo3"));
    QVERIFY(!gezeigt("BInfo4"));
    QVERIFY(!gezeigt("BInfo5"));
    QVERIFY(!gezeigt("LHinweis4"));
    QVERIFY(gezeigt("Slider4"));
    QCOMPARE(kind<QListWidget>("l1")->count(), 0);
}

void TstSeiteSystemwahl::wiederherstellenWieKlicks_data()
{
    QTest::addColumn<Wiederherstellung>("w");
    QTest::newRow("Startwerte") << Wiederherstellung{13, 6, 2, 24, 2, 1, 1, false, false, true, false};
    QTest::newRow("fehlende Schluessel") << Wiederherstellung{12, 6, 2, 24, 0, 0, 0, false, false, false, false};
    QTest::newRow("Vollsystem, TR egal") << Wiederherstellung{15, 7, 5, 60, 2, 1, 1, false, false, true, false};
    QTest::newRow("Reihe 4, BZ maximal") << Wiederherstellung{30, 4, 3, 100, 2, 0, 0, true, false, false, false};
    QTest::newRow("alles egal") << Wiederherstellung{40, 9, 7, 500, 4, 0, 1, true, true, true, true};
    QTest::newRow("ausserhalb") << Wiederherstellung{120, 12, 11, 700, 9, 0, 1, false, true, false, true};
}

void TstSeiteSystemwahl::wiederherstellenWieKlicks()
{
    QFETCH(Wiederherstellung, w);

    // From the program, in the order of the settings file.
    slider(1)->setValue(w.zp);
    slider(2)->setValue(w.reiG);
    slider(3)->setValue(w.ga);
    slider(4)->setValue(w.tr);
    slider(5)->setValue(w.bz);
    kind<Optionsgruppe>("Radio3")->setItemIndex(w.gaRadio);
    kind<Optionsgruppe>("Radio5")->setItemIndex(w.bzRadio);
    cb(1)->setzen(w.zpEgal);
    cb(3)->setzen(w.gaEgal);
    cb(4)->setzen(w.trEgal);
    cb(5)->setzen(w.bzEgal);
    const QStringList vomProgramm = abbild(m_seite);

    // The same by hand on a fresh page: dragging the scales, clicking items and boxes.
    cleanup();
    init();
    auto ziehen = [](QSlider *s, int wert) {
        s->setSliderDown(true);
        s->setSliderPosition(wert);
        s->setSliderDown(false);
    };
    ziehen(slider(1), w.zp);
    ziehen(slider(2), w.reiG);
    ziehen(slider(3), w.ga);
    ziehen(slider(4), w.tr);
    ziehen(slider(5), w.bz);
    QTest::mouseClick(kind<Optionsgruppe>("Radio3")->eintrag(w.gaRadio), Qt::LeftButton);
    QTest::mouseClick(kind<Optionsgruppe>("Radio5")->eintrag(w.bzRadio), Qt::LeftButton);
    const bool soll[] = {w.zpEgal, w.gaEgal, w.trEgal, w.bzEgal};
    const int nummer[] = {1, 3, 4, 5};
    for (int k = 0; k < 4; ++k) {
        if (cb(nummer[k])->isChecked() != soll[k]) {
            // A hidden box cannot be clicked; it keeps its state anyway in that case.
            if (cb(nummer[k])->isHidden())
                cb(nummer[k])->click();
            else
                QTest::mouseClick(cb(nummer[k]), Qt::LeftButton);
        }
    }
    QCOMPARE(abbild(m_seite), vomProgramm);
    QCOMPARE(m_seite->einstellungen().reihenFest, m_seite->Zwang());
}

void TstSeiteSystemwahl::reihengroesseVerschiebtMaxima()
{
    slider(2)->setValue(10);
    slider(3)->setValue(9);
    slider(5)->setValue(4);
    cb(3)->setzen(true);
    cb(5)->setzen(true);
    QVERIFY(!gezeigt("BInfo3"));
    QVERIFY(!gezeigt("BInfo5"));

    // Lowering the row size clamps both scales; the moves count as changes and untick "egal".
    slider(2)->setValue(4);
    QCOMPARE(slider(3)->maximum(), 4);
    QCOMPARE(slider(3)->value(), 4);
    QCOMPARE(slider(5)->maximum(), 2);
    QCOMPARE(slider(5)->value(), 2);
    QVERIFY(!cb(3)->isChecked());
    QVERIFY(!cb(5)->isChecked());
    QCOMPARE(text("LSlider3"), QStringLiteral("4"));
    QCOMPARE(text("LSlider5"), QStringLiteral("2"));
    QVERIFY(gezeigt("BInfo3"));
    QVERIFY(gezeigt("BInfo5"));
    // 4 + 2 >= 4 with "genau": a full system now.
    QVERIFY(gezeigt("BInfo4"));
    QCOMPARE(text("LSlider4"), QStringLiteral("55")); // 11 over 2
}

void TstSeiteSystemwahl::groessteZahlFolgt()
{
    slider(1)->setValue(40);
    cb(1)->setzen(true);
    slider(1)->setMaximum(35);
    QCOMPARE(slider(1)->value(), 35);
    QCOMPARE(text("LSlider1"), QStringLiteral("35"));
    QVERIFY(!cb(1)->isChecked());
    slider(1)->setMaximum(100);
    slider(1)->setValue(100);
    QCOMPARE(text("LSlider1"), QStringLiteral("100"));

    // Not listed beyond biggestZZ: 49 + 0 bankers does not fit 1..35.
    m_zustand.biggestZZ = 35;
    slider(1)->setMaximum(35);
    einstellen(35, 6, 3, 0, BankzahlenGenau);
    cb(1)->setzen(true);
    filtern();
    for (int i : m_zustand.Filterliste)
        QVERIFY(m_zustand.Systemliste[i].WZ <= 35);
}

void TstSeiteSystemwahl::bankzahlenNullSetztGenau()
{
    kind<Optionsgruppe>("Radio5")->setItemIndex(BankzahlenMaximal);
    cb(5)->setzen(true);
    slider(5)->setValue(0);
    QCOMPARE(kind<Optionsgruppe>("Radio5")->itemIndex(), BankzahlenGenau);
    QVERIFY(!cb(5)->isChecked());
    QCOMPARE(text("LSlider5"), QStringLiteral("0"));
}

void TstSeiteSystemwahl::allesEgal()
{
    QTest::mouseClick(kind<QPushButton>("BFilternEx"), Qt::LeftButton);
    QVERIFY(cb(1)->isChecked() && cb(3)->isChecked() && cb(4)->isChecked() && cb(5)->isChecked());
    for (const char *l : {"LSlider1", "LSlider3", "LSlider4", "LSlider5"})
        QCOMPARE(text(l), QStringLiteral("X"));
    QCOMPARE(text("LSlider2"), QStringLiteral("6"));
    QCOMPARE(text("LSysAnz"), QStringLiteral("Anzahl gefundener Systeme")); // the filter did not run
    QCOMPARE(kind<QListWidget>("l1")->count(), 0);
}

void TstSeiteSystemwahl::vollsystem()
{
    const int breite = m_seite->width();
    cb(4)->setzen(false);
    slider(4)->setValue(5);
    einstellen(13, 6, 4, 2, BankzahlenGenau);
    QVERIFY(m_seite->Zwang());
    QCOMPARE(text("LSlider4"), QStringLiteral("330"));
    QVERIFY(!gezeigt("Slider4"));
    QVERIFY(!gezeigt("cb4"));
    QVERIFY(gezeigt("LHinweis4"));
    QVERIFY(gezeigt("BInfo4"));
    QVERIFY(!m_seite->TRAbweichung(330, 5, true));
    QVERIFY(m_seite->TRAbweichung(330, 5, false));
    QCOMPARE(m_seite->width(), breite); // swapping scale and hint does not widen the page

    // Row count not filtered: the full system on 11 numbers with 330 rows is listed.
    filtern();
    const QListWidget *l1 = kind<QListWidget>("l1");
    QVERIFY(
        !l1->findItems(QStringLiteral("11 Wahlzahlen plus 2 BZ in 330 Tippreihen mit 4er Garantie"), Qt::MatchExactly)
             .isEmpty());

    // A program set of the hidden row-count controls keeps the count on show.
    cb(4)->setzen(true);
    slider(4)->setValue(50);
    QCOMPARE(text("LSlider4"), QStringLiteral("330"));

    // Back to a reduced system: the slider returns with its "egal" state.
    slider(3)->setValue(3);
    QVERIFY(!m_seite->Zwang());
    QVERIFY(gezeigt("Slider4"));
    QVERIFY(gezeigt("cb4"));
    QVERIFY(!gezeigt("LHinweis4"));
    QVERIFY(!gezeigt("BInfo4"));
    QVERIFY(!cb(4)->isChecked());
    QCOMPARE(text("LSlider4"), QStringLiteral("50"));
    QCOMPARE(m_seite->width(), breite);
}

void TstSeiteSystemwahl::vollsystemzahlGanz_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("reihe");
    QTest::addColumn<QString>("anzeige");
    QTest::newRow("6 aus 49") << 49 << 6 << QStringLiteral("13.983.816");
    QTest::newRow("10 aus 44") << 44 << 10 << QStringLiteral("2.481.256.778");
    QTest::newRow("10 aus 100") << 100 << 10 << QStringLiteral("17.310.309.456.440");
}

// The read-out grows with the count and shows every digit.
void TstSeiteSystemwahl::vollsystemzahlGanz()
{
    QFETCH(int, pool);
    QFETCH(int, reihe);
    QFETCH(QString, anzeige);
    const int breite = m_seite->width();
    m_seite->groessteZahlSetzen(100);
    einstellen(pool, reihe, reihe, 0, BankzahlenGenau);
    QVERIFY(m_seite->Zwang());
    auto *l = kind<QLabel>("LSlider4");
    QCOMPARE(l->text(), anzeige);
    QVERIFY(l->fontMetrics().horizontalAdvance(anzeige) <= l->contentsRect().width());
    QCOMPARE(m_seite->width(), breite);

    // Back to a reduced system: the read-out takes its usual width again.
    slider(3)->setValue(3);
    QVERIFY(l->width() < l->fontMetrics().horizontalAdvance(QStringLiteral("13.983.816")));
}

void TstSeiteSystemwahl::garantieKappung()
{
    einstellen(13, 6, 6, 2, BankzahlenMaximal);
    kind<Optionsgruppe>("Radio3")->setItemIndex(GarantieMindestens);
    const Filtereinstellungen vorher = m_seite->einstellungen();
    filtern();
    QCOMPARE(slider(3)->value(), 4);
    QCOMPARE(slider(3)->maximum(), 4);
    QCOMPARE(text("LSlider3"), QStringLiteral("4"));
    QCOMPARE(kind<Optionsgruppe>("Radio3")->itemIndex(), GarantieGenau);
    QCOMPARE(m_zustand.Tippreihengroesse, 6);

    // The page ends up as the core filter assumed, and lists what the core lists.
    const Filterergebnis erg = SystemeFiltern(m_zustand.Systemliste, 49, vorher);
    QCOMPARE(m_seite->einstellungen(), erg.einstellungen);
    QCOMPARE(m_zustand.Filterliste, erg.filterliste);
    const QListWidget *l1 = kind<QListWidget>("l1");
    QCOMPARE(l1->count(), erg.zeilen.size());
    for (int k = 0; k < l1->count(); ++k)
        QCOMPARE(l1->item(k)->text(), erg.zeilen[k]);

    // The next change of the row size gives the scale its full range back.
    slider(2)->setValue(7);
    QCOMPARE(slider(3)->maximum(), 7);
}

void TstSeiteSystemwahl::gefundenTexte_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("reihe");
    QTest::addColumn<int>("garantie");
    QTest::addColumn<bool>("poolEgal");
    QTest::addColumn<QString>("text");
    QTest::newRow("keins") << 4 << 10 << 8 << false << "Keine Systeme gefunden";
    QTest::newRow("eins") << 49 << 6 << 3 << false << "Ein System gefunden";
    QTest::newRow("zwoelf") << 13 << 8 << 4 << true << "12 Systeme gefunden";
}

void TstSeiteSystemwahl::gefundenTexte()
{
    QFETCH(int, pool);
    QFETCH(int, reihe);
    QFETCH(int, garantie);
    QFETCH(bool, poolEgal);
    QFETCH(QString, text);
    einstellen(pool, reihe, garantie, 0, BankzahlenGenau);
    cb(1)->setzen(poolEgal);
    filtern();
    QCOMPARE(this->text("LSysAnz"), text);
    QCOMPARE(int(m_zustand.Filterliste.size()), kind<QListWidget>("l1")->count());
    const int erwartet =
        text.startsWith(QLatin1String("Keine")) ? 0 : (text.startsWith(QLatin1String("Ein ")) ? 1 : 12);
    QCOMPARE(kind<QListWidget>("l1")->count(), erwartet);
    QCOMPARE(m_zustand.Tippreihengroesse, reihe);
}

void TstSeiteSystemwahl::klickUndDoppelklick()
{
    einstellen(13, 8, 4, 0, BankzahlenGenau);
    cb(1)->setzen(true);
    filtern();
    QListWidget *l1 = kind<QListWidget>("l1");
    QCOMPARE(l1->count(), 12);
    QSignalSpy gewaehlt(m_seite, &SeiteSystemwahl::systemGewaehlt);

    const QPoint zeile2 = l1->visualItemRect(l1->item(2)).center();
    QTest::mouseClick(l1->viewport(), Qt::LeftButton, {}, zeile2);
    QCOMPARE(m_zustand.Systemindex, m_zustand.Filterliste[2]);
    QCOMPARE(gewaehlt.count(), 1);
    QCOMPARE(gewaehlt.at(0).at(0).toInt(), m_zustand.Filterliste[2]);
    QCOMPARE(gewaehlt.at(0).at(1).toBool(), false);

    gewaehlt.clear();
    const QPoint zeile5 = l1->visualItemRect(l1->item(5)).center();
    QTest::mouseDClick(l1->viewport(), Qt::LeftButton, {}, zeile5);
    QCOMPARE(m_zustand.Systemindex, m_zustand.Filterliste[5]);
    QVERIFY(!gewaehlt.isEmpty());
    QCOMPARE(gewaehlt.last().at(0).toInt(), m_zustand.Filterliste[5]);
    QCOMPARE(gewaehlt.last().at(1).toBool(), true);

    // A new filter run empties the list without choosing anything.
    gewaehlt.clear();
    filtern();
    QCOMPARE(gewaehlt.count(), 0);
}

void TstSeiteSystemwahl::doppelklickMeldungen()
{
    MeldungenAttrappe meldungen;
    QSignalSpy gewaehlt(m_seite, &SeiteSystemwahl::systemGewaehlt);
    QListWidget *l1 = kind<QListWidget>("l1");

    // Nothing listed, before and after a filter run that found nothing.
    QTest::mouseDClick(l1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    einstellen(4, 10, 8, 0, BankzahlenGenau);
    filtern();
    QTest::mouseDClick(l1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    const QString nichtsGelistet = QStringLiteral(
        "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre Filtereinstellungen.\n\nIch breche "
        "erst einmal ab.");
    QCOMPARE(meldungen.texte(), QStringList({nichtsGelistet, nichtsGelistet}));
    QCOMPARE(meldungen.eintraege().front().art, Meldungen::Art::Information);

    // Lines but none selected: a double click beside the lines.
    meldungen.leeren();
    einstellen(49, 6, 3, 0, BankzahlenGenau);
    filtern();
    QCOMPARE(l1->count(), 1);
    QTest::mouseDClick(l1->viewport(), Qt::LeftButton, {}, QPoint(20, l1->viewport()->height() - 5));
    QCOMPARE(meldungen.texte(),
             QStringList({QStringLiteral("Bitte wählen Sie ein System aus der Liste.\n\nIch breche erst einmal ab.")}));
    QCOMPARE(gewaehlt.count(), 0);
    QCOMPARE(m_zustand.Systemindex, -1);
}

void TstSeiteSystemwahl::infoMeldungenUndHilfe()
{
    MeldungenAttrappe meldungen;
    HilfeAttrappe hilfe;
    slider(2)->setValue(4); // limits both scales and gives a full system
    QVERIFY(gezeigt("BInfo3") && gezeigt("BInfo4") && gezeigt("BInfo5"));
    for (const char *name : {"BInfo3", "BInfo4", "BInfo5"})
        QTest::mouseClick(kind<Infozeichen>(name), Qt::LeftButton);
    const QStringList soll = {
        QStringLiteral("Die Skala für die Gewinngarantie ist durch die Größe der Tippreihe beschränkt worden."),
        QStringLiteral("Sie haben sich durch die Wahl der vollen Gewinngarantie für ein Vollsystem - gegebenenfalls "
                       "mit Bankzahlen - entschieden, dessen Tippreihenanzahl feststeht. Daher wurden die "
                       "Wahlmöglichkeiten an dieser Stelle deaktiviert."),
        QStringLiteral("Die Skala für die Bankzahlen ist durch die Größe der Tippreihe oder die gewünschte "
                       "Gewinngarantie beschränkt worden.")};
    QCOMPARE(meldungen.texte(), soll);
    for (const auto &eintrag : meldungen.eintraege())
        QCOMPARE(eintrag.hilfethema, 1040); // each message offers the page's help
    QCOMPARE(kind<Infozeichen>("BInfo3")->toolTip(), soll[0]);
    QCOMPARE(kind<Infozeichen>("BInfo5")->toolTip(), soll[2]);

    QTest::keyClick(kind<QListWidget>("l1"), Qt::Key_F1);
    QTest::keyClick(slider(3), Qt::Key_F1);
    QCOMPARE(hilfe.themen(), std::vector<int>({1040, 1040}));
}

void TstSeiteSystemwahl::gewaehltesSystemMitLabels()
{
    MeldungenAttrappe meldungen;
    QLabel beschreibung(QStringLiteral("alt")), pool(QStringLiteral("p")), bz(QStringLiteral("b"));
    KbwZustand z;
    SystemlisteAufbauen(z, Vollsystemgrenze, m_dir.path());
    z.Systemliste.push_back(TSysteme{1, 5, 1, 5}); // own system without a usable row size

    // A catalogue system with RG 4 for row size 6: two bankers.
    z.Tippreihengroesse = 6;
    z.Systemindex = 220;
    QVERIFY(GewaehltesSystem(z, 220, &beschreibung, &pool, &bz, nullptr));
    QCOMPARE(beschreibung.text(), SystemBeschreibung(6, z.Systemliste[220]));
    QVERIFY(beschreibung.text().contains(QStringLiteral("plus 2 Bankzahlen in ")));
    QCOMPARE(pool.text(), QStringLiteral("5"));
    QCOMPARE(bz.text(), QStringLiteral("2"));
    QVERIFY(meldungen.texte().isEmpty());

    // The error leaves the labels and counts as they were.
    z.Tippreihengroesse = 0;
    QVERIFY(!GewaehltesSystem(z, 788, &beschreibung, &pool, &bz, nullptr));
    QCOMPARE(meldungen.texte(),
             QStringList({QStringLiteral("Das System enthält nicht die für seine Anwendung "
                                         "erforderlichen Angaben.\n\nIch muss abbrechen.")}));
    QCOMPARE(meldungen.eintraege().front().art, Meldungen::Art::Fehler);
    QCOMPARE(beschreibung.text(), SystemBeschreibung(6, z.Systemliste[220]));
    QCOMPARE(pool.text(), QStringLiteral("5"));
    QCOMPARE(bz.text(), QStringLiteral("2"));
    QCOMPARE(z.PoolSoll, 5);
    QCOMPARE(z.BankzahlenSoll, 2);
}

QTEST_MAIN(TstSeiteSystemwahl)
#include "tst_seitesystemwahl.moc"
