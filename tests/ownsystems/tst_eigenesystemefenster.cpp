// The page "Eigene Systeme verwalten" inside the main window: start-up, applying, the
// comparable systems and a deletion that leaves a chosen own system behind.
#include "eigenesysteme.h"
#include "eigensystemdatei.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "seiteeigenesysteme.h"
#include "start.h"
#include "tfmain.h"

#include "tests/dateihilfen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
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

// As the mouse does it: the first press and release, then the double click.
void Doppelklick(QListWidget *l, int zeile)
{
    const QPoint stelle = l->visualItemRect(l->item(zeile)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, stelle);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, stelle);
}

} // namespace

class TstEigeneSystemeFenster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void beimStartGezeigt();
    void seitePasstInsFenster();
    void systemAnwenden();
    void vergleichssystemPerDoppelklick();
    void loeschenNimmtEigeneWahlZurueck();
    void loeschenLaesstKatalogwahl();
    void unlesbaresVerzeichnisSperrtSpeichern();

private:
    // Starts as the program does: the start window reads the folder, then the main window comes.
    std::unique_ptr<TFMain> starten();
    QString ordner() const { return m_basis + "/EigeneSysteme"; }

    QString m_basis;
    std::unique_ptr<KbwZustand> m_zustand;
    MeldungenAttrappe m_meldungen;
};

void TstEigeneSystemeFenster::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // A data folder of its own: the other window tests clear theirs while this one may run.
    QCoreApplication::setApplicationName("Kombiwerk-EigeneSystemeFenster");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void TstEigeneSystemeFenster::init()
{
    QDir(m_basis).removeRecursively();
    QVERIFY(QDir().mkpath(ordner()));
    m_meldungen.leeren();
    // Two own systems: the shape of catalogue entry 0 (3 of 4, guarantee 2, 3 rows), and 2 of 6.
    KatalogZustand k;
    k.EigeneSystemeOrdner = ordner();
    QVERIFY(EigenesSystemSpeichern(k, {Reihe({1, 2, 3}), Reihe({1, 2, 4}), Reihe({1, 3, 4})}, 3, 4, 2, 1.0).ok);
    QVERIFY(EigenesSystemSpeichern(k, {Reihe({1, 2}), Reihe({3, 4}), Reihe({5, 6})}, 2, 6, 0, 2.0).ok);
}

std::unique_ptr<TFMain> TstEigeneSystemeFenster::starten()
{
    m_zustand = std::make_unique<KbwZustand>();
    TFStart start(*m_zustand);
    auto fenster = std::make_unique<TFMain>(*m_zustand, start.datenordner());
    fenster->show();
    return fenster;
}

void TstEigeneSystemeFenster::beimStartGezeigt()
{
    auto fenster = starten();
    QCOMPARE(fenster->findChild<QLabel *>("PAnzESys")->text(), QString("2"));
    QCOMPARE(fenster->findChild<QLabel *>("PEsysWahl")->text(), QString("1"));
    QCOMPARE(fenster->findChild<QLabel *>("Pfn")->text(), QString("ESY1.csv"));
    QCOMPARE(fenster->findChild<QLabel *>("PESYZustand")->text(), QString("Beide Systeme scheinen vollständig."));
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstEigeneSystemeFenster::seitePasstInsFenster()
{
    // A page wider than the window would push every page's right edge out of view.
    auto fenster = starten();
    fenster->PC1()->setCurrentIndex(5);
    QWidget *seite = fenster->PC1()->widget(5);
    QVERIFY2(seite->minimumSizeHint().width() <= fenster->PC1()->contentsRect().width(),
             qPrintable(QString::number(seite->minimumSizeHint().width())));
    QVERIFY(fenster->rollbereich()->widget()->width() <= fenster->rollbereich()->viewport()->width());
}

void TstEigeneSystemeFenster::systemAnwenden()
{
    auto fenster = starten();
    fenster->PC1()->setCurrentIndex(5);
    fenster->findChild<QScrollBar *>("ScrollEsys")->setValue(1);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BESYAnwenden"), Qt::LeftButton);
    QCOMPARE(fenster->PC1()->currentIndex(), 1);
    QCOMPARE(m_zustand->Systemindex, m_zustand->AnzahlStandardsysteme + 1);
    QCOMPARE(m_zustand->PoolSoll, 6);
    QCOMPARE(fenster->findChild<QLabel *>("LBeschreibung")->text(),
             QString("\"Eigenes System\" für 6 Wahlzahlen in 3 Tippreihen à 2 Zahlen ohne Garantie."));
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstEigeneSystemeFenster::vergleichssystemPerDoppelklick()
{
    auto fenster = starten();
    fenster->PC1()->setCurrentIndex(5);
    auto *l2 = fenster->findChild<QListWidget *>("l2");
    QCOMPARE(l2->item(0)->text(), QString("Identisches System vorhanden"));
    Doppelklick(l2, 0);
    QCOMPARE(fenster->PC1()->currentIndex(), 1);
    QCOMPARE(m_zustand->Systemindex, 0);
    QVERIFY(fenster->findChild<QLabel *>("LBeschreibung")->text().startsWith("Gewählt wurde ein System für 4 "));
}

void TstEigeneSystemeFenster::loeschenNimmtEigeneWahlZurueck()
{
    auto fenster = starten();
    fenster->PC1()->setCurrentIndex(5);
    fenster->findChild<QScrollBar *>("ScrollEsys")->setValue(1);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BESYAnwenden"), Qt::LeftButton);
    QCOMPARE(m_zustand->Systemindex, m_zustand->AnzahlStandardsysteme + 1);

    // Deleting the first moves the second onto the index the choice holds: the choice goes.
    fenster->PC1()->setCurrentIndex(5);
    fenster->findChild<QScrollBar *>("ScrollEsys")->setValue(0);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BSysLoeschen"), Qt::LeftButton);
    QCOMPARE(int(m_zustand->Eigensystemliste.size()), 1);
    QCOMPARE(m_zustand->Systemindex, -1);
    QVERIFY(fenster->findChild<QLabel *>("LBeschreibung")->text().isEmpty());
    QVERIFY(fenster->findChild<QLabel *>("PPool")->text().isEmpty());
    QCOMPARE(fenster->findChild<QLabel *>("PAnzESys")->text(), QString("1"));
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstEigeneSystemeFenster::loeschenLaesstKatalogwahl()
{
    auto fenster = starten();
    fenster->PC1()->setCurrentIndex(5);
    auto *l2 = fenster->findChild<QListWidget *>("l2");
    Doppelklick(l2, 0);
    QCOMPARE(m_zustand->Systemindex, 0);
    const QString beschreibung = fenster->findChild<QLabel *>("LBeschreibung")->text();

    fenster->PC1()->setCurrentIndex(5);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BSysLoeschen"), Qt::LeftButton);
    QCOMPARE(int(m_zustand->Eigensystemliste.size()), 1);
    QCOMPARE(m_zustand->Systemindex, 0);
    QCOMPARE(fenster->findChild<QLabel *>("LBeschreibung")->text(), beschreibung);
}

void TstEigeneSystemeFenster::unlesbaresVerzeichnisSperrtSpeichern()
{
    // A folder in place of the index: it cannot be read, so it must not be replaced by a save.
    QDir(m_basis).removeRecursively();
    QVERIFY(QDir().mkpath(ordner() + "/" + EsyIndexName));
    auto fenster = starten();
    QVERIFY(m_zustand->EigensystemeGesperrt);
    QCOMPARE(m_meldungen.eintraege().size(), std::size_t(1));
    const EsyAenderung a = EigenesSystemSpeichern(*m_zustand, {Reihe({1, 2})}, 2, 2, 0, 1.0);
    QVERIFY(!a.ok);
    QVERIFY(QFileInfo(ordner() + "/" + EsyIndexName).isDir());
    QVERIFY(!QFile::exists(ordner() + "/ESY1.csv"));
    QCOMPARE(fenster->findChild<QLabel *>("PAnzESys")->text(), QString("0"));
}

QTEST_MAIN(TstEigeneSystemeFenster)
#include "tst_eigenesystemefenster.moc"
