#include "../dateihilfen.h"
#include "../kleinerdatentraeger.h"
#include "dateidialoge.h"
#include "meldungen.h"
#include "tabellenaustausch.h"
#include "tabellendatei.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstTabellenaustausch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void keineReihen_data();
    void keineReihen();
    void keinTabellenprogramm();
    void tippreihenNeueDateiJeExport();
    void eigeneReihenAufsteigend();
    void oeffnenMisslingt();
    void vollerDatentraeger();
    void importAbgebrochen();
    void importUnlesbar();
    void importGelesen();

private:
    QStringList dateien() const { return QDir(m_ordner.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_ordner;
    MeldungenAttrappe m_meldungen;
};

void TstTabellenaustausch::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstTabellenaustausch::init()
{
    m_meldungen.leeren();
    for (const QString &d : dateien())
        QFile::remove(m_ordner.filePath(d));
}

void TstTabellenaustausch::keineReihen_data()
{
    QTest::addColumn<std::vector<std::vector<int>>>("reihen");
    QTest::newRow("keine Zeile") << std::vector<std::vector<int>>{};
    // "Verteilung anzeigen" leaves the grid with empty rows.
    QTest::newRow("leere Zeilen") << std::vector<std::vector<int>>(5);
}

void TstTabellenaustausch::keineReihen()
{
    QFETCH(std::vector<std::vector<int>>, reihen);
    TabellenprogrammAttrappe programm;
    QVERIFY(!TippreihenTabelleExportieren(nullptr, reihen, {"Reihe"}, m_ordner.path()));
    QVERIFY(!EigeneReihenTabelleExportieren(nullptr, reihen, m_ordner.path()));
    const QString text = "Es gibt keine Tippreihen, die exportiert werden könnten.\n\nIch breche erst einmal ab.";
    QCOMPARE(m_meldungen.texte(), (QStringList{text, text}));
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Information);
    QVERIFY(dateien().isEmpty());
    QVERIFY(programm.geoeffnet.isEmpty());
}

void TstTabellenaustausch::keinTabellenprogramm()
{
    TabellenprogrammAttrappe programm(false);
    QVERIFY(!TippreihenTabelleExportieren(nullptr, {{1, 2, 3, 4}}, {}, m_ordner.path()));
    QVERIFY(!EigeneReihenTabelleExportieren(nullptr, {{1, 2, 3, 4}}, m_ordner.path()));
    const QString text =
        "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\n\nIch breche ab.";
    QCOMPARE(m_meldungen.texte(), (QStringList{text, text}));
    QCOMPARE(m_meldungen.eintraege().back().art, Meldungen::Art::Information);
    QVERIFY(dateien().isEmpty());
}

void TstTabellenaustausch::tippreihenNeueDateiJeExport()
{
    TabellenprogrammAttrappe programm;
    QVERIFY(TippreihenTabelleExportieren(nullptr, {{3, 8, 15, 22, 31, 40}}, {}, m_ordner.path()));
    QVERIFY(TippreihenTabelleExportieren(nullptr, {{1, 2, 3, 4, 5, 6}}, {"Reihe", "  Z. 1"}, m_ordner.path()));
    QVERIFY(m_meldungen.texte().isEmpty());
    const QString erste = m_ordner.filePath("Tippreihen 1.xlsx");
    const QString zweite = m_ordner.filePath("Tippreihen 2.xlsx");
    QCOMPARE(programm.geoeffnet, (QStringList{erste, zweite}));
    QCOMPARE(dateien(), (QStringList{"Tippreihen 1.xlsx", "Tippreihen 2.xlsx"}));
    // The first export is still what it was.
    QCOMPARE(TabelleLesen(erste, QLocale()).zeilen, QStringList{"3,8,15,22,31,40"});
    QCOMPARE(TabelleLesen(zweite, QLocale()).zeilen.first(), QString("Reihe,  Z. 1,,,,,"));
}

void TstTabellenaustausch::eigeneReihenAufsteigend()
{
    TabellenprogrammAttrappe programm;
    QVERIFY(EigeneReihenTabelleExportieren(nullptr, {{40, 3, 22}}, m_ordner.path()));
    const QString pfad = m_ordner.filePath("Eigene Reihen 1.xlsx");
    QCOMPARE(programm.geoeffnet, QStringList{pfad});
    QCOMPARE(TabelleLesen(pfad, QLocale()).zeilen, QStringList{"3,22,40"});
}

void TstTabellenaustausch::oeffnenMisslingt()
{
    TabellenprogrammAttrappe programm;
    programm.oeffnenGelingt = false;
    QVERIFY(!TippreihenTabelleExportieren(nullptr, {{1, 2, 3, 4}}, {}, m_ordner.path()));
    QCOMPARE(m_meldungen.texte().size(), 1);
    QVERIFY(m_meldungen.texte().front().contains(QDir::toNativeSeparators(m_ordner.filePath("Tippreihen 1.xlsx"))));
    QCOMPARE(dateien(), QStringList{"Tippreihen 1.xlsx"}); // the workbook stays for the user
}

void TstTabellenaustausch::vollerDatentraeger()
{
    KLEINER_DATENTRAEGER(platte, 64);
    platte.fuellen();
    TabellenprogrammAttrappe programm;
    QVERIFY(!TippreihenTabelleExportieren(nullptr, {{1, 2, 3, 4}}, {}, platte.pfad()));
    QCOMPARE(m_meldungen.texte().size(), 1);
    QVERIFY2(m_meldungen.texte().front().contains("Datenträger ist voll"), qPrintable(m_meldungen.texte().front()));
    QVERIFY(!QFile::exists(QDir(platte.pfad()).filePath("Tippreihen 1.xlsx")));
    QVERIFY(programm.geoeffnet.isEmpty());
}

void TstTabellenaustausch::importAbgebrochen()
{
    DateidialogAttrappe dialog;
    dialog.antworten(QString());
    QVERIFY(!EigeneReihenTabelleImportieren(nullptr, m_ordner.path()));
    QCOMPARE(dialog.titel(), QStringList{"Excel-Tabelle importieren"});
    QCOMPARE(dialog.ordner(), QStringList{m_ordner.path()});
    QVERIFY(m_meldungen.texte().isEmpty());
}

void TstTabellenaustausch::importUnlesbar()
{
    const QString pfad = m_ordner.filePath("Reihen.xls");
    DateiSchreiben(pfad, "3,8,15\r\n");
    DateidialogAttrappe dialog;
    dialog.antworten(pfad);
    QVERIFY(!EigeneReihenTabelleImportieren(nullptr, m_ordner.path()));
    QCOMPARE(m_meldungen.texte().size(), 1);
    QVERIFY(m_meldungen.texte().front().startsWith("Die Datei „Reihen.xls“ kann ich nicht importieren. Die Datei ist "
                                                   "keine Excel-Tabelle"));
    QVERIFY(m_meldungen.texte().front().endsWith("\n\nIch breche ab."));
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Fehler);
}

void TstTabellenaustausch::importGelesen()
{
    const QString pfad = m_ordner.filePath("Meine Reihen.xlsx");
    DateiSchreiben(pfad, EigeneReihenArbeitsmappe({{40, 3, 22}, {1, 2, 3}}).inhalt);
    DateidialogAttrappe dialog;
    dialog.antworten(pfad);
    const auto gelesen = EigeneReihenTabelleImportieren(nullptr, m_ordner.path());
    QVERIFY(gelesen);
    QCOMPARE(gelesen->zeilen, (QStringList{"3,22,40", "1,2,3"}));
    QCOMPARE(gelesen->dateiname, QString("Meine Reihen.xlsx"));
    QVERIFY(m_meldungen.texte().isEmpty());
}

QTEST_MAIN(TstTabellenaustausch)
#include "tst_tabellenaustausch.moc"
