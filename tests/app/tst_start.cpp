#include "eigensystemdatei.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "start.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class TstStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void ersterStart();
    void eigeneSystemeZaehlenMit();
    void kaputterIndexWirdGemeldet();
    void abgeschnittenerIndexBleibtUnberuehrt();
    void abgeschnittenerIndexZaehltNutzbare();
    void riesigerIndexWirdNichtGeladen();

private:
    QString m_basis;
};

void TstStart::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName("Kombiwerk");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_basis = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(m_basis.endsWith("/Kombiwerk"));
}

void TstStart::init()
{
    QDir(m_basis).removeRecursively();
}

void TstStart::ersterStart()
{
    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(start.windowTitle(), QString("Kombiwerk 1.8.2.0"));
    QVERIFY(QFileInfo(m_basis + "/EigeneSysteme").isDir());
    QVERIFY(QFileInfo(m_basis + "/shots").isDir());
    QCOMPARE(start.datenordner().eigeneSysteme, m_basis + "/EigeneSysteme");
    QVERIFY(z.Eigensystemliste.empty());
    QCOMPARE(int(z.Systemliste.size()), 788);

    auto *label = start.findChild<QLabel *>("LSysAnz");
    QVERIFY(label);
    QCOMPARE(label->text(), QString("   2.952 Systeme inside   "));
    QVERIFY(meldungen.texte().isEmpty());

    auto *weiter = start.findChild<QPushButton *>("BWeiter");
    QVERIFY(weiter);
    QCOMPARE(weiter->text(), QString("Weiter"));
    QVERIFY(!weiter->isEnabled());
    start.setInitializationDone(true);
    QVERIFY(weiter->isEnabled());
}

void TstStart::eigeneSystemeZaehlenMit()
{
    const QString ordner = m_basis + "/EigeneSysteme";
    QVERIFY(QDir().mkpath(ordner));
    TEigSysteme a{.RG = 3, .WZ = 10, .GA = 2, .TR = 20, .fn = "ESY1.csv"};
    TEigSysteme b = a;
    b.fn = "ESY2.csv"; // its row file is missing
    QVERIFY(EsyIndexSchreiben(QDir(ordner).filePath(EsyIndexName), {a, b}).ok());
    QVERIFY(EsyReihenSchreiben(QDir(ordner).filePath("ESY1.csv"), {{1, 2, 3}}).ok());

    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(int(z.Eigensystemliste.size()), 2);
    QCOMPARE(int(z.Systemliste.size()), 789);
    QCOMPARE(z.FehlendeEigensysteme, 1);
    // RG 3 counts for the tip-row sizes 4, 5, 6 and 7.
    QCOMPARE(start.findChild<QLabel *>("LSysAnz")->text(), QString("   2.956 Systeme inside   "));
}

void TstStart::kaputterIndexWirdGemeldet()
{
    // A folder where the index should be: it cannot be read.
    QVERIFY(QDir().mkpath(m_basis + "/EigeneSysteme/" + EsyIndexName));
    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Fehler);
    QVERIFY(!meldungen.texte()[0].isEmpty());
    QVERIFY(meldungen.texte()[0].contains(EsyIndexName));
    QCOMPARE(int(z.Systemliste.size()), 788); // the built-in systems stay available
    QVERIFY(z.Eigensystemliste.empty());
}

void TstStart::abgeschnittenerIndexBleibtUnberuehrt()
{
    const QString ordner = m_basis + "/EigeneSysteme";
    QVERIFY(QDir().mkpath(ordner));
    TEigSysteme a{.RG = 3, .WZ = 10, .GA = 2, .TR = 20, .fn = "ESY1.csv"};
    const QString pfad = QDir(ordner).filePath(EsyIndexName);
    QVERIFY(EsyIndexSchreiben(pfad, {a, a}).ok());
    QVERIFY(EsyReihenSchreiben(QDir(ordner).filePath("ESY1.csv"), {{1, 2, 3}}).ok());
    {
        QFile f(pfad);
        QVERIFY(f.resize(EsyDatensatzGroesse * 2 - 100)); // the second record is cut off
    }
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();

    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(meldungen.eintraege()[0].art, Meldungen::Art::Fehler);
    QVERIFY(meldungen.texte()[0].contains("unvollständig"));
    QCOMPARE(int(z.Eigensystemliste.size()), 1);
    QCOMPARE(int(z.Systemliste.size()), 789);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), vorher);
}

void TstStart::abgeschnittenerIndexZaehltNutzbare()
{
    // Three whole records, of which only the first and the third have their row file, and a
    // cut-off fourth: two own systems are really there to choose.
    const QString ordner = m_basis + "/EigeneSysteme";
    QVERIFY(QDir().mkpath(ordner));
    TEigSysteme a{.RG = 3, .WZ = 10, .GA = 2, .TR = 20, .fn = "ESY1.csv"};
    TEigSysteme b = a, c = a;
    b.fn = "ESY2.csv";
    c.fn = "ESY3.csv";
    const QString pfad = QDir(ordner).filePath(EsyIndexName);
    QVERIFY(EsyIndexSchreiben(pfad, {a, b, c, a}).ok());
    QVERIFY(EsyReihenSchreiben(QDir(ordner).filePath("ESY1.csv"), {{1, 2, 3}}).ok());
    QVERIFY(EsyReihenSchreiben(QDir(ordner).filePath("ESY3.csv"), {{1, 2, 3}}).ok());
    QVERIFY(QFile(pfad).resize(EsyDatensatzGroesse * 4 - 1));

    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(meldungen.texte().size(), qsizetype(1));
    QVERIFY2(meldungen.texte()[0].contains("Die übrigen 2 eigenen Systeme"), qPrintable(meldungen.texte()[0]));
    QCOMPARE(int(z.Systemliste.size()) - z.AnzahlStandardsysteme, 2);
}

void TstStart::riesigerIndexWirdNichtGeladen()
{
    const QString ordner = m_basis + "/EigeneSysteme";
    QVERIFY(QDir().mkpath(ordner));
    const QString pfad = QDir(ordner).filePath(EsyIndexName);
    const qint64 groesse = qint64(EsyIndexHoechstzahl + 1) * EsyDatensatzGroesse;
    {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(groesse)); // sparse, so the test stays small on disk
    }

    MeldungenAttrappe meldungen;
    KbwZustand z;
    TFStart start(z);
    QCOMPARE(meldungen.texte().size(), qsizetype(1));
    QVERIFY2(meldungen.texte()[0].contains("höchstens 100.000"), qPrintable(meldungen.texte()[0]));
    QVERIFY(z.Eigensystemliste.empty());
    QCOMPARE(int(z.Systemliste.size()), 788);
    QCOMPARE(QFileInfo(pfad).size(), groesse);
}

QTEST_MAIN(TstStart)
#include "tst_start.moc"
