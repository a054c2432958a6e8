// The core of the tools: the version file, the exact binomial coefficient and its digits,
// the JPEG encoder, and the clean-up after an update (which files it may touch, and the
// script itself, run for real).

#include "../dateihilfen.h"
#include "aufraeumen.h"
#include "binomial.h"
#include "jpegkodierer.h"
#include "testserver.h"
#include "versionsdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <unistd.h>

Q_DECLARE_METATYPE(VersionsdateiFehler)
Q_DECLARE_METATYPE(NueberKPruefung)

namespace {

QString Dezimal(unsigned __int128 v)
{
    QString s;
    do {
        s.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    } while (v);
    return s;
}

// The JPEG's frame type from its segments (not from a byte search: entropy data may hold
// any byte pair): 0xC0 baseline, 0xC2 progressive.
int Rahmenart(const QByteArray &jpeg)
{
    const auto *d = reinterpret_cast<const unsigned char *>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return -1;
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (d[i] != 0xFF)
            return -1;
        const int marke = d[i + 1];
        if (marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC)
            return marke;
        i += 2 + ((d[i + 2] << 8) | d[i + 3]);
    }
    return -1;
}

struct Rgb
{
    int breite = 0;
    int hoehe = 0;
    std::vector<unsigned char> daten;
};

// Decoded with the library's own reader, independent of the encoder's code.
Rgb Dekodieren(const QByteArray &jpeg)
{
    Rgb bild;
    jpeg_decompress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(jpeg.constData()), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    bild.breite = int(info.output_width);
    bild.hoehe = int(info.output_height);
    bild.daten.resize(std::size_t(bild.breite) * bild.hoehe * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild.daten.data() + std::size_t(info.output_scanline) * bild.breite * 3;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bild;
}

// A picture with detail (stripes and noise), so the quality matters; rows carry padding.
struct Testbild
{
    int breite, hoehe;
    std::ptrdiff_t abstand;
    std::vector<unsigned char> daten;

    Testbild(int b, int h, int polster) : breite(b), hoehe(h), abstand(3 * b + polster)
    {
        daten.assign(std::size_t(abstand) * h, 0xEE); // the padding must not show
        QRandomGenerator zufall(7);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < b; ++x) {
                unsigned char *p = &daten[std::size_t(y * abstand + 3 * x)];
                p[0] = (x / 8) % 2 ? 220 : 30;
                p[1] = static_cast<unsigned char>((y * 255) / h);
                p[2] = static_cast<unsigned char>(zufall.bounded(256));
            }
    }
    JpegBild bild() const { return {daten.data(), breite, hoehe, abstand}; }
};

} // namespace

class TstWerkzeugkern : public QObject
{
    Q_OBJECT

private slots:
    void versionsdatei_data();
    void versionsdatei();
    void nueberk_data();
    void nueberk();
    void nueberkAlleWerteExakt();
    void trennerWieQLocale_data();
    void trennerWieQLocale();
    void trennerUeber64Bit();
    void jpegProgressivUndQualitaet();
    void jpegZeilenMitPolster();
    void jpegOhneBild();
    void systemordner_data();
    void systemordner();
    void aufraeumenPruefen();
    void ordnerEntfernbar_data();
    void ordnerEntfernbar();
    void skriptWartetAufDasProgrammsende_data();
    void skriptWartetAufDasProgrammsende();
    void skriptGibtNachDerWartezeitAuf();
    void skriptAnlegen();
};

void TstWerkzeugkern::versionsdatei_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<VersionsdateiFehler>("fehler");
    QTest::addColumn<QString>("version");
    const auto ok = VersionsdateiFehler::Keiner;
    QTest::newRow("ein Satz") << Versionssatz("1.8.2.0") << ok << "1.8.2.0";
    QTest::newRow("der letzte zählt") << Versionssatz("1.9.0.0") + Versionssatz("1.7.0.0") + Versionssatz("2.0.1.3")
                                      << ok << "2.0.1.3";
    QTest::newRow("leerer Text") << Versionssatz("") << ok << "";
    QTest::newRow("15 Zeichen") << Versionssatz("123456789012345") << ok << "123456789012345";
    QTest::newRow("nach L wird nichts gelesen") << Versionssatz("1.8.2.0xyz", 7) << ok << "1.8.2.0";
    QTest::newRow("8-Bit-Zeichen") << Versionssatz("2.0 \xe4") << ok << QString::fromUtf8("2.0 ä");
    QTest::newRow("leer") << QByteArray() << VersionsdateiFehler::KeinSatz << "";
    QTest::newRow("23 Bytes") << Versionssatz("1.8.2.0").left(23) << VersionsdateiFehler::KeinSatz << "";
    QTest::newRow("letzter Satz halb") << Versionssatz("1.9.0.0") + Versionssatz("2.0.0.0").left(12)
                                       << VersionsdateiFehler::Abgeschnitten << "";
    QTest::newRow("Länge 16") << Versionssatz("123456789012345", 16) << VersionsdateiFehler::UngueltigeLaenge << "";
    QTest::newRow("Länge 255") << Versionssatz("1", 255) << VersionsdateiFehler::UngueltigeLaenge << "";
}

void TstWerkzeugkern::versionsdatei()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(VersionsdateiFehler, fehler);
    QFETCH(QString, version);
    const Versionsangabe angabe = VersionsdateiLesen(inhalt);
    QCOMPARE(angabe.fehler, fehler);
    QCOMPARE(angabe.version, version);
}

void TstWerkzeugkern::nueberk_data()
{
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("k");
    QTest::addColumn<NueberKPruefung>("pruefung");
    QTest::addColumn<QString>("ergebnis");
    const auto ok = NueberKPruefung::Ok;
    QTest::newRow("6 aus 49") << "49"
                              << "6" << ok << "13.983.816";
    QTest::newRow("5 über 5") << "5"
                              << "5" << ok << "1";
    QTest::newRow("5 über 0") << "5"
                              << "0" << ok << "1";
    QTest::newRow("k leer") << "5"
                            << "" << ok << "1";
    QTest::newRow("99 über 49") << "99"
                                << "49" << ok << "50.445.672.272.782.096.667.406.248.628";
    QTest::newRow("99 über 50") << "99"
                                << "50" << ok << "50.445.672.272.782.096.667.406.248.628";
    QTest::newRow("77 über 2") << "77"
                               << "2" << ok << "2.926";
    QTest::newRow("führende Null") << "07"
                                   << "03" << ok << "35";
    QTest::newRow("5 über 6") << "5"
                              << "6" << NueberKPruefung::NKleinerK << "";
    QTest::newRow("n leer") << ""
                            << "6" << NueberKPruefung::NNichtPositiv << "";
    QTest::newRow("n null") << "0"
                            << "0" << NueberKPruefung::NNichtPositiv << "";
    QTest::newRow("n unlesbar") << "x"
                                << "1" << NueberKPruefung::NNichtPositiv << "";
}

void TstWerkzeugkern::nueberk()
{
    QFETCH(QString, n);
    QFETCH(QString, k);
    QFETCH(NueberKPruefung, pruefung);
    QFETCH(QString, ergebnis);
    const NueberKErgebnis e = NueberKBerechnen(n, k);
    QCOMPARE(e.pruefung, pruefung);
    if (e.ok())
        QCOMPARE(MitTausenderTrennern(e.wert, QLocale(QLocale::German, QLocale::Germany)), ergebnis);
    else
        QVERIFY(NueberKMeldung(pruefung).endsWith(QStringLiteral("\n\nIch breche erst einmal ab.")));
}

// Every n, k below 100 against Pascal's triangle, added up in 128 bits.
void TstWerkzeugkern::nueberkAlleWerteExakt()
{
    std::vector<unsigned __int128> zeile{1};
    for (int n = 1; n <= 99; ++n) {
        std::vector<unsigned __int128> neu(std::size_t(n) + 1, 1);
        for (int k = 1; k < n; ++k)
            neu[std::size_t(k)] = zeile[std::size_t(k - 1)] + zeile[std::size_t(k)];
        zeile = std::move(neu);
        for (int k = 0; k <= n; ++k) {
            const NueberKErgebnis e = NueberKBerechnen(QString::number(n), QString::number(k));
            if (!e.ok() || e.wert != zeile[std::size_t(k)])
                QFAIL(qPrintable(QStringLiteral("C(%1, %2): %3 statt %4")
                                     .arg(n)
                                     .arg(k)
                                     .arg(Dezimal(e.wert), Dezimal(zeile[std::size_t(k)]))));
        }
    }
}

void TstWerkzeugkern::trennerWieQLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("deutsch") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("englisch") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("schweiz") << QLocale(QLocale::German, QLocale::Switzerland);
    QTest::newRow("französisch") << QLocale(QLocale::French, QLocale::France);
    QLocale ohne(QLocale::German, QLocale::Germany);
    ohne.setNumberOptions(QLocale::OmitGroupSeparator);
    QTest::newRow("ohne Trenner") << ohne;
}

// Where 64 bits suffice, the own routine writes what QLocale writes.
void TstWerkzeugkern::trennerWieQLocale()
{
    QFETCH(QLocale, locale);
    std::vector<quint64> werte = {0,
                                  1,
                                  9,
                                  10,
                                  99,
                                  100,
                                  999,
                                  1000,
                                  1001,
                                  99999,
                                  100000,
                                  999999,
                                  1000000,
                                  13983816,
                                  9223372036854775807ull,
                                  18446744073709551615ull};
    QRandomGenerator zufall(11);
    for (int i = 0; i < 200; ++i)
        werte.push_back(zufall.generate64() >> zufall.bounded(64));
    for (quint64 w : werte)
        QCOMPARE(MitTausenderTrennern(w, locale), locale.toString(w));
}

void TstWerkzeugkern::trennerUeber64Bit()
{
    const QLocale de(QLocale::German, QLocale::Germany);
    const unsigned __int128 zwei64 = static_cast<unsigned __int128>(1) << 64;
    QCOMPARE(MitTausenderTrennern(zwei64, de), QStringLiteral("18.446.744.073.709.551.616"));
    QCOMPARE(MitTausenderTrennern(zwei64 << 63, de),
             QStringLiteral("170.141.183.460.469.231.731.687.303.715.884.105.728"));
    QCOMPARE(MitTausenderTrennern(~static_cast<unsigned __int128>(0), de),
             QStringLiteral("340.282.366.920.938.463.463.374.607.431.768.211.455"));
}

void TstWerkzeugkern::jpegProgressivUndQualitaet()
{
    const Testbild bild(160, 120, 0);
    const auto niedrig = JpegKodieren(bild.bild(), 36);
    const auto hoch = JpegKodieren(bild.bild(), 100);
    QVERIFY(niedrig && hoch);
    QCOMPARE(Rahmenart(*niedrig), 0xC2);
    QCOMPARE(Rahmenart(*hoch), 0xC2);
    QVERIFY2(niedrig->size() < hoch->size(),
             qPrintable(QStringLiteral("%1 / %2").arg(niedrig->size()).arg(hoch->size())));
    const Rgb zurueck = Dekodieren(*hoch);
    QCOMPARE(zurueck.breite, 160);
    QCOMPARE(zurueck.hoehe, 120);
}

// Rows with padding, as QImage lays them out: the encoder must step by the row distance.
void TstWerkzeugkern::jpegZeilenMitPolster()
{
    const Testbild bild(33, 21, 5);
    const auto jpeg = JpegKodieren(bild.bild(), 100);
    QVERIFY(jpeg);
    const Rgb zurueck = Dekodieren(*jpeg);
    QCOMPARE(zurueck.breite, 33);
    QCOMPARE(zurueck.hoehe, 21);
    // The green channel runs from top to bottom and is smooth: it survives closely.
    double abweichung = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 33; ++x)
            abweichung += std::abs(int(zurueck.daten[std::size_t((y * 33 + x) * 3 + 1)])
                                   - int(bild.daten[std::size_t(y * bild.abstand + 3 * x + 1)]));
    QVERIFY2(abweichung / (33 * 21) < 12, qPrintable(QString::number(abweichung / (33 * 21))));
}

void TstWerkzeugkern::jpegOhneBild()
{
    QString fehler;
    QVERIFY(!JpegKodieren({}, 80, &fehler));
    QVERIFY(!fehler.isEmpty());
    const Testbild bild(10, 10, 0);
    QVERIFY(!JpegKodieren({bild.daten.data(), 10, 10, 20}, 80)); // row distance shorter than a row
}

void TstWerkzeugkern::systemordner_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<bool>("system");
    QTest::newRow("/usr/bin") << "/usr/bin/kombiwerk" << true;
    QTest::newRow("/usr/local") << "/usr/local/bin/kombiwerk" << true;
    QTest::newRow("/opt") << "/opt/kombiwerk/kombiwerk" << true;
    QTest::newRow("/bin") << "/bin/kombiwerk" << true;
    QTest::newRow("/snap") << "/snap/kombiwerk/12/kombiwerk" << true;
    QTest::newRow("Wurzel") << "/kombiwerk" << true;
    QTest::newRow("flatpak des Benutzers") << "/home/anna/.local/share/flatpak/app/x/kombiwerk" << true;
    QTest::newRow("Heimordner") << "/home/anna/Programme/Kombiwerk/kombiwerk" << false;
    QTest::newRow("ähnlicher Name") << "/usrdaten/kombiwerk" << false;
    QTest::newRow("optisch") << "/optik/kombiwerk" << false;
    QTest::newRow("mit ..") << "/home/anna/../../usr/bin/kombiwerk" << true;
}

void TstWerkzeugkern::systemordner()
{
    QFETCH(QString, pfad);
    QFETCH(bool, system);
    QCOMPARE(InSystemordner(pfad), system);
}

void TstWerkzeugkern::aufraeumenPruefen()
{
    QTemporaryDir ordner;
    const QString eigene = ordner.filePath("kombiwerk");
    DateiSchreiben(eigene, "programm");
    QCOMPARE(AufraeumenPruefen(eigene), Aufraeumverbot::Keines);
    QCOMPARE(AufraeumenPruefen(eigene, unsigned(getuid()) + 1), Aufraeumverbot::FremderBesitzer);
    QCOMPARE(AufraeumenPruefen(ordner.filePath("fehlt")), Aufraeumverbot::KeineDatei);
    QCOMPARE(AufraeumenPruefen(ordner.path()), Aufraeumverbot::KeineDatei);
    QVERIFY(QFile::link(eigene, ordner.filePath("verweis")));
    QCOMPARE(AufraeumenPruefen(ordner.filePath("verweis")), Aufraeumverbot::KeineDatei);
    QCOMPARE(AufraeumenPruefen(QStringLiteral("/bin/sh")), Aufraeumverbot::Systemordner);
}

void TstWerkzeugkern::ordnerEntfernbar_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<bool>("entfernbar");
    const QString heim = QDir::homePath();
    QTest::newRow("eigener Programmordner") << heim + "/Programme/Kombiwerk" << true;
    QTest::newRow("Heimordner") << heim << false;
    QTest::newRow("~/bin") << heim + "/bin" << false;
    QTest::newRow("~/.local/bin") << heim + "/.local/bin" << false;
    QTest::newRow("Schreibtisch") << QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) << false;
    QTest::newRow("Downloads") << QStandardPaths::writableLocation(QStandardPaths::DownloadLocation) << false;
    QTest::newRow("Systemordner") << "/usr/local/kombiwerk" << false;
    QTest::newRow("außerhalb des Heimordners") << "/mnt/stick/kombiwerk" << false;
    QTest::newRow("leer") << "" << false;
}

void TstWerkzeugkern::ordnerEntfernbar()
{
    QFETCH(QString, ordner);
    QFETCH(bool, entfernbar);
    QCOMPARE(OrdnerEntfernbar(ordner), entfernbar);
}

void TstWerkzeugkern::skriptWartetAufDasProgrammsende_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("weitereDatei");
    QTest::newRow("allein im Ordner") << "kombiwerk" << false;
    QTest::newRow("Ordner hält mehr") << "kombiwerk" << true;
    QTest::newRow("Leerzeichen und Hochkomma") << "Anna's Kombi werk" << false;
}

// The script for real: the file stays while the program runs, goes once it has ended; the
// folder goes only when it is empty; the script removes itself.
void TstWerkzeugkern::skriptWartetAufDasProgrammsende()
{
    QFETCH(QString, name);
    QFETCH(bool, weitereDatei);
    QTemporaryDir basis;
    const QString ordner = basis.filePath(QStringLiteral("Kombi $HOME `x`"));
    QVERIFY(QDir().mkpath(ordner));
    const QString programm = QDir(ordner).filePath(name);
    DateiSchreiben(programm, "programm");
    if (weitereDatei)
        DateiSchreiben(QDir(ordner).filePath("KBW.chm"), "hilfe");

    QProcess laufend;
    laufend.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(laufend.waitForStarted());
    const QString skript = basis.filePath("uis1.sh");
    DateiSchreiben(skript, AufraeumSkript(laufend.processId(), programm, ordner));

    QProcess aufraeumen;
    aufraeumen.start(QStringLiteral("/bin/sh"), {skript});
    QVERIFY(aufraeumen.waitForStarted());
    QTest::qWait(1500);
    QVERIFY(QFile::exists(programm)); // the program still runs
    laufend.kill();
    QVERIFY(laufend.waitForFinished());
    QVERIFY(aufraeumen.waitForFinished(10000));
    QCOMPARE(aufraeumen.exitCode(), 0);
    QVERIFY(!QFile::exists(programm));
    QCOMPARE(QFileInfo::exists(ordner), weitereDatei);
    if (weitereDatei)
        QVERIFY(QFile::exists(QDir(ordner).filePath("KBW.chm")));
    QVERIFY(!QFile::exists(skript));
}

void TstWerkzeugkern::skriptGibtNachDerWartezeitAuf()
{
    QTemporaryDir basis;
    const QString programm = basis.filePath("kombiwerk");
    DateiSchreiben(programm, "programm");
    QProcess laufend;
    laufend.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(laufend.waitForStarted());
    const QString skript = basis.filePath("uis2.sh");
    DateiSchreiben(skript, AufraeumSkript(laufend.processId(), programm, basis.path(), 1));
    QProcess aufraeumen;
    aufraeumen.start(QStringLiteral("/bin/sh"), {skript});
    QVERIFY(aufraeumen.waitForFinished(10000));
    QVERIFY(QFile::exists(programm));
    QVERIFY(!QFile::exists(skript));
    laufend.kill();
    laufend.waitForFinished();
}

void TstWerkzeugkern::skriptAnlegen()
{
    QTemporaryDir ordner;
    const QString programm = ordner.filePath("kombiwerk");
    DateiSchreiben(programm, "programm");
    QString fehler;
    const QString skript = AufraeumSkriptAnlegen(4242, programm, &fehler);
    QVERIFY2(!skript.isEmpty(), qPrintable(fehler));
    const QFileInfo info(skript);
    QCOMPARE(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QVERIFY(info.fileName().startsWith("uis"));
    QVERIFY(info.fileName().endsWith(".sh"));
    QVERIFY(info.isExecutable());
    const QByteArray inhalt = DateiLesen(skript);
    QVERIFY(inhalt.contains("kill -0 4242"));
    QVERIFY(inhalt.contains("rm -f -- '" + QFile::encodeName(programm) + "'"));
    QVERIFY(!inhalt.contains("rmdir")); // a folder outside the home folder stays
    QFile::remove(skript);

    fehler.clear();
    QVERIFY(AufraeumSkriptAnlegen(4242, QStringLiteral("/bin/sh"), &fehler).isEmpty());
    QVERIFY(fehler.contains("Systemordner"));
}

QTEST_GUILESS_MAIN(TstWerkzeugkern)
#include "tst_werkzeugkern.moc"
