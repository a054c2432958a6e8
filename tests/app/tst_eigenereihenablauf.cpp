// Own rows inside the main window: the test from "Eigene Reihen", saving after the test, the
// comparable systems and applying the saved own system.
#include "dateidialoge.h"
#include "eigensystemdatei.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "start.h"
#include "tabellenaustausch.h"
#include "tfmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

class TstEigeneReihenAblauf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void testenUndBeschreiben();
    void speichernTestetZuerst();
    void suchenFindetVergleichbare();
    void abgelehnteReihenWerdenNichtGespeichert();
    void tabelleHinUndZurueck();

private:
    std::unique_ptr<TFMain> starten();
    template<class T = QWidget>
    T *finde(const char *name)
    {
        T *w = m_fenster->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("%s fehlt", name);
        return w;
    }
    void klick(const char *name) { finde<QAbstractButton>(name)->click(); }

    QString m_basis;
    std::unique_ptr<KbwZustand> m_zustand;
    std::unique_ptr<TFMain> m_fenster;
    MeldungenAttrappe m_meldungen;
};

namespace {
const char *Fano = "1,2,3\n1,4,5\n1,6,7\n2,4,6\n2,5,7\n3,4,7\n3,5,6";
}

void TstEigeneReihenAblauf::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("Kombiwerk-EigeneReihenAblauf");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void TstEigeneReihenAblauf::init()
{
    m_fenster.reset();
    QDir(m_basis).removeRecursively();
    m_meldungen.leeren();
    m_zustand = std::make_unique<KbwZustand>();
    TFStart start(*m_zustand);
    m_fenster = std::make_unique<TFMain>(*m_zustand, start.datenordner());
    m_fenster->show();
}

void TstEigeneReihenAblauf::testenUndBeschreiben()
{
    m_fenster->PC1()->setCurrentIndex(3);
    finde<QPlainTextEdit>("M1")->setPlainText(Fano);
    klick("BEigReihenTesten");
    // The test shows itself on "Systemtest".
    QCOMPARE(m_fenster->PC1()->currentIndex(), 4);
    QTRY_VERIFY(m_zustand->EigeneReihenGetestet);
    QCOMPARE(finde<QLabel>("PGarantie")->text(), QStringLiteral("2"));
    QCOMPARE(finde<QLabel>("LKombiAnz")->text(), QStringLiteral("392"));
    QCOMPARE(finde<QLabel>("LBeschreibung2")->text(),
             QStringLiteral("\"Eigenes System\" für 7 Wahlzahlen in 7 Tippreihen à 3 Zahlen mit 2er Garantie."));
    QVERIFY(finde<QPushButton>("BFehlt")->isEnabled());
    // A change of the memo forgets the test.
    finde<QPlainTextEdit>("M1")->appendPlainText("4,5,6");
    QVERIFY(!m_zustand->EigeneReihenGetestet);
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstEigeneReihenAblauf::speichernTestetZuerst()
{
    m_fenster->PC1()->setCurrentIndex(3);
    finde<QPlainTextEdit>("M1")->setPlainText("1,2,3,10\n1,4,5,10\n1,6,7,10\n2,4,6,10\n2,5,7,10\n3,4,7,10\n3,5,6,10");
    klick("EigSysSave");
    // Untested rows are tested on "Systemtest" first, then saved back on "Eigene Reihen".
    QCOMPARE(m_fenster->PC1()->currentIndex(), 4);
    const QString ordner = m_basis + "/EigeneSysteme";
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ordner + "/ESY1.csv"), 10000);
    QCOMPARE(m_fenster->PC1()->currentIndex(), 3);
    QCOMPARE(finde<QPushButton>("EigSysSave")->text(), QStringLiteral("System gespeichert"));
    QCOMPARE(finde<QLabel>("LDatei")->text(), QStringLiteral("ESY1.csv"));
    QFile reihen(ordner + "/ESY1.csv");
    QVERIFY(reihen.open(QIODevice::ReadOnly));
    QCOMPARE(reihen.readAll(), QByteArray("1,2,3\r\n1,4,5\r\n1,6,7\r\n2,4,6\r\n2,5,7\r\n3,4,7\r\n3,5,6\r\n"));
    QCOMPARE(QFileInfo(ordner + "/" + EsyIndexName).size(), qint64(EsyDatensatzGroesse));
    // The banker 10 is not saved: RG 3 of WZ 7, guarantee 2.
    QCOMPARE(finde<QLabel>("PAnzESys")->text(), QStringLiteral("1"));
    QCOMPARE(finde<QLabel>("PRG")->text(), QStringLiteral("3"));
    QCOMPARE(finde<QLabel>("PWZ")->text(), QStringLiteral("7"));
    QCOMPARE(finde<QLabel>("PGA")->text(), QStringLiteral("2"));
    QTRY_COMPARE(finde<QPushButton>("EigSysSave")->text(), QStringLiteral("Als System speichern"));

    // Saving the tested rows again takes the next name at once.
    klick("EigSysSave");
    QVERIFY(QFile::exists(ordner + "/ESY2.csv"));
    QCOMPARE(QFileInfo(ordner + "/" + EsyIndexName).size(), qint64(2 * EsyDatensatzGroesse));
    QVERIFY(m_meldungen.texte().isEmpty());

    // The new own system is offered and can be applied.
    finde<QPushButton>("BESYAnwenden")->click();
    QCOMPARE(m_fenster->PC1()->currentIndex(), 1);
    QCOMPARE(m_zustand->Systemindex, m_zustand->AnzahlStandardsysteme);
}

void TstEigeneReihenAblauf::suchenFindetVergleichbare()
{
    // The seven rows have the shape of a catalogue system (7 numbers, 7 rows of 3, 2 hits).
    m_fenster->PC1()->setCurrentIndex(3);
    finde<QPlainTextEdit>("M1")->setPlainText(Fano);
    klick("BSuchen");
    QTRY_VERIFY_WITH_TIMEOUT(finde<QPushButton>("BVSAnzeigen")->isEnabled(), 10000);
    QCOMPARE(m_fenster->PC1()->currentIndex(), 3);
    QVERIFY(finde<QLabel>("LVS")->text().toInt() >= 1);
    klick("BVSAnzeigen");
    QCOMPARE(m_fenster->PC1()->currentIndex(), 5);
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstEigeneReihenAblauf::abgelehnteReihenWerdenNichtGespeichert()
{
    m_fenster->PC1()->setCurrentIndex(3);
    klick("EigSysSave");
    QCOMPARE(m_meldungen.texte(),
             QStringList{"Es gibt keine Tippreihen, die abgespeichert werden könnten.\n\nIch breche erst einmal ab."});
    m_meldungen.leeren();
    finde<QPlainTextEdit>("M1")->setPlainText("1,2,3\n4,5,6");
    klick("EigSysSave");
    QCOMPARE(m_meldungen.texte(),
             QStringList{"Mit diesen Tippreihen macht ein Systemtest keinen Sinn.\n\nIch breche ab."});
    QCOMPARE(m_fenster->PC1()->currentIndex(), 3);
    QVERIFY(!QFile::exists(m_basis + "/EigeneSysteme/ESY1.csv"));
}

void TstEigeneReihenAblauf::tabelleHinUndZurueck()
{
    // Exported own rows come back through the import as the same rows, each ascending.
    TabellenprogrammAttrappe programm;
    DateidialogAttrappe dialoge;
    m_fenster->PC1()->setCurrentIndex(3);
    finde<QPlainTextEdit>("M1")->setPlainText("40,3,22\n1,2,5");
    klick("BExcelExport");
    QCOMPARE(programm.geoeffnet.size(), 1);
    QVERIFY(m_meldungen.texte().isEmpty());
    m_meldungen.antworten(Meldungen::Antwort::Ja);
    dialoge.antworten(programm.geoeffnet.front());
    klick("bsSkinSpeedButton15");
    QCOMPARE(finde<QPlainTextEdit>("M1")->toPlainText(), QStringLiteral("3,22,40\n1,2,5"));
    QCOMPARE(finde<QLabel>("LDatei")->text(), QFileInfo(programm.geoeffnet.front()).fileName());

    // Nothing to export: the message, and no file.
    klick("BMemoClear");
    m_meldungen.leeren();
    klick("BExcelExport");
    QCOMPARE(m_meldungen.texte(), QStringList{KeineTippreihenZumExportText()});
    QCOMPARE(programm.geoeffnet.size(), 1);
}

QTEST_MAIN(TstEigeneReihenAblauf)
#include "tst_eigenereihenablauf.moc"
