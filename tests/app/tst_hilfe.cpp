#include "hilfeaufruf.h"
#include "hilfeeinrichten.h"
#include "hilfefenster.h"
#include "hilfesammlung.h"
#include "meldungen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TstHilfe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themenImErzeugtenBuch_data();
    void themenImErzeugtenBuch();
    void veralteteKopieWirdErsetzt();
    void fehlendeSammlungTutNichts();
    void fensterZeigtThemaUndSuche();
    void volltextsucheFindetWort_data();
    void volltextsucheFindetWort();

private:
    QTemporaryDir m_kopien;
};

void TstHilfe::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Kombiwerk"));
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    QVERIFY(Hilfesammlung(QStringLiteral(KBW_HILFE_ORDNER)).vorhanden());
}

void TstHilfe::themenImErzeugtenBuch_data()
{
    QTest::addColumn<int>("thema");
    QTest::addColumn<QString>("ueberschrift"); // empty: the topic must not resolve

    QTest::newRow("1010") << 1010 << "Kombiwerk und sein Hauptfenster";
    QTest::newRow("1040") << 1040 << "Systemwahl";
    QTest::newRow("1050") << 1050 << "Zahlenwahl";
    QTest::newRow("1060") << 1060 << "Tippreihen";
    QTest::newRow("1070") << 1070 << "Eigene Reihen";
    QTest::newRow("1090") << 1090 << "Systemtest";
    QTest::newRow("1100") << 1100 << "Eigene Systeme verwalten";
    QTest::newRow("1140") << 1140 << "Systemtest Pro";
    QTest::newRow("keine 1080") << 1080 << QString();
    QTest::newRow("Seite außerhalb") << 0 << QString();
}

void TstHilfe::themenImErzeugtenBuch()
{
    QFETCH(int, thema);
    QFETCH(QString, ueberschrift);

    const QString kopie = Hilfesammlung(QStringLiteral(KBW_HILFE_ORDNER)).arbeitskopieBereitstellen(m_kopien.path());
    QVERIFY(!kopie.isEmpty());
    QHelpEngineCore engine(kopie);
    QVERIFY(engine.setupData());

    const QUrl url = HilfethemaUrl(engine, thema);
    if (ueberschrift.isEmpty()) {
        QVERIFY2(url.isEmpty(), qPrintable(url.toString()));
        return;
    }
    QVERIFY(url.isValid());
    const QString html = QString::fromUtf8(engine.fileData(url));
    const QRegularExpression h1(QStringLiteral("<h1>([^<]*)</h1>"));
    QCOMPARE(h1.match(html).captured(1), ueberschrift);
}

void TstHilfe::veralteteKopieWirdErsetzt()
{
    QTemporaryDir ziel;
    const Hilfesammlung sammlung(QStringLiteral(KBW_HILFE_ORDNER));
    QVERIFY(!sammlung.arbeitskopieBereitstellen(ziel.path()).isEmpty());

    // What an older program version or a broken copy leaves behind.
    for (const QString &name : {QStringLiteral("KBW.qch"), QStringLiteral("KBW.qhc")}) {
        QFile f(QDir(ziel.path()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("alt");
    }

    const QString kopie = sammlung.arbeitskopieBereitstellen(ziel.path());
    QVERIFY(!kopie.isEmpty());
    QHelpEngineCore engine(kopie);
    QVERIFY(engine.setupData());
    QVERIFY(HilfethemaUrl(engine, 1040).isValid());
}

void TstHilfe::fehlendeSammlungTutNichts()
{
    QTemporaryDir leer;
    MeldungenAttrappe meldungen;
    HilfeEinrichten(leer.path());

    Hilfe::Hilfethema(1040);
    Hilfe::Hilfesuche();

    QVERIFY(!OffenesHilfefenster());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(meldungen.eintraege().empty());
}

void TstHilfe::fensterZeigtThemaUndSuche()
{
    HilfeEinrichten(QStringLiteral(KBW_HILFE_ORDNER));

    Hilfe::Hilfethema(1040);
    Hilfefenster *fenster = OffenesHilfefenster();
    QVERIFY(fenster);
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Kombiwerk - Hilfe"));
    QCOMPARE(fenster->aktuelleSeite().fileName(), QStringLiteral("systemwahl.html"));
    // The engine writes its index, so it must not work in the program folder.
    QVERIFY(!fenster->engine()->collectionFile().startsWith(QStringLiteral(KBW_HILFE_ORDNER)));

    Hilfe::Hilfethema(4711);
    QCOMPARE(OffenesHilfefenster(), fenster);
    QCOMPARE(fenster->aktuelleSeite().fileName(), QStringLiteral("programm.html"));

    auto *anfrage = fenster->engine()->searchEngine()->queryWidget();
    anfrage->setSearchInput(QStringLiteral("alt"));
    Hilfe::Hilfesuche();
    QCOMPARE(OffenesHilfefenster(), fenster);
    auto *reiter = fenster->findChild<QTabWidget *>(QStringLiteral("Reiter"));
    QVERIFY(reiter);
    QCOMPARE(reiter->currentWidget()->objectName(), QStringLiteral("Suche"));
    QVERIFY(anfrage->searchInput().isEmpty());
    QTRY_VERIFY(anfrage->isAncestorOf(QApplication::focusWidget()));
}

void TstHilfe::volltextsucheFindetWort_data()
{
    QTest::addColumn<QString>("wort");
    QTest::addColumn<QString>("seite");

    QTest::newRow("Bruchteil") << "Bruchteil"
                               << "begriffe.html";
    QTest::newRow("Umlaut") << "Häkchen"
                            << "systemwahl.html";
}

void TstHilfe::volltextsucheFindetWort()
{
    QFETCH(QString, wort);
    QFETCH(QString, seite);

    HilfeEinrichten(QStringLiteral(KBW_HILFE_ORDNER));
    Hilfe::Hilfesuche();
    Hilfefenster *fenster = OffenesHilfefenster();
    QVERIFY(fenster);
    QHelpSearchEngine *suche = fenster->engine()->searchEngine();
    QSignalSpy fertig(suche, &QHelpSearchEngine::searchingFinished);

    // As typed by the user; the window holds the query back until the index is built.
    suche->queryWidget()->setSearchInput(wort);
    emit suche->queryWidget()->search();
    QTRY_VERIFY_WITH_TIMEOUT(!fertig.isEmpty(), 60000);

    QStringList gefunden;
    for (const QHelpSearchResult &r : suche->searchResults(0, suche->searchResultCount()))
        gefunden << r.url().fileName();
    QVERIFY2(gefunden.contains(seite), qPrintable(gefunden.join(QLatin1Char(' '))));
}

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"
