#include "eigenesysteme.h"
#include "katalogzustand.h"
#include "meldungen.h"
#include "seiteeigenesysteme.h"
#include "systemliste.h"

#include "tests/dateihilfen.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

Reihenmenge Reihe(std::initializer_list<int> positionen)
{
    Reihenmenge r;
    for (int p : positionen)
        r.hinzufuegen(p);
    return r;
}

// Three rows of three positions out of four: the shape of catalogue entry 0 (3, 4, 2, 3).
const std::vector<Reihenmenge> Dreierreihen = {Reihe({1, 2, 3}), Reihe({1, 2, 4}), Reihe({1, 3, 4})};

// Rows of two out of wz positions, one per pair 1-2, 3-4, ...
std::vector<Reihenmenge> Paare(int wz)
{
    std::vector<Reihenmenge> r;
    for (int p = 1; p + 1 <= wz; p += 2)
        r.push_back(Reihe({p, p + 1}));
    return r;
}

QColor Textfarbe(const QLabel *l)
{
    return l->palette().color(QPalette::WindowText);
}

QStringList Zeilen(const QListWidget *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
}

} // namespace

class TstSeiteEigeneSysteme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void keinSystem();
    void einSystem();
    void zustandszeile_data();
    void zustandszeile();
    void dreiSystemeZweitesFehlt();
    void dateiVerschwindetVorDemAnwenden();
    void dateiKommtZurueck();
    void kaputteReihendatei();
    void unsichererName();
    void einzigesSystemLoeschen();
    void loeschenZeigtErstesWieder();
    void loeschenScheitert();
    void loeschenOhneGezeigtesSystem();
    void vergleichAnzeigenUndDoppelklick();

private:
    // Saves n systems (RG 2 on pools of 6, 8, 10, ...) and builds the list as the start does.
    void speichern(int n);
    void aufbauen() { SystemlisteAufbauen(m_katalog, Vollsystemgrenze, m_katalog.EigeneSystemeOrdner); }
    QString datei(const QString &name) const { return QDir(m_katalog.EigeneSystemeOrdner).filePath(name); }
    std::unique_ptr<SeiteEigeneSysteme> seite();
    template<class T>
    T *kind(const char *name)
    {
        T *w = m_seite->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("control %s missing", name);
        return w;
    }
    QString text(const char *name) { return kind<QLabel>(name)->text(); }
    void zeigen(int p) { kind<QScrollBar>("ScrollEsys")->setValue(p); }

    std::unique_ptr<QTemporaryDir> m_dir;
    KatalogZustand m_katalog;
    std::unique_ptr<SeiteEigeneSysteme> m_seite;
    std::unique_ptr<MeldungenAttrappe> m_meldungen;
};

void TstSeiteEigeneSysteme::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstSeiteEigeneSysteme::init()
{
    m_seite.reset();
    // The recorders stack: the old one goes before the new one comes.
    m_meldungen.reset();
    m_meldungen = std::make_unique<MeldungenAttrappe>();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_katalog = KatalogZustand();
    m_katalog.EigeneSystemeOrdner = m_dir->filePath("EigeneSysteme");
    QVERIFY(QDir().mkpath(m_katalog.EigeneSystemeOrdner));
    aufbauen();
}

void TstSeiteEigeneSysteme::speichern(int n)
{
    for (int i = 0; i < n; ++i) {
        const int wz = 6 + 2 * i;
        const EsyAenderung a = EigenesSystemSpeichern(m_katalog, Paare(wz), 2, wz, 0, 45999.5 + i);
        QVERIFY2(a.ok, qPrintable(a.meldung));
    }
    aufbauen();
}

std::unique_ptr<SeiteEigeneSysteme> TstSeiteEigeneSysteme::seite()
{
    auto s = std::make_unique<SeiteEigeneSysteme>(m_katalog);
    s->resize(700, 600);
    s->show();
    s->ESYCheck();
    return s;
}

void TstSeiteEigeneSysteme::keinSystem()
{
    m_seite = seite();
    QCOMPARE(text("PAnzESys"), QString("0"));
    QVERIFY(!kind<QLabel>("PESYZustand")->isVisible());
    QVERIFY(!kind<QScrollBar>("ScrollEsys")->isEnabled());
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->value(), -1);
    QVERIFY(!kind<QPushButton>("BSysLoeschen")->isEnabled());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isEnabled());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isVisible());
    QVERIFY(!kind<QLabel>("LWarnung")->isVisible());
    for (const char *feld : {"PEsysWahl", "PZeit", "Pfn", "PRG", "PTR", "PWZ", "PGA"})
        QVERIFY2(text(feld).isEmpty(), feld);
    const QAbstractItemModel *g3 = kind<QTableView>("g3")->model();
    QCOMPARE(g3->rowCount(), 40);
    QCOMPARE(g3->columnCount(), 11);
    QCOMPARE(g3->headerData(0, Qt::Horizontal).toString(), QString("Reihe"));
    QCOMPARE(g3->headerData(10, Qt::Horizontal).toString(), QString("Z. 10"));
    QVERIFY(g3->data(g3->index(0, 0)).toString().isEmpty());
    QCOMPARE(kind<QListWidget>("l2")->count(), 0);
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstSeiteEigeneSysteme::einSystem()
{
    QVERIFY(EigenesSystemSpeichern(m_katalog, Dreierreihen, 3, 4, 2, 45999.0 + 85265.0 / 86400.0).ok);
    aufbauen();
    m_seite = seite();
    QCOMPARE(text("PAnzESys"), QString("1"));
    QCOMPARE(text("PESYZustand"), QString("Das System ist vollständig."));
    QCOMPARE(Textfarbe(kind<QLabel>("PESYZustand")), QColor(0, 128, 0));
    QVERIFY(kind<QLabel>("PESYZustand")->isVisible());
    QCOMPARE(text("PEsysWahl"), QString("1"));
    QCOMPARE(text("PZeit"), QString("08.12.2025 um 23:41:05"));
    QCOMPARE(text("Pfn"), QString("ESY1.csv"));
    QCOMPARE(Textfarbe(kind<QLabel>("Pfn")), QColor(0, 0, 0));
    QCOMPARE(text("PRG"), QString("3"));
    QCOMPARE(text("PWZ"), QString("4"));
    QCOMPARE(text("PTR"), QString("3"));
    QCOMPARE(text("PGA"), QString("2"));
    QVERIFY(kind<QPushButton>("BESYAnwenden")->isVisible());
    QVERIFY(kind<QPushButton>("BESYAnwenden")->isEnabled());
    QVERIFY(!kind<QLabel>("LWarnung")->isVisible());
    QVERIFY(kind<QScrollBar>("ScrollEsys")->isEnabled());
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->minimum(), -1);
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->maximum(), 0);

    const QAbstractItemModel *g3 = kind<QTableView>("g3")->model();
    QCOMPARE(g3->rowCount(), 3);
    const int erwartet[3][3] = {{1, 2, 3}, {1, 2, 4}, {1, 3, 4}};
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(g3->data(g3->index(r, 0)).toInt(), r + 1);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(g3->data(g3->index(r, c + 1)).toInt(), erwartet[r][c]);
        QVERIFY(g3->data(g3->index(r, 4)).toString().isEmpty());
    }
    // The same shape as catalogue entry 0.
    QCOMPARE(Zeilen(kind<QListWidget>("l2")).value(0), QString("Identisches System vorhanden"));

    // Position -1 empties the panels and the grid; l2 stays.
    const int zeilen = kind<QListWidget>("l2")->count();
    zeigen(-1);
    for (const char *feld : {"PEsysWahl", "PZeit", "Pfn", "PRG", "PTR", "PWZ", "PGA"})
        QVERIFY2(text(feld).isEmpty(), feld);
    QVERIFY(g3->data(g3->index(0, 1)).toString().isEmpty());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isVisible());
    QVERIFY(!kind<QLabel>("LWarnung")->isVisible());
    QCOMPARE(kind<QListWidget>("l2")->count(), zeilen);
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstSeiteEigeneSysteme::zustandszeile_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("fehlen"); // records whose row file goes before the start
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rot");
    QTest::newRow("zwei vollständig") << 2 << QList<int>{} << "Beide Systeme scheinen vollständig." << false;
    QTest::newRow("drei vollständig") << 3 << QList<int>{} << "Alle Systeme scheinen vollständig." << false;
    QTest::newRow("eins, unvollständig") << 1 << QList<int>{0} << "Das System ist unvollständig." << true;
    QTest::newRow("eins von zweien") << 2 << QList<int>{1} << "Eines der beiden Systeme ist unvollständig." << true;
    QTest::newRow("alle drei fehlen") << 3 << QList<int>{0, 1, 2} << "3 Systeme unvollständig." << true;
}

void TstSeiteEigeneSysteme::zustandszeile()
{
    QFETCH(int, n);
    QFETCH(QList<int>, fehlen);
    QFETCH(QString, text);
    QFETCH(bool, rot);
    speichern(n);
    for (int i : fehlen)
        QVERIFY(QFile::remove(datei(EsyReihendateiName(i + 1))));
    aufbauen();
    m_seite = seite();
    QCOMPARE(this->text("PAnzESys"), QString::number(n));
    QCOMPARE(this->text("PESYZustand"), text);
    QCOMPARE(Textfarbe(kind<QLabel>("PESYZustand")), rot ? QColor(255, 0, 0) : QColor(0, 128, 0));
    const bool ersterFehlt = fehlen.contains(0);
    QCOMPARE(kind<QLabel>("LWarnung")->isVisible(), ersterFehlt);
    QCOMPARE(kind<QPushButton>("BESYAnwenden")->isVisible(), !ersterFehlt);
}

void TstSeiteEigeneSysteme::dreiSystemeZweitesFehlt()
{
    speichern(3);
    QVERIFY(QFile::remove(datei("ESY2.csv")));
    aufbauen();
    m_seite = seite();
    QCOMPARE(text("PESYZustand"), QString("Ein System ist unvollständig."));
    QCOMPARE(Textfarbe(kind<QLabel>("PESYZustand")), QColor(255, 0, 0));

    zeigen(1);
    QCOMPARE(text("PEsysWahl"), QString("2"));
    QCOMPARE(text("Pfn"), QString("ESY2.csv"));
    QCOMPARE(Textfarbe(kind<QLabel>("Pfn")), QColor(255, 0, 0));
    QVERIFY(kind<QLabel>("LWarnung")->isVisible());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isVisible());
    const QAbstractItemModel *g3 = kind<QTableView>("g3")->model();
    QVERIFY(g3->data(g3->index(0, 1)).toString().isEmpty());
    QCOMPARE(text("PWZ"), QString("8")); // the record is shown, only its rows are missing

    QSignalSpy anwenden(m_seite.get(), &SeiteEigeneSysteme::systemAnwendenAngefordert);
    zeigen(2);
    QCOMPARE(Textfarbe(kind<QLabel>("Pfn")), QColor(0, 0, 0));
    QTest::mouseClick(kind<QPushButton>("BESYAnwenden"), Qt::LeftButton);
    QCOMPARE(anwenden.count(), 1);
    // The second own entry of the list is the one of the third record.
    const int index = anwenden.at(0).at(0).toInt();
    QCOMPARE(index, m_katalog.AnzahlStandardsysteme + 1);
    QCOMPARE(m_katalog.Systemliste[std::size_t(index)], m_katalog.Eigensystemliste[2].system());
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstSeiteEigeneSysteme::dateiVerschwindetVorDemAnwenden()
{
    speichern(3);
    m_seite = seite();
    QSignalSpy anwenden(m_seite.get(), &SeiteEigeneSysteme::systemAnwendenAngefordert);

    // Shown with its file, which goes before the click: nothing is applied, the page says why.
    zeigen(1);
    QVERIFY(kind<QPushButton>("BESYAnwenden")->isVisible());
    QVERIFY(QFile::remove(datei("ESY2.csv")));
    QTest::mouseClick(kind<QPushButton>("BESYAnwenden"), Qt::LeftButton);
    QCOMPARE(anwenden.count(), 0);
    QVERIFY(kind<QLabel>("LWarnung")->isVisible());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isVisible());
    QCOMPARE(Textfarbe(kind<QLabel>("Pfn")), QColor(255, 0, 0));

    // A file gone before the shown one does not shift it onto another system.
    QVERIFY(QFile::remove(datei("ESY1.csv")));
    zeigen(2);
    QTest::mouseClick(kind<QPushButton>("BESYAnwenden"), Qt::LeftButton);
    QCOMPARE(anwenden.count(), 1);
    const int index = anwenden.at(0).at(0).toInt();
    QCOMPARE(index, m_katalog.AnzahlStandardsysteme + 2);
    QCOMPARE(EigeneReihendatei(m_katalog, index, m_katalog.EigeneSystemeOrdner), datei("ESY3.csv"));
}

void TstSeiteEigeneSysteme::dateiKommtZurueck()
{
    speichern(3);
    const QByteArray inhalt = DateiLesen(datei("ESY2.csv"));
    QVERIFY(QFile::remove(datei("ESY2.csv")));
    aufbauen();
    m_seite = seite();
    DateiSchreiben(datei("ESY2.csv"), inhalt);

    QSignalSpy anwenden(m_seite.get(), &SeiteEigeneSysteme::systemAnwendenAngefordert);
    QSignalSpy liste(m_seite.get(), &SeiteEigeneSysteme::systemlisteGeaendert);
    zeigen(1);
    QVERIFY(kind<QPushButton>("BESYAnwenden")->isVisible());
    QTest::mouseClick(kind<QPushButton>("BESYAnwenden"), Qt::LeftButton);
    // The list takes the file in before the record is applied.
    QCOMPARE(liste.count(), 1);
    QCOMPARE(anwenden.count(), 1);
    const int index = anwenden.at(0).at(0).toInt();
    QCOMPARE(EigeneReihendatei(m_katalog, index, m_katalog.EigeneSystemeOrdner), datei("ESY2.csv"));
    QCOMPARE(m_katalog.FehlendeEigensysteme, 0);
    QCOMPARE(text("PESYZustand"), QString("Alle Systeme scheinen vollständig."));
}

void TstSeiteEigeneSysteme::kaputteReihendatei()
{
    speichern(2);
    DateiSchreiben(datei("ESY1.csv"), "1,2\r\n3,x\r\n5,6\r\n");
    m_seite = seite();
    const QAbstractItemModel *g3 = kind<QTableView>("g3")->model();
    QVERIFY(g3->data(g3->index(0, 1)).toString().isEmpty());
    QCOMPARE(m_meldungen->eintraege().size(), std::size_t(1));
    QCOMPARE(m_meldungen->eintraege()[0].art, Meldungen::Art::Fehler);
    const QString meldung = m_meldungen->eintraege()[0].text;
    QVERIFY2(meldung.contains("ESY1.csv") && meldung.contains("Zeile 2") && meldung.contains("\u201Ex\u201C"),
             qPrintable(meldung));

    // The next system is shown in full again.
    zeigen(1);
    QCOMPARE(g3->rowCount(), 4);
    QCOMPARE(g3->data(g3->index(3, 2)).toInt(), 8);
    QCOMPARE(m_meldungen->eintraege().size(), std::size_t(1));
}

void TstSeiteEigeneSysteme::unsichererName()
{
    // A record naming a file outside the folder: shown as missing, and deleting it leaves that file.
    const QString aussen = m_dir->filePath("x.csv");
    DateiSchreiben(aussen, "1,2\r\n");
    TEigSysteme e;
    e.RG = 2;
    e.WZ = 2;
    e.TR = 1;
    e.fn = "../x.csv";
    m_katalog.Eigensystemliste = {e};
    aufbauen();
    m_seite = seite();
    QCOMPARE(text("Pfn"), QString("../x.csv"));
    QCOMPARE(Textfarbe(kind<QLabel>("Pfn")), QColor(255, 0, 0));
    QVERIFY(kind<QLabel>("LWarnung")->isVisible());
    QCOMPARE(kind<QTableView>("g3")->model()->data(kind<QTableView>("g3")->model()->index(0, 1)).toString(), QString());
    QTest::mouseClick(kind<QPushButton>("BSysLoeschen"), Qt::LeftButton);
    QVERIFY(m_katalog.Eigensystemliste.empty());
    QVERIFY(QFile::exists(aussen));
    QCOMPARE(DateiLesen(aussen), QByteArray("1,2\r\n"));
}

void TstSeiteEigeneSysteme::einzigesSystemLoeschen()
{
    speichern(1);
    m_seite = seite();
    QSignalSpy liste(m_seite.get(), &SeiteEigeneSysteme::systemlisteGeaendert);
    QTest::mouseClick(kind<QPushButton>("BSysLoeschen"), Qt::LeftButton);
    QCOMPARE(liste.count(), 1);
    const QString index = QDir(m_katalog.EigeneSystemeOrdner).filePath(EsyIndexName);
    QVERIFY(QFileInfo(index).isFile());
    QCOMPARE(QFileInfo(index).size(), qint64(0));
    QVERIFY(!QFile::exists(datei("ESY1.csv")));
    QVERIFY(m_katalog.Eigensystemliste.empty());
    QCOMPARE(int(m_katalog.Systemliste.size()), m_katalog.AnzahlStandardsysteme);
    QCOMPARE(text("PAnzESys"), QString("0"));
    QVERIFY(!kind<QLabel>("PESYZustand")->isVisible());
    QVERIFY(!kind<QPushButton>("BSysLoeschen")->isEnabled());
    QVERIFY(!kind<QScrollBar>("ScrollEsys")->isEnabled());
    QVERIFY(text("Pfn").isEmpty());
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstSeiteEigeneSysteme::loeschenZeigtErstesWieder()
{
    speichern(3);
    QVERIFY(QFile::remove(datei("ESY3.csv")));
    aufbauen();
    m_seite = seite();
    zeigen(1);
    QTest::mouseClick(kind<QPushButton>("BSysLoeschen"), Qt::LeftButton);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 2);
    QCOMPARE(m_katalog.Eigensystemliste[1].fn, std::string("ESY3.csv"));
    QVERIFY(!QFile::exists(datei("ESY2.csv")));
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->value(), 0);
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->maximum(), 1);
    QCOMPARE(text("Pfn"), QString("ESY1.csv"));
    QCOMPARE(text("PESYZustand"), QString("Eines der beiden Systeme ist unvollständig."));
    QCOMPARE(int(m_katalog.Systemliste.size()), m_katalog.AnzahlStandardsysteme + 1);
}

void TstSeiteEigeneSysteme::loeschenScheitert()
{
    speichern(2);
    m_seite = seite();
    const QString index = QDir(m_katalog.EigeneSystemeOrdner).filePath(EsyIndexName);
    const QByteArray alt = DateiLesen(index);
    QVERIFY(QFile::setPermissions(index, QFile::ReadOwner));
    QSignalSpy liste(m_seite.get(), &SeiteEigeneSysteme::systemlisteGeaendert);
    zeigen(1);
    QTest::mouseClick(kind<QPushButton>("BSysLoeschen"), Qt::LeftButton);
    QFile::setPermissions(index, QFile::ReadOwner | QFile::WriteOwner);

    QCOMPARE(m_meldungen->eintraege().size(), std::size_t(1));
    QCOMPARE(m_meldungen->eintraege()[0].art, Meldungen::Art::Fehler);
    QVERIFY(m_meldungen->eintraege()[0].text.contains("Keine Schreibberechtigung."));
    QCOMPARE(liste.count(), 0);
    QCOMPARE(DateiLesen(index), alt);
    QVERIFY(QFile::exists(datei("ESY2.csv")));
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 2);
    QCOMPARE(text("PEsysWahl"), QString("2"));
    QCOMPARE(text("PAnzESys"), QString("2"));
    QCOMPARE(kind<QTableView>("g3")->model()->rowCount(), 4);
}

void TstSeiteEigeneSysteme::loeschenOhneGezeigtesSystem()
{
    speichern(2);
    m_seite = seite();
    m_seite->vergleichAnzeigen({{QStringLiteral("Identisches System vorhanden"), 0}});
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->value(), -1);
    QTest::mouseClick(kind<QPushButton>("BSysLoeschen"), Qt::LeftButton);
    QCOMPARE(int(m_katalog.Eigensystemliste.size()), 2);
    QVERIFY(QFile::exists(datei("ESY1.csv")));
    QVERIFY(m_meldungen->texte().isEmpty());
}

void TstSeiteEigeneSysteme::vergleichAnzeigenUndDoppelklick()
{
    QVERIFY(EigenesSystemSpeichern(m_katalog, Dreierreihen, 3, 4, 2, 1.0).ok);
    aufbauen();
    m_seite = seite();
    auto *l2 = kind<QListWidget>("l2");
    QSignalSpy gewaehlt(m_seite.get(), &SeiteEigeneSysteme::vergleichssystemGewaehlt);
    // As the mouse does it: the first press and release, then the double click.
    auto doppelklick = [&](int zeile) {
        const QPoint stelle = l2->visualItemRect(l2->item(zeile)).center();
        QTest::mouseClick(l2->viewport(), Qt::LeftButton, {}, stelle);
        QTest::mouseDClick(l2->viewport(), Qt::LeftButton, {}, stelle);
    };

    m_seite->vergleichAnzeigen({{QStringLiteral("Identisches System vorhanden"), 308},
                                {QStringLiteral("Anz. Wahlzahlen, Tippreihen etc. gleich, aber 6er Gar."), 770}});
    QCOMPARE(kind<QScrollBar>("ScrollEsys")->value(), -1);
    QVERIFY(text("PEsysWahl").isEmpty());
    QVERIFY(text("Pfn").isEmpty());
    QVERIFY(!kind<QPushButton>("BESYAnwenden")->isVisible());
    QCOMPARE(Zeilen(l2),
             (QStringList{"Identisches System vorhanden", "Anz. Wahlzahlen, Tippreihen etc. gleich, aber 6er Gar."}));
    doppelklick(1);
    QCOMPARE(gewaehlt.count(), 1);
    QCOMPARE(gewaehlt.at(0).at(0).toInt(), 770);

    // Browsing replaces the lines and their systems together.
    zeigen(0);
    QCOMPARE(l2->item(0)->text(), QString("Identisches System vorhanden"));
    doppelklick(0);
    QCOMPARE(gewaehlt.count(), 2);
    QCOMPARE(gewaehlt.at(1).at(0).toInt(), 0);
}

QTEST_MAIN(TstSeiteEigeneSysteme)
#include "tst_seiteeigenesysteme.moc"
