// The main window's wiring of the spreadsheet export and of the copy-and-paste tool.

#include "ankreuzfeld.h"
#include "fenster.h"
#include "inidatei.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "start.h"
#include "tabellenaustausch.h"
#include "tabellendatei.h"
#include "tfmain.h"
#include "zwischen.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TstTabellenverbindung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void excelExportDerTippreihen();
    void mitWirdGespeichert();
    void zwischenablageWerkzeug();

private:
    std::unique_ptr<TFMain> fensterOeffnen()
    {
        auto fenster = std::make_unique<TFMain>(m_zustand, m_ordner);
        fenster->show();
        return fenster;
    }
    QString einstellungsdatei() const { return m_ordner.basis + "/Einstellungen.ini"; }

    KbwZustand m_zustand;
    Datenordner m_ordner;
    MeldungenAttrappe m_meldungen;
};

void TstTabellenverbindung::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // A data folder of its own: the main-window tests of app/ run at the same time.
    QCoreApplication::setApplicationName("Kombiwerk-Tabellenverbindung");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    TFStart start(m_zustand);
    m_ordner = start.datenordner();
}

void TstTabellenverbindung::init()
{
    QFile::remove(einstellungsdatei());
    m_meldungen.leeren();
    for (const QString &d : QDir(m_ordner.basis).entryList({"*.xlsx"}, QDir::Files))
        QFile::remove(QDir(m_ordner.basis).filePath(d));
}

void TstTabellenverbindung::excelExportDerTippreihen()
{
    auto fenster = fensterOeffnen();
    m_zustand.Tippreihen = {{1, 5, 9, 40}, {1, 5, 17, 40}, {1, 9, 17, 40}};
    fenster->PC1()->setCurrentIndex(2); // the page shows the rows when it comes into view
    TabellenprogrammAttrappe programm;
    QTest::mouseClick(fenster->findChild<QPushButton *>("BExcel"), Qt::LeftButton);
    fenster->findChild<Ankreuzfeld *>("cbMit")->setzen(true);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BExcel"), Qt::LeftButton);
    QVERIFY2(m_meldungen.texte().isEmpty(), qPrintable(m_meldungen.texte().join('|')));

    const QString ohne = QDir(m_ordner.basis).filePath("Tippreihen 1.xlsx");
    const QString mit = QDir(m_ordner.basis).filePath("Tippreihen 2.xlsx");
    QCOMPARE(programm.geoeffnet, (QStringList{ohne, mit}));
    QCOMPARE(TabelleLesen(ohne, QLocale()).zeilen, (QStringList{"1,5,9,40", "1,5,17,40", "1,9,17,40"}));
    QCOMPARE(TabelleLesen(mit, QLocale()).zeilen,
             (QStringList{"Reihe,  Z. 1,  Z. 2,  Z. 3,  Z. 4", "1,1,5,9,40", "2,1,5,17,40", "3,1,9,17,40"}));

    // Without rows: the message, no file.
    m_zustand.Tippreihen.clear();
    fenster->PC1()->setCurrentIndex(1);
    fenster->PC1()->setCurrentIndex(2);
    QTest::mouseClick(fenster->findChild<QPushButton *>("BExcel"), Qt::LeftButton);
    QCOMPARE(m_meldungen.texte(), QStringList{KeineTippreihenZumExportText()});
    QCOMPARE(programm.geoeffnet.size(), 2);
    fenster->close();
}

void TstTabellenverbindung::mitWirdGespeichert()
{
    {
        auto fenster = fensterOeffnen();
        auto *mit = fenster->findChild<Ankreuzfeld *>("cbMit");
        QVERIFY(mit->isEnabled());
        QVERIFY(!mit->isChecked());
        mit->setzen(true);
        fenster->close();
    }
    Inidatei datei;
    QCOMPARE(datei.laden(einstellungsdatei()), Inidatei::Ladestatus::Gelesen);
    QCOMPARE(datei.wert("Excel-Export", "Mit"), QString("1"));
    auto fenster = fensterOeffnen();
    QVERIFY(fenster->findChild<Ankreuzfeld *>("cbMit")->isChecked());
    fenster->close();
}

void TstTabellenverbindung::zwischenablageWerkzeug()
{
    auto fenster = fensterOeffnen();
    auto *knopf = fenster->findChild<QPushButton *>("BZwischen");
    QVERIFY(knopf->isEnabled());
    QVERIFY(!FormularVorhanden("FZwischen"));
    fenster->PC1()->setCurrentIndex(1);
    QTest::mouseClick(knopf, Qt::LeftButton);
    auto *werkzeug = qobject_cast<TFZwischen *>(FormularSuchen("FZwischen"));
    QVERIFY(werkzeug);
    QVERIFY(werkzeug->isVisible());
    QCOMPARE(werkzeug->windowTitle(), QString("Kombiwerk"));
    // Centred over the main window.
    QVERIFY(qAbs(werkzeug->geometry().center().x() - fenster->frameGeometry().center().x()) < 40);

    werkzeug->findChild<QPlainTextEdit *>("M1")->setPlainText("5 9 17");
    QTest::mouseClick(werkzeug->findChild<QPushButton *>("BAuslesen"), Qt::LeftButton);
    QTest::mouseClick(werkzeug->findChild<QPushButton *>("BTransfer"), Qt::LeftButton);
    QTRY_VERIFY(!werkzeug->transferLaeuft());
    QVERIFY(m_meldungen.texte().isEmpty());
    QCOMPARE(m_zustand.PoolAnzahl, 3);
    for (int n : {5, 9, 17}) {
        QVERIFY(m_zustand.Poolmenge.enthaelt(n));
        QCOMPARE(fenster->findChild<QPushButton *>(QString("lot%1").arg(n))->property("art").toByteArray(),
                 QByteArray("pool"));
    }

    // Hidden and shown again: the same window with its content.
    werkzeug->close();
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(FormularSuchen("FZwischen"), werkzeug);
    QVERIFY(werkzeug->isVisible());
    QCOMPARE(werkzeug->findChild<QPlainTextEdit *>("M1")->toPlainText(), QString("5 9 17"));
    fenster->close();
}

QTEST_MAIN(TstTabellenverbindung)
#include "tst_tabellenverbindung.moc"
