#include "eigensystemdatei.h"
#include "katalogmeldungen.h"

#include "tests/dateihilfen.h"
#include "tests/kleinerdatentraeger.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cstring>
#include <functional>

#include <unistd.h>

namespace {

// A record as another program might have written it: garbage in every padding byte and
// behind the file name.
QByteArray FremderDatensatz(std::uint8_t rg, std::uint8_t wz, std::uint8_t ga, std::uint16_t tr, double gesp,
                            const QByteArray &fn)
{
    QByteArray r(EsyDatensatzGroesse, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = char(0xA0 + (i % 37));
    r[0] = char(rg);
    r[1] = char(wz);
    r[2] = char(ga);
    r[4] = char(tr & 0xff);
    r[5] = char(tr >> 8);
    const auto bits = std::bit_cast<std::uint64_t>(gesp);
    for (int i = 0; i < 8; ++i)
        r[8 + i] = char((bits >> (8 * i)) & 0xff);
    r[16] = char(fn.size());
    std::memcpy(r.data() + 17, fn.constData(), std::size_t(fn.size()));
    return r;
}

} // namespace

class TstEigensystemdatei : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void indexRundreiseBehaeltFremdeBytes();
    void neuerDatensatzHatNullPadding();
    void fehlendeUndAbgeschnitteneDatei();
    void unlesbarerIndex();
    void fehlgeschlagenesSchreibenLaesstAltesStehen_data();
    void fehlgeschlagenesSchreibenLaesstAltesStehen();
    void reihendateiRundreise();
    void schlechteReihendatei_data();
    void schlechteReihendatei();
    void nachsichtigGelesen_data();
    void nachsichtigGelesen();
    void reihenanzahl_data();
    void reihenanzahl();
    void indexGrenze_data();
    void indexGrenze();
    void reihendateiGrenze_data();
    void reihendateiGrenze();
    void schreiberStoerung_data();
    void schreiberStoerung();
    void schreiberVollerDatentraeger_data();
    void schreiberVollerDatentraeger();
    void naechsteFreieNummer();

private:
    QTemporaryDir m_dir;
    int m_nr = 0;
    QString NeuerOrdner()
    {
        const QString p = m_dir.filePath(QString::number(++m_nr));
        QDir().mkpath(p);
        return p;
    }
};

void TstEigensystemdatei::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TstEigensystemdatei::indexRundreiseBehaeltFremdeBytes()
{
    const QString pfad = QDir(NeuerOrdner()).filePath(EsyIndexName);
    const QByteArray a = FremderDatensatz(6, 15, 4, 0x1234, 45000.75, "ESY1.csv");
    const QByteArray b = FremderDatensatz(10, 22, 5, 300, 45123.5, QByteArray("ESY\xe4.csv"));
    DateiSchreiben(pfad, a + b);

    const EsyIndexErgebnis r = EsyIndexLesen(pfad);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QCOMPARE(int(r.eintraege.size()), 2);
    const TEigSysteme &e = r.eintraege[0];
    QCOMPARE(int(e.RG), 6);
    QCOMPARE(int(e.WZ), 15);
    QCOMPARE(int(e.GA), 4);
    QCOMPARE(int(e.TR), 0x1234);
    QCOMPARE(e.gesp, 45000.75);
    QCOMPARE(e.fn, std::string("ESY1.csv"));
    QCOMPARE(r.eintraege[1].fn, std::string("ESY\xe4.csv")); // Latin-1 bytes as they are

    QVERIFY(EsyIndexSchreiben(pfad, r.eintraege).ok());
    QCOMPARE(DateiLesen(pfad), a + b);
}

void TstEigensystemdatei::neuerDatensatzHatNullPadding()
{
    TEigSysteme e;
    e.RG = 5;
    e.WZ = 12;
    e.GA = 3;
    e.TR = 513;
    e.gesp = 45500.25;
    e.fn = "ESY7.csv";
    const QByteArray erwartet = [&] {
        QByteArray r(EsyDatensatzGroesse, '\0');
        const char kopf[] = {5, 12, 3, 0, 1, 2, 0, 0};
        std::memcpy(r.data(), kopf, 8);
        const auto bits = std::bit_cast<std::uint64_t>(45500.25);
        for (int i = 0; i < 8; ++i)
            r[8 + i] = char((bits >> (8 * i)) & 0xff);
        r[16] = 8;
        std::memcpy(r.data() + 17, "ESY7.csv", 8);
        return r;
    }();
    const QString pfad = QDir(NeuerOrdner()).filePath(EsyIndexName);
    QVERIFY(EsyIndexSchreiben(pfad, {e}).ok());
    QCOMPARE(DateiLesen(pfad), erwartet);

    // Changed fields win over the kept bytes, the rest of the record stays.
    EsyIndexErgebnis r = EsyIndexLesen(pfad);
    QCOMPARE(int(r.eintraege.size()), 1);
    r.eintraege[0].TR = 7;
    QVERIFY(EsyIndexSchreiben(pfad, r.eintraege).ok());
    QByteArray geaendert = erwartet;
    geaendert[4] = 7;
    geaendert[5] = 0;
    QCOMPARE(DateiLesen(pfad), geaendert);
}

void TstEigensystemdatei::fehlendeUndAbgeschnitteneDatei()
{
    const QString ordner = NeuerOrdner();
    const QString pfad = QDir(ordner).filePath(EsyIndexName);
    EsyIndexErgebnis r = EsyIndexLesen(pfad);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QVERIFY(r.eintraege.empty());

    const QByteArray a = FremderDatensatz(3, 9, 2, 12, 1.0, "ESY1.csv");
    DateiSchreiben(pfad, a + a.left(271));
    r = EsyIndexLesen(pfad);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QCOMPARE(int(r.eintraege.size()), 1);

    DateiSchreiben(pfad, a.left(100));
    r = EsyIndexLesen(pfad);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QVERIFY(r.eintraege.empty());
}

void TstEigensystemdatei::unlesbarerIndex()
{
    // A folder in place of the index cannot be read as one.
    const QString ordner = NeuerOrdner();
    QVERIFY(QDir(ordner).mkdir(EsyIndexName));
    const EsyIndexErgebnis r = EsyIndexLesen(QDir(ordner).filePath(EsyIndexName));
    QCOMPARE(r.fehler, EsyFehler::NichtLesbar);
    QVERIFY(r.eintraege.empty());
}

void TstEigensystemdatei::fehlgeschlagenesSchreibenLaesstAltesStehen_data()
{
    QTest::addColumn<bool>("schreibgeschuetzt");
    QTest::newRow("ordner schreibgeschuetzt") << true;
    QTest::newRow("ordner im weg") << false;
}

void TstEigensystemdatei::fehlgeschlagenesSchreibenLaesstAltesStehen()
{
    QFETCH(bool, schreibgeschuetzt);
    const QString ordner = NeuerOrdner();
    const QByteArray alt = FremderDatensatz(4, 10, 3, 20, 2.0, "ESY1.csv");
    TEigSysteme neu;
    neu.RG = 5;
    neu.fn = "ESY2.csv";

    if (schreibgeschuetzt) {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QString pfad = QDir(ordner).filePath(EsyIndexName);
        DateiSchreiben(pfad, alt);
        QVERIFY(QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner));
        const EsySchreibErgebnis r = EsyIndexSchreiben(pfad, {neu, neu});
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(r.fehler, EsyFehler::NichtSchreibbar);
        QVERIFY(!r.fehlertext.isEmpty());
        QCOMPARE(DateiLesen(pfad), alt);
    } else {
        // The target name is taken by a folder holding the old index: replacing must fail.
        const QString pfad = QDir(ordner).filePath("ziel");
        QVERIFY(QDir().mkpath(pfad));
        DateiSchreiben(QDir(pfad).filePath(EsyIndexName), alt);
        const EsySchreibErgebnis r = EsyIndexSchreiben(pfad, {neu});
        QCOMPARE(r.fehler, EsyFehler::NichtSchreibbar);
        QVERIFY(QFileInfo(pfad).isDir());
        QCOMPARE(DateiLesen(QDir(pfad).filePath(EsyIndexName)), alt);
    }
}

void TstEigensystemdatei::reihendateiRundreise()
{
    const QString pfad = QDir(NeuerOrdner()).filePath(EsyReihendateiName(3));
    const std::vector<EsyReihe> reihen = {{1, 2, 3, 10}, {4, 5, 11, 12}, {2, 7, 9, 12}};
    QVERIFY(EsyReihenSchreiben(pfad, reihen).ok());
    QCOMPARE(DateiLesen(pfad), QByteArray("1,2,3,10\r\n4,5,11,12\r\n2,7,9,12\r\n"));

    const EsyReihenErgebnis r = EsyReihenLesen(pfad, 4, 12);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QCOMPARE(r.reihen, reihen);

    // A last line without its line break is still a row.
    DateiSchreiben(pfad, "1,2\r\n3,4");
    QCOMPARE(EsyReihenLesen(pfad, 2, 4).reihen, (std::vector<EsyReihe>{{1, 2}, {3, 4}}));
}

void TstEigensystemdatei::schlechteReihendatei_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("zeile");
    QTest::newRow("zu wenige") << QByteArray("1,2,3\r\n1,2\r\n") << 2;
    QTest::newRow("zu viele") << QByteArray("1,2,3,4\r\n") << 1;
    QTest::newRow("absteigend") << QByteArray("1,2,3\r\n3,2,4\r\n") << 2;
    QTest::newRow("doppelt") << QByteArray("1,1,3\r\n") << 1;
    QTest::newRow("null") << QByteArray("0,1,3\r\n") << 1;
    QTest::newRow("ueber WZ") << QByteArray("1,2,9\r\n") << 1;
    QTest::newRow("text") << QByteArray("a,b,c\r\n") << 1;
    QTest::newRow("riesige zahl") << QByteArray("1,2,4294967299\r\n") << 1;
}

void TstEigensystemdatei::schlechteReihendatei()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(int, zeile);
    const QString pfad = QDir(NeuerOrdner()).filePath("ESY1.csv");
    DateiSchreiben(pfad, inhalt);
    const EsyReihenErgebnis r = EsyReihenLesen(pfad, 3, 8);
    QCOMPARE(r.fehler, EsyFehler::Ungueltig);
    QCOMPARE(r.zeile, zeile);
    QVERIFY(r.reihen.empty());

    QCOMPARE(EsyReihenLesen(pfad + ".fehlt", 3, 8).fehler, EsyFehler::NichtLesbar);
}

void TstEigensystemdatei::nachsichtigGelesen_data()
{
    // What every reader of row files accepts beyond the form the program writes.
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<std::vector<EsyReihe>>("reihen");
    QTest::newRow("leerzeichen") << QByteArray("1, 2,3\r\n") << std::vector<EsyReihe>{{1, 2, 3}};
    QTest::newRow("vorzeichen") << QByteArray("+1,2,3\r\n") << std::vector<EsyReihe>{{1, 2, 3}};
    QTest::newRow("leere zeile") << QByteArray("1,2,3\r\n\r\n1,2,4\r\n") << std::vector<EsyReihe>{{1, 2, 3}, {1, 2, 4}};
    QTest::newRow("nur LF und Tabulator")
        << QByteArray("\t1,2,3\n \t\n2,3,8\n") << std::vector<EsyReihe>{{1, 2, 3}, {2, 3, 8}};
    QTest::newRow("fuehrende Nullen") << QByteArray("001,2,3\r\n") << std::vector<EsyReihe>{{1, 2, 3}};
}

void TstEigensystemdatei::nachsichtigGelesen()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(std::vector<EsyReihe>, reihen);
    const QString pfad = QDir(NeuerOrdner()).filePath("ESY1.csv");
    DateiSchreiben(pfad, inhalt);
    const EsyReihenErgebnis r = EsyReihenLesen(pfad, 3, 8);
    QCOMPARE(r.fehler, EsyFehler::Keiner);
    QCOMPARE(r.reihen, reihen);
}

void TstEigensystemdatei::reihenanzahl_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("tr");
    QTest::addColumn<int>("gelesen"); // -1: too few rows
    QTest::newRow("genau") << QByteArray("1,2\r\n3,4\r\n") << 2 << 2;
    // Only the first tr rows count: what follows is not looked at, not even when broken.
    QTest::newRow("rest ungelesen") << QByteArray("1,2\r\n3,4\r\nkaputt\r\n") << 2 << 2;
    QTest::newRow("leerzeilen zaehlen nicht") << QByteArray("\r\n1,2\r\n\r\n") << 2 << -1;
    QTest::newRow("leer") << QByteArray() << 1 << -1;
    QTest::newRow("null reihen") << QByteArray("kaputt") << 0 << 0;
}

void TstEigensystemdatei::reihenanzahl()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(int, tr);
    QFETCH(int, gelesen);
    const EsyReihenErgebnis r = EsyReihenAuswerten(inhalt, 2, 4, tr);
    if (gelesen < 0) {
        QCOMPARE(r.fehler, EsyFehler::Ungueltig);
        QCOMPARE(r.art, EsyZeilenFehler::ZuWenigeReihen);
        QCOMPARE(r.anzahl, inhalt.count(',')); // one comma per row here
        QCOMPARE(r.erwartet, tr);
        QVERIFY(r.reihen.empty());
    } else {
        QCOMPARE(r.fehler, EsyFehler::Keiner);
        QCOMPARE(int(r.reihen.size()), gelesen);
    }
}

void TstEigensystemdatei::indexGrenze_data()
{
    QTest::addColumn<int>("datensaetze");
    QTest::addColumn<bool>("geladen");
    QTest::newRow("an der grenze") << EsyIndexHoechstzahl << true;
    QTest::newRow("darueber") << EsyIndexHoechstzahl + 1 << false;
    QTest::newRow("ein gigabyte") << int((1ll << 30) / EsyDatensatzGroesse) << false;
}

void TstEigensystemdatei::indexGrenze()
{
    QFETCH(int, datensaetze);
    QFETCH(bool, geladen);
    const QString pfad = QDir(NeuerOrdner()).filePath(EsyIndexName);
    {
        // Sparse: only the size matters until the bound is checked.
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(datensaetze) * EsyDatensatzGroesse + 5));
    }
    const QDateTime vorher = QFileInfo(pfad).lastModified();
    const EsyIndexErgebnis r = EsyIndexLesen(pfad);
    if (geladen) {
        QCOMPARE(r.fehler, EsyFehler::Keiner);
        QCOMPARE(int(r.eintraege.size()), datensaetze);
        QCOMPARE(r.restBytes, 5);
    } else {
        QCOMPARE(r.fehler, EsyFehler::ZuGross);
        QVERIFY(r.eintraege.empty());
        QCOMPARE(r.datensaetze, qint64(datensaetze));
        QLocale::setDefault(QLocale::German);
        QVERIFY(EsyIndexLeseGrund(r).contains(QStringLiteral("höchstens 100.000")));
        QLocale::setDefault(QLocale::c());
    }
    QCOMPARE(QFileInfo(pfad).size(), qint64(datensaetze) * EsyDatensatzGroesse + 5);
    QCOMPARE(QFileInfo(pfad).lastModified(), vorher);
}

void TstEigensystemdatei::reihendateiGrenze_data()
{
    QTest::addColumn<qint64>("groesse");
    QTest::addColumn<bool>("gelesen");
    QTest::newRow("an der grenze") << EsyReihendateiHoechstgroesse << true;
    QTest::newRow("ein byte mehr") << EsyReihendateiHoechstgroesse + 1 << false;
}

void TstEigensystemdatei::reihendateiGrenze()
{
    QFETCH(qint64, groesse);
    QFETCH(bool, gelesen);
    const QString pfad = QDir(NeuerOrdner()).filePath("ESY1.csv");
    QByteArray inhalt("1,2\r\n");
    inhalt.append(QByteArray(groesse - inhalt.size(), ' ')); // blank lines only after the row
    DateiSchreiben(pfad, inhalt);
    const EsyReihenErgebnis r = EsyReihenLesen(pfad, 2, 4, 1);
    QCOMPARE(r.fehler, gelesen ? EsyFehler::Keiner : EsyFehler::ZuGross);
    QCOMPARE(int(r.reihen.size()), gelesen ? 1 : 0);
}

namespace {

// Every writer of the own-system files, old content and new content.
struct Schreiber
{
    QString name;
    QByteArray alt;
    std::function<EsySchreibErgebnis(const QString &)> schreiben;
};

Schreiber SchreiberFuer(const QString &art)
{
    if (art == QLatin1String("index")) {
        TEigSysteme e{.RG = 4, .WZ = 10, .GA = 3, .TR = 20, .fn = "ESY2.csv"};
        return {QString::fromLatin1(EsyIndexName), FremderDatensatz(4, 10, 3, 20, 2.0, "ESY1.csv"),
                [e](const QString &pfad) {
                    return EsyIndexSchreiben(pfad, {e, e, e});
                }};
    }
    return {QStringLiteral("ESY1.csv"), QByteArray("1,2\r\n"), [](const QString &pfad) {
                return EsyReihenSchreiben(pfad, std::vector<EsyReihe>(50, EsyReihe{1, 2, 3, 4}));
            }};
}

QStringList Inhalt(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

void TstEigensystemdatei::schreiberStoerung_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("schritt");
    for (const QString &art : {QStringLiteral("index"), QStringLiteral("reihen")}) {
        for (int schritt : {int(SchreibSchritt::Oeffnen), int(SchreibSchritt::Schreiben), int(SchreibSchritt::Leeren),
                            int(SchreibSchritt::Uebernehmen)})
            QTest::addRow("%s schritt %d", qPrintable(art), schritt) << art << schritt;
    }
}

void TstEigensystemdatei::schreiberStoerung()
{
    QFETCH(QString, art);
    QFETCH(int, schritt);
    const Schreiber s = SchreiberFuer(art);
    const QString ordner = NeuerOrdner();
    const QString pfad = QDir(ordner).filePath(s.name);
    DateiSchreiben(pfad, s.alt);
    SchreibStoerungSetzen(SchreibStoerung{SchreibSchritt(schritt), SchreibFehler::DatentraegerVoll});
    const EsySchreibErgebnis r = s.schreiben(pfad);
    SchreibStoerungSetzen(std::nullopt);
    QCOMPARE(r.fehler, EsyFehler::NichtSchreibbar);
    QCOMPARE(r.grund.fehler, SchreibFehler::DatentraegerVoll);
    QVERIFY(SchreibFehlerText(pfad, r.grund).contains(QStringLiteral("Der Datenträger ist voll.")));
    QCOMPARE(DateiLesen(pfad), s.alt);
    QCOMPARE(Inhalt(ordner), QStringList{s.name});

    // A read-only file stays, for root too.
    QVERIFY(QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadGroup));
    const EsySchreibErgebnis geschuetzt = s.schreiben(pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(geschuetzt.grund.fehler, SchreibFehler::KeineBerechtigung);
    QCOMPARE(DateiLesen(pfad), s.alt);
    QCOMPARE(Inhalt(ordner), QStringList{s.name});
}

void TstEigensystemdatei::schreiberVollerDatentraeger_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("index") << QStringLiteral("index");
    QTest::newRow("reihen") << QStringLiteral("reihen");
}

void TstEigensystemdatei::schreiberVollerDatentraeger()
{
    QFETCH(QString, art);
    const Schreiber s = SchreiberFuer(art);
    KLEINER_DATENTRAEGER(platte, 64);
    const QString pfad = QDir(platte.pfad()).filePath(s.name);
    DateiSchreiben(pfad, s.alt);
    platte.fuellen();
    // The new content is small: exactly the case in which a buffered write looked successful.
    const EsySchreibErgebnis r = s.schreiben(pfad);
    QCOMPARE(r.fehler, EsyFehler::NichtSchreibbar);
    QCOMPARE(r.grund.fehler, SchreibFehler::DatentraegerVoll);
    QCOMPARE(DateiLesen(pfad), s.alt);
    QCOMPARE(Inhalt(platte.pfad()), (QStringList{QStringLiteral(".ballast"), s.name}));
}

void TstEigensystemdatei::naechsteFreieNummer()
{
    const QString ordner = NeuerOrdner();
    QCOMPARE(NaechsteFreieEsyNummer(ordner, {}), 1);
    DateiSchreiben(QDir(ordner).filePath("ESY1.csv"), "1,2\r\n");
    TEigSysteme e;
    e.fn = "ESY2.csv"; // named by the index although its file is gone
    QCOMPARE(NaechsteFreieEsyNummer(ordner, {e}), 3);
    e.fn = "esy3.csv"; // names compare exactly
    QCOMPARE(NaechsteFreieEsyNummer(ordner, {e}), 2);
}

QTEST_APPLESS_MAIN(TstEigensystemdatei)
#include "tst_eigensystemdatei.moc"
