#include "../dateihilfen.h"
#include "tabellendatei.h"
#include "tabellenprogramm.h"
#include "tabellenvorlagen.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>
#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Vorlagen;

namespace {

// A workbook written by libxlsxwriter, as a spreadsheet program would save it.
QByteArray Xlsx(const std::function<void(lxw_workbook *)> &fuellen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("vorlage.xlsx");
    lxw_workbook *mappe = workbook_new(QFile::encodeName(pfad).constData());
    fuellen(mappe);
    if (workbook_close(mappe) != LXW_NO_ERROR)
        qFatal("workbook not written");
    return DateiLesen(pfad);
}

QByteArray XlsxZeilen(const QList<QList<double>> &zeilen)
{
    return Xlsx([&](lxw_workbook *m) {
        lxw_worksheet *b = workbook_add_worksheet(m, nullptr);
        for (qsizetype r = 0; r < zeilen.size(); ++r) {
            for (qsizetype c = 0; c < zeilen[r].size(); ++c)
                worksheet_write_number(b, lxw_row_t(r), lxw_col_t(c), zeilen[r][c], nullptr);
        }
    });
}

// A part of an .xlsx file, for the requests that reading back does not show.
QString Teil(const QByteArray &xlsx, const char *name)
{
    orcus::zip_archive_stream_blob blob(reinterpret_cast<const uint8_t *>(xlsx.constData()), std::size_t(xlsx.size()));
    orcus::zip_archive archiv(&blob);
    archiv.load();
    std::vector<unsigned char> puffer;
    if (!archiv.read_file_entry(name, puffer))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(puffer.data()), qsizetype(puffer.size()));
}

QStringList Lesen(const QByteArray &inhalt)
{
    const Tabellenlesung l = TabelleAusInhalt(inhalt, QLocale());
    if (!l.ok())
        qWarning("%s", qPrintable(l.fehler));
    return l.zeilen;
}

const std::vector<std::vector<int>> Zwei = {{3, 8, 15, 22, 31, 40}, {1, 2, 3, 4, 5, 6}};

QStringList Titel(int spalten)
{
    QStringList t{"Reihe"};
    for (int i = 1; i <= spalten; ++i)
        t.append(QStringLiteral("  Z. %1").arg(i));
    return t;
}

} // namespace

class TstTabellendatei : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tippreihenOhneTitel();
    void tippreihenMitTiteln();
    void tippreihenBlattBreitenAusrichtung();
    void eigeneReihenAufsteigend();
    void einlesen_data();
    void einlesen();
    void abgelehnt_data();
    void abgelehnt();
    void dateiBleibtUnberuehrt();
    void zuGrosseDatei();
    void zahltext_data();
    void zahltext();
    void freierExportpfad();
    void tabellenprogramm_data();
    void tabellenprogramm();
    void wieLibreOfficeEsLiest();
};

void TstTabellendatei::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstTabellendatei::tippreihenOhneTitel()
{
    const Arbeitsmappe m = TippreihenArbeitsmappe(Zwei, {});
    QVERIFY2(m.ok(), qPrintable(m.fehler));
    // A1 holds the first number of the first row.
    QCOMPARE(Lesen(m.inhalt), (QStringList{"3,8,15,22,31,40", "1,2,3,4,5,6"}));
}

void TstTabellendatei::tippreihenMitTiteln()
{
    const Arbeitsmappe m = TippreihenArbeitsmappe(Zwei, Titel(6));
    QVERIFY2(m.ok(), qPrintable(m.fehler));
    QCOMPARE(Lesen(m.inhalt),
             (QStringList{"Reihe,  Z. 1,  Z. 2,  Z. 3,  Z. 4,  Z. 5,  Z. 6", "1,3,8,15,22,31,40", "2,1,2,3,4,5,6"}));
}

void TstTabellendatei::tippreihenBlattBreitenAusrichtung()
{
    const Arbeitsmappe m = TippreihenArbeitsmappe(Zwei, Titel(6));
    QVERIFY(m.ok());
    const QString mappe = Teil(m.inhalt, "xl/workbook.xml");
    QCOMPARE(mappe.count("<sheet "), 1);
    QVERIFY(mappe.contains(R"(<sheet name="Tippreihen")"));

    // Row 1, columns A..J, carry a right-aligned format, also where they are empty; K1 does not.
    const QString blatt = Teil(m.inhalt, "xl/worksheets/sheet1.xml");
    const QString formate = Teil(m.inhalt, "xl/styles.xml");
    const QRegularExpression xfs(R"(<cellXfs[^>]*>(.*)</cellXfs>)");
    const QStringList xf = xfs.match(formate).captured(1).split("<xf ", Qt::SkipEmptyParts);
    for (char spalte = 'A'; spalte <= 'K'; ++spalte) {
        const auto treffer =
            QRegularExpression(QStringLiteral("<c r=\"") + QChar(spalte) + R"x(1"(?: s="(\d+)")?)x").match(blatt);
        const int s = treffer.captured(1).isEmpty() ? 0 : treffer.captured(1).toInt();
        const bool rechts = s < xf.size() && xf[s].contains(R"(horizontal="right")");
        QVERIFY2(rechts == (spalte <= 'J'), qPrintable(QString("Spalte %1").arg(spalte)));
    }
    // Widths follow the contents: "  Z. 1" needs more room than the row numbers, both less
    // than a default column.
    QMap<int, double> breite;
    const QRegularExpression spalten(R"x(<col min="(\d+)" max="(\d+)" width="([\d.]+)")x");
    for (auto it = spalten.globalMatch(blatt); it.hasNext();) {
        const auto s = it.next();
        for (int c = s.captured(1).toInt(); c <= s.captured(2).toInt(); ++c)
            breite[c] = s.captured(3).toDouble();
    }
    QCOMPARE(breite.size(), 7);
    QVERIFY(breite[1] > 4.0 && breite[1] < 8.43); // "Reihe"
    QVERIFY(breite[2] > breite[1]); // "  Z. 1"
    QVERIFY(breite[7] == breite[2]);
}

void TstTabellendatei::eigeneReihenAufsteigend()
{
    const Arbeitsmappe m = EigeneReihenArbeitsmappe({{40, 3, 22}, {9, 1, 5}});
    QVERIFY2(m.ok(), qPrintable(m.fehler));
    QCOMPARE(Lesen(m.inhalt), (QStringList{"3,22,40", "1,5,9"}));
    // As numbers, not as texts.
    QVERIFY(!Teil(m.inhalt, "xl/worksheets/sheet1.xml").contains(R"(t="s")"));
}

void TstTabellendatei::einlesen_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<QStringList>("zeilen");

    const QStringList sechs{"3,8,15,22,31,40", "1,2,3,4,5,6"};
    QTest::newRow("xlsx, sechs Zahlen je Zeile") << XlsxZeilen({{3, 8, 15, 22, 31, 40}, {1, 2, 3, 4, 5, 6}}) << sechs;
    QTest::newRow("xlsx, leere Zelle") << Xlsx([](lxw_workbook *m) {
        lxw_worksheet *b = workbook_add_worksheet(m, nullptr);
        worksheet_write_number(b, 0, 0, 3, nullptr);
        worksheet_write_number(b, 0, 2, 15, nullptr);
        worksheet_write_number(b, 1, 0, 1, nullptr);
        worksheet_write_number(b, 1, 1, 2, nullptr);
        worksheet_write_number(b, 1, 2, 3, nullptr);
    }) << QStringList{"3,,15", "1,2,3"};
    QTest::newRow("xlsx, Zahlen, Texte, Formel") << Xlsx([](lxw_workbook *m) {
        lxw_worksheet *b = workbook_add_worksheet(m, nullptr);
        worksheet_write_number(b, 0, 0, 7, nullptr);
        worksheet_write_number(b, 0, 1, 2.5, nullptr);
        worksheet_write_number(b, 0, 2, 1234567, nullptr);
        worksheet_write_string(b, 0, 3, "Zählung", nullptr);
        worksheet_write_formula_num(b, 0, 4, "=A1-3", nullptr, 4);
    }) << QStringList{"7,2,5,1234567,Zählung,4"};
    QTest::newRow("xlsx, Block ab A1") << Xlsx([](lxw_workbook *m) {
        lxw_worksheet *b = workbook_add_worksheet(m, nullptr);
        worksheet_write_number(b, 1, 1, 5, nullptr);
    }) << QStringList{",", ",5"};
    QTest::newRow("xlsx, nur das erste Blatt") << Xlsx([](lxw_workbook *m) {
        worksheet_write_number(workbook_add_worksheet(m, "Erstes"), 0, 0, 11, nullptr);
        lxw_worksheet *zweites = workbook_add_worksheet(m, "Zweites");
        worksheet_write_number(zweites, 0, 0, 22, nullptr);
        worksheet_write_number(zweites, 5, 5, 33, nullptr);
    }) << QStringList{"11"};

    QTest::newRow("ods, sechs Zahlen je Zeile")
        << Ods({{OdsZeile({OdsZahl("3"), OdsZahl("8"), OdsZahl("15"), OdsZahl("22"), OdsZahl("31"), OdsZahl("40")}),
                 OdsZeile({OdsZahl("1"), OdsZahl("2"), OdsZahl("3"), OdsZahl("4"), OdsZahl("5"), OdsZahl("6")})}})
        << sechs;
    QTest::newRow("ods, leere Zellen, Text, zweites Blatt")
        << Ods({{OdsZeile({OdsZahl("3"), OdsLeer(), OdsZahl("15")}),
                 OdsZeile({OdsZahl("2.5"), OdsText("x"), OdsZahl("1"),
                           "<table:table-cell table:number-columns-repeated=\"3\"/>", OdsZahl("9")})},
                {OdsZeile({OdsZahl("99")})}})
        << QStringList{"3,,15,,,,", "2,5,x,1,,,,9"};
    QTest::newRow("ods, Formel") << Ods(
        {{OdsZeile({OdsZahl("4"), OdsZahl("5")}),
          OdsZeile({"<table:table-cell table:formula=\"of:=[.A1]+1\" office:value-type=\"float\" "
                    "office:value=\"5\"><text:p>5</text:p></table:table-cell>"})}})
                                 << QStringList{"4,5", "5,"};

    QTest::newRow("xls, sechs Zahlen je Zeile")
        << Verbund(Biff8({{"3", "8", "15", "22", "31", "40"}, {"1", "2", "3", "4", "5", "6"}})) << sechs;
    QTest::newRow("xls, leere Zelle und Text")
        << Verbund(Biff8({{"3", "", "15"}, {"Summe", "2.5", "7"}})) << QStringList{"3,,15", "Summe,2,5,7"};
    QTest::newRow("xls, kleiner Strom im Ministrom")
        << Verbund(Biff8({{"3", "17", "22"}}), QStringLiteral("Workbook"), false) << QStringList{"3,17,22"};
}

void TstTabellendatei::einlesen()
{
    QFETCH(QByteArray, datei);
    QFETCH(QStringList, zeilen);
    const Tabellenlesung l = TabelleAusInhalt(datei, QLocale());
    QVERIFY2(l.ok(), qPrintable(l.fehler));
    QCOMPARE(l.zeilen, zeilen);
}

void TstTabellendatei::abgelehnt_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<QString>("grund");

    const QString format = "keine Excel-Tabelle";
    const QString kaputt = "beschädigt";
    const QString gross = "zu groß";
    const QString kennwort = "Kennwort";
    QTest::newRow("Textdatei") << QByteArray("1,2,3\r\n4,5,6\r\n") << format;
    QTest::newRow("leere Datei") << QByteArray() << format;
    const QByteArray gut = XlsxZeilen({{1, 2, 3}});
    QTest::newRow("abgeschnittenes xlsx") << gut.left(gut.size() / 2) << kaputt;
    QTest::newRow("zip ohne Tabelle") << Zip({{"hallo.txt", "hallo"}}) << kaputt;
    QTest::newRow("leeres Blatt") << Xlsx([](lxw_workbook *m) { workbook_add_worksheet(m, nullptr); })
                                  << QString("keine Werte");
    QTest::newRow("Zeile hinter der Grenze") << Xlsx([](lxw_workbook *m) {
        worksheet_write_number(workbook_add_worksheet(m, nullptr), TabelleHoechstZeilen, 0, 1, nullptr);
    }) << gross;
    QTest::newRow("Spalte hinter ZZ") << Xlsx([](lxw_workbook *m) {
        worksheet_write_number(workbook_add_worksheet(m, nullptr), 0, TabelleHoechstSpalten, 1, nullptr);
    }) << gross;
    QTest::newRow("Block über der Zellgrenze") << Xlsx([](lxw_workbook *m) {
        lxw_worksheet *b = workbook_add_worksheet(m, nullptr);
        worksheet_write_number(b, 0, 700, 1, nullptr);
        worksheet_write_number(b, 5000, 0, 1, nullptr);
    }) << gross;
    QByteArray bombe = gut;
    ZipGroesseBehaupten(bombe, "xl/worksheets/sheet1.xml", 200u * 1024 * 1024);
    QTest::newRow("zip verspricht 200 MB") << bombe << gross;
    QTest::newRow("ods, Wert 100000-mal wiederholt")
        << Ods({{OdsZeile({"<table:table-cell table:number-columns-repeated=\"100000\" office:value-type=\"float\" "
                           "office:value=\"1\"/>"})}})
        << gross;
    XlsOptionen riesig;
    riesig.dimension = std::pair{std::uint32_t(1000000), std::uint16_t(200)};
    QTest::newRow("xls kündigt eine Million Zeilen an") << Verbund(Biff8({{"1", "2"}}, riesig)) << gross;
    XlsOptionen geschuetzt;
    geschuetzt.kennwort = true;
    QTest::newRow("xls mit Kennwort") << Verbund(Biff8({{"1", "2"}}, geschuetzt)) << kennwort;
    QTest::newRow("verschlüsseltes xlsx") << Verbund(QByteArray(5000, 'x'), "EncryptedPackage") << kennwort;
    QTest::newRow("Verbunddatei ohne Arbeitsmappe") << Verbund(QByteArray(5000, 'x'), "Daten") << kaputt;
    QByteArray ringkette = Verbund(Biff8({{"1", "2"}}));
    Setze32(ringkette, 512 + 4 * 3, 2); // the stream's chain runs back to its start
    QTest::newRow("xls mit Kettenring") << ringkette << kaputt;
}

void TstTabellendatei::abgelehnt()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, grund);
    const Tabellenlesung l = TabelleAusInhalt(datei, QLocale());
    QVERIFY(!l.ok());
    QVERIFY(l.zeilen.isEmpty());
    QVERIFY2(l.fehler.contains(grund), qPrintable(l.fehler));
}

void TstTabellendatei::dateiBleibtUnberuehrt()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Reihen.xlsx");
    const QByteArray inhalt = XlsxZeilen({{5, 6, 7}});
    DateiSchreiben(pfad, inhalt);
    QFile::setPermissions(pfad, QFile::ReadOwner); // a read-only file is read all the same
    const QDateTime vorher = QFileInfo(pfad).lastModified();
    const Tabellenlesung l = TabelleLesen(pfad, QLocale());
    QVERIFY2(l.ok(), qPrintable(l.fehler));
    QCOMPARE(l.zeilen, QStringList{"5,6,7"});
    QCOMPARE(DateiLesen(pfad), inhalt);
    QCOMPARE(QFileInfo(pfad).lastModified(), vorher);
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Reihen.xlsx"});

    QVERIFY(TabelleLesen(ordner.filePath("fehlt.xlsx"), QLocale()).fehler.contains("gibt es nicht"));
}

void TstTabellendatei::zuGrosseDatei()
{
    QTemporaryDir ordner;
    QFile f(ordner.filePath("gross.xlsx"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(TabelleHoechstBytes + 1)); // sparse: no disk space needed
    f.close();
    QVERIFY(TabelleLesen(f.fileName(), QLocale()).fehler.contains("zu groß"));
}

void TstTabellendatei::zahltext_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("deutsch");
    QTest::addColumn<QString>("englisch");
    QTest::newRow("ganz") << 7.0 << "7"
                          << "7";
    QTest::newRow("Bruch") << 2.5 << "2,5"
                           << "2.5";
    QTest::newRow("negativ") << -3.0 << "-3"
                             << "-3";
    QTest::newRow("ohne Tausenderpunkte") << 1234567.0 << "1234567"
                                          << "1234567";
    QTest::newRow("Rundungsrest") << 0.1 + 0.2 << "0,3"
                                  << "0.3";
}

void TstTabellendatei::zahltext()
{
    QFETCH(double, wert);
    QFETCH(QString, deutsch);
    QFETCH(QString, englisch);
    const QByteArray mappe = XlsxZeilen({{wert}});
    QCOMPARE(TabelleAusInhalt(mappe, QLocale(QLocale::German, QLocale::Germany)).zeilen, QStringList{deutsch});
    QCOMPARE(TabelleAusInhalt(mappe, QLocale(QLocale::English, QLocale::UnitedStates)).zeilen, QStringList{englisch});
}

void TstTabellendatei::freierExportpfad()
{
    QTemporaryDir ordner;
    QCOMPARE(FreierExportpfad(ordner.path(), "Tippreihen"), ordner.filePath("Tippreihen 1.xlsx"));
    DateiSchreiben(ordner.filePath("Tippreihen 1.xlsx"), "a");
    DateiSchreiben(ordner.filePath("Tippreihen 2.xlsx"), "b");
    DateiSchreiben(ordner.filePath("Eigene Reihen 1.xlsx"), "c");
    QCOMPARE(FreierExportpfad(ordner.path(), "Tippreihen"), ordner.filePath("Tippreihen 3.xlsx"));
    QCOMPARE(FreierExportpfad(ordner.path(), "Eigene Reihen"), ordner.filePath("Eigene Reihen 2.xlsx"));
    QFile::remove(ordner.filePath("Tippreihen 1.xlsx"));
    QCOMPARE(FreierExportpfad(ordner.path(), "Tippreihen"), ordner.filePath("Tippreihen 1.xlsx"));
}

void TstTabellendatei::tabellenprogramm_data()
{
    QTest::addColumn<QString>("datei"); // relative to the data or config folder
    QTest::addColumn<QString>("inhalt");
    QTest::addColumn<bool>("vorhanden");

    const QString typ = QLatin1String(XlsxMimetyp);
    const QString rechner = "[Desktop Entry]\nType=Application\nName=Rechnen\nExec=rechnen %f\n";
    QTest::newRow("nichts") << QString() << QString() << false;
    QTest::newRow("Eintrag mit dem Typ") << "daten/applications/rechnen.desktop"
                                         << rechner + "MimeType=text/csv;" + typ + ";\n"
                                         << true;
    QTest::newRow("Eintrag in Unterordner")
        << "daten/applications/buero/rechnen.desktop" << rechner + "MimeType=" + typ + "\n"
        << true;
    QTest::newRow("Eintrag ohne den Typ")
        << "daten/applications/rechnen.desktop" << rechner + "MimeType=text/csv;application/vnd.ms-excel;\n"
        << false;
    QTest::newRow("verborgener Eintrag") << "daten/applications/rechnen.desktop"
                                         << rechner + "Hidden=true\nMimeType=" + typ + ";\n"
                                         << false;
    QTest::newRow("Typ in anderer Gruppe")
        << "daten/applications/rechnen.desktop" << rechner + "[Desktop Action neu]\nMimeType=" + typ + ";\n"
        << false;
    QTest::newRow("Zuordnung zu vorhandenem Eintrag") << "konfig/mimeapps.list"
                                                      << "[Added Associations]\n" + typ + "=textprogramm.desktop;\n"
                                                      << true;
    QTest::newRow("Zuordnung zu fehlendem Eintrag") << "konfig/mimeapps.list"
                                                    << "[Default Applications]\n" + typ + "=fehlt.desktop\n"
                                                    << false;
    QTest::newRow("entfernte Zuordnung") << "konfig/mimeapps.list"
                                         << "[Removed Associations]\n" + typ + "=textprogramm.desktop;\n"
                                         << false;
    QTest::newRow("Zwischenspeicher") << "daten/applications/mimeinfo.cache"
                                      << "[MIME Cache]\n" + typ + "=textprogramm.desktop;\n"
                                      << true;
}

void TstTabellendatei::tabellenprogramm()
{
    QFETCH(QString, datei);
    QFETCH(QString, inhalt);
    QFETCH(bool, vorhanden);
    QTemporaryDir wurzel;
    QDir(wurzel.path()).mkpath("daten/applications");
    QDir(wurzel.path()).mkpath("konfig");
    // An application that opens other types only.
    DateiSchreiben(wurzel.filePath("daten/applications/textprogramm.desktop"),
                   "[Desktop Entry]\nType=Application\nName=Text\nMimeType=text/plain;\n");
    if (!datei.isEmpty()) {
        QDir(wurzel.path()).mkpath(QFileInfo(wurzel.filePath(datei)).path());
        DateiSchreiben(wurzel.filePath(datei), inhalt.toUtf8());
    }
    QCOMPARE(TabellenprogrammVorhanden({wurzel.filePath("daten")}, {wurzel.filePath("konfig")}), vorhanden);
}

void TstTabellendatei::wieLibreOfficeEsLiest()
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) ist nicht installiert: Vergleich mit einem Tabellenprogramm übersprungen. "
              "Installation: apt-get install -y --no-install-recommends libreoffice-calc-nogui");
    QTemporaryDir ordner;
    const std::vector<std::vector<int>> reihen = {{3, 8, 15, 22, 31, 40}, {1, 2, 3, 4, 5, 49}, {7, 9, 11, 13, 17, 19}};
    const QString mit = ordner.filePath("mit.xlsx");
    const QString ohne = ordner.filePath("ohne.xlsx");
    DateiSchreiben(mit, TippreihenArbeitsmappe(reihen, Titel(6)).inhalt);
    DateiSchreiben(ohne, TippreihenArbeitsmappe(reihen, {}).inhalt);
    QProcess lo;
    lo.start(soffice,
             {"--headless", "-env:UserInstallation=" + QUrl::fromLocalFile(ordner.filePath("profil")).toString(),
              "--convert-to", "csv", "--outdir", ordner.filePath("csv"), mit, ohne});
    QVERIFY(lo.waitForFinished(120000));
    QCOMPARE(lo.exitCode(), 0);

    // Empty but formatted cells of row 1 may reach the text as trailing empty fields.
    const auto zellen = [&](const QString &name) {
        QStringList zeilen;
        for (QString z :
             QString::fromUtf8(DateiLesen(ordner.filePath("csv/" + name))).split('\n', Qt::SkipEmptyParts)) {
            z.remove('\r');
            while (z.endsWith(','))
                z.chop(1);
            zeilen.append(z.remove('"'));
        }
        return zeilen;
    };
    QCOMPARE(zellen("mit.csv"),
             (QStringList{"Reihe,  Z. 1,  Z. 2,  Z. 3,  Z. 4,  Z. 5,  Z. 6", "1,3,8,15,22,31,40", "2,1,2,3,4,5,49",
                          "3,7,9,11,13,17,19"}));
    QCOMPARE(zellen("ohne.csv"), (QStringList{"3,8,15,22,31,40", "1,2,3,4,5,49", "7,9,11,13,17,19"}));
}

QTEST_APPLESS_MAIN(TstTabellendatei)
#include "tst_tabellendatei.moc"
