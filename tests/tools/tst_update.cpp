// The update window against a local HTTP server: the version check, the download with its
// failures, and the installation with its confirmation and clean-up.

#include "../dateihilfen.h"
#include "../kleinerdatentraeger.h"
#include "anbieter.h"
#include "internet.h"
#include "meldungen.h"
#include "programmstart.h"
#include "testserver.h"
#include "update.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Versionspfad = QStringLiteral("/downloads/verinfos.kbw");
const QString Installerpfad = QStringLiteral("/downloads/kbwupdate.exe");
const QString Fehlschlag = QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\n");

QByteArray Zufallsbytes(int anzahl)
{
    QByteArray b(anzahl, Qt::Uninitialized);
    QRandomGenerator zufall(3);
    for (char &c : b)
        c = char(zufall.bounded(256));
    return b;
}

struct Fenster
{
    explicit Fenster(const QString &ordner, const Testserver &server)
        : f(std::make_unique<TFUpdate>(ordner, nullptr, UpdateadressenAuf(server.adresse())))
    {
        f->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        f->zeitlimitSetzen(500);
        bCalc = f->findChild<QPushButton *>("BCalc");
        bDown = f->findChild<QPushButton *>("BDown");
        bSetup = f->findChild<QPushButton *>("BSetup");
        piVersion = f->findChild<QLabel *>("PiVersion");
        pvVersion = f->findChild<QLabel *>("PvVersion");
        gauge3 = f->findChild<QProgressBar *>("Gauge3");
    }
    // Clicks and waits until the fetch has ended.
    bool klickenUndWarten(QPushButton *knopf)
    {
        QSignalSpy fertig(f.get(), &TFUpdate::fertig);
        knopf->setEnabled(true); // the handlers run also when the button is not yet enabled
        QTest::mouseClick(knopf, Qt::LeftButton);
        return fertig.wait(5000);
    }

    std::unique_ptr<TFUpdate> f;
    QPushButton *bCalc, *bDown, *bSetup;
    QLabel *piVersion, *pvVersion;
    QProgressBar *gauge3;
};

QStringList Dateien(const QString &ordner)
{
    return QDir(ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TstUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void anfangszustand();
    void pruefen_data();
    void pruefen();
    void pruefenGescheitert_data();
    void pruefenGescheitert();
    void keinAlterStandAusCacheOderOrdner();
    void ohneVerbindung();
    void download();
    void downloadGescheitert_data();
    void downloadGescheitert();
    void downloadVollerDatentraeger();
    void installationNein();
    void installationJa();
    void installationEinesSystemprogramms();
    void installationStartScheitert();
    void installationWirklichGestartet();

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<Testserver> m_server;
    MeldungenAttrappe m_meldungen;
};

void TstUpdate::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    InternetVerbundenErzwingen(true);
}

void TstUpdate::init()
{
    m_ordner = std::make_unique<QTemporaryDir>();
    m_server = std::make_unique<Testserver>();
    QVERIFY(m_server->laeuft());
    m_meldungen.leeren();
}

void TstUpdate::cleanup()
{
    InternetVerbundenErzwingen(true);
}

void TstUpdate::anfangszustand()
{
    Fenster w(m_ordner->path(), *m_server);
    QCOMPARE(w.f->windowTitle(), QStringLiteral("Kombiwerk"));
    QCOMPARE(w.piVersion->text(), QStringLiteral("1.8.2.0"));
    QCOMPARE(w.piVersion->text(), ProgrammVersion());
    QVERIFY(w.pvVersion->text().isEmpty());
    QVERIFY(!w.bDown->isEnabled());
    QVERIFY(!w.bSetup->isEnabled());
    QCOMPARE(w.gauge3->value(), 0);
    QCOMPARE(w.bCalc->text(), QStringLiteral("Prüfen"));
}

void TstUpdate::pruefen_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<QString>("angezeigt");
    QTest::addColumn<bool>("download");
    QTest::newRow("gleiche Version") << Versionssatz("1.8.2.0") << "1.8.2.0" << false;
    QTest::newRow("neuere Version") << Versionssatz("1.9.0.0") << "1.9.0.0" << true;
    QTest::newRow("ältere Version") << Versionssatz("1.7.9.9") << "1.7.9.9" << true;
    QTest::newRow("Leerzeichen dahinter") << Versionssatz("1.8.2.0 ") << "1.8.2.0 " << true;
    QTest::newRow("mehrere, zuletzt die eigene")
        << Versionssatz("2.0.0.0") + Versionssatz("1.8.2.0") << "1.8.2.0" << false;
    QTest::newRow("mehrere, zuletzt eine neue")
        << Versionssatz("1.8.2.0") + Versionssatz("1.9.1.0") << "1.9.1.0" << true;
}

void TstUpdate::pruefen()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, angezeigt);
    QFETCH(bool, download);
    m_server->setzen(Versionspfad, {200, datei});
    Fenster w(m_ordner->path(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bCalc));
    QCOMPARE(m_meldungen.texte(), QStringList());
    QCOMPARE(w.pvVersion->text(), angezeigt);
    QCOMPARE(w.bDown->isEnabled(), download);
    QVERIFY(!w.bSetup->isEnabled());
    QVERIFY(w.bCalc->isEnabled());
    QCOMPARE(DateiLesen(QDir(m_ordner->path()).filePath("verinfos.kbw")), datei);
    QCOMPARE(m_server->anfragen(), QStringList{Versionspfad});
}

void TstUpdate::pruefenGescheitert_data()
{
    QTest::addColumn<Serverantwort>("antwort");
    QTest::newRow("abgeschnitten") << Serverantwort{200, Versionssatz("1.9.0.0") + Versionssatz("2.0.0.0").left(10)};
    QTest::newRow("kein ganzer Satz") << Serverantwort{200, QByteArray("1.9.0.0")};
    QTest::newRow("leer") << Serverantwort{200, QByteArray()};
    QTest::newRow("404") << Serverantwort{404, QByteArray("nicht da")};
    QTest::newRow("500 mit Inhalt") << Serverantwort{500, Versionssatz("1.9.0.0")};
    QTest::newRow("Verbindung bricht ab") << Serverantwort{200, Versionssatz("1.9.0.0") + Versionssatz("2.0.0.0"), 30};
    QTest::newRow("keine Antwort") << Serverantwort{200, QByteArray(), -1, true};
}

// Every failure is the one failed-check message, nothing shown, no download offered, and no
// version file left that could pass for an answer.
void TstUpdate::pruefenGescheitert()
{
    QFETCH(Serverantwort, antwort);
    m_server->setzen(Versionspfad, antwort);
    Fenster w(m_ordner->path(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bCalc));
    QCOMPARE(m_meldungen.texte(), QStringList{Fehlschlag});
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Information);
    QVERIFY(w.pvVersion->text().isEmpty());
    QVERIFY(!w.bDown->isEnabled());
    QVERIFY(w.bCalc->isEnabled());
    const bool inhaltVollstaendig = antwort.status == 200 && antwort.abbrechenNach < 0 && !antwort.schweigen;
    if (!inhaltVollstaendig)
        QCOMPARE(Dateien(m_ordner->path()), QStringList());
}

// A version file left in the data folder by an earlier check, and an answer of the server
// that changed since, are never mistaken for the current answer.
void TstUpdate::keinAlterStandAusCacheOderOrdner()
{
    const QString datei = QDir(m_ordner->path()).filePath("verinfos.kbw");
    DateiSchreiben(datei, Versionssatz("1.9.9.9"));
    Fenster w(m_ordner->path(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bCalc)); // 404
    QCOMPARE(m_meldungen.texte(), QStringList{Fehlschlag});
    QVERIFY(!QFile::exists(datei));

    m_meldungen.leeren();
    m_server->setzen(Versionspfad, {200, Versionssatz("1.9.0.0")});
    QVERIFY(w.klickenUndWarten(w.bCalc));
    QCOMPARE(w.pvVersion->text(), QStringLiteral("1.9.0.0"));
    m_server->setzen(Versionspfad, {200, Versionssatz("1.8.2.0")});
    QVERIFY(w.klickenUndWarten(w.bCalc));
    QCOMPARE(w.pvVersion->text(), QStringLiteral("1.8.2.0"));
    QVERIFY(!w.bDown->isEnabled());
    QVERIFY(m_server->letzterKopf().contains("Cache-Control: no-cache"));
    QCOMPARE(m_meldungen.texte(), QStringList());
}

void TstUpdate::ohneVerbindung()
{
    InternetVerbundenErzwingen(false);
    m_server->setzen(Versionspfad, {200, Versionssatz("1.9.0.0")});
    Fenster w(m_ordner->path(), *m_server);
    w.bCalc->click();
    QCOMPARE(m_meldungen.texte(),
             QStringList{QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen.")});
    m_meldungen.leeren();
    w.f->BDownClick();
    QCOMPARE(m_meldungen.texte(),
             QStringList{QStringLiteral("Für den Download der Installations-Datei muss eine "
                                        "Verbindung zum Internet bestehen.\n\nIch breche ab.")});
    QTest::qWait(50);
    QCOMPARE(m_server->anfragen(), QStringList());
    QVERIFY(!w.f->laedt());
}

void TstUpdate::download()
{
    const QByteArray installer = Zufallsbytes(300000);
    m_server->setzen(Installerpfad, {200, installer});
    Fenster w(m_ordner->path(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bDown));
    QCOMPARE(m_meldungen.texte(), QStringList());
    QVERIFY(w.bSetup->isEnabled());
    QCOMPARE(w.gauge3->value(), 100);
    const QString pfad = QDir(m_ordner->path()).filePath("Update.exe");
    QCOMPARE(w.f->installer(), pfad);
    QVERIFY(DateiLesen(pfad) == installer);
    QCOMPARE(Dateien(m_ordner->path()), QStringList{"Update.exe"});
}

void TstUpdate::downloadGescheitert_data()
{
    QTest::addColumn<Serverantwort>("antwort");
    const QByteArray installer = Zufallsbytes(300000);
    QTest::newRow("bricht mittendrin ab") << Serverantwort{200, installer, 120000};
    QTest::newRow("bricht vor dem Inhalt ab") << Serverantwort{200, installer, 0};
    QTest::newRow("404") << Serverantwort{404, QByteArray("nicht da")};
    QTest::newRow("keine Antwort") << Serverantwort{200, QByteArray(), -1, true};
}

// A download that fails leaves neither an "Update.exe" nor a part of it, also when an
// earlier complete one was there.
void TstUpdate::downloadGescheitert()
{
    QFETCH(Serverantwort, antwort);
    m_server->setzen(Installerpfad, antwort);
    DateiSchreiben(QDir(m_ordner->path()).filePath("Update.exe"), "alter Installer");
    Fenster w(m_ordner->path(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bDown));
    QCOMPARE(m_meldungen.texte(), QStringList{TFUpdate::DownloadFehlerText()});
    QCOMPARE(TFUpdate::DownloadFehlerText(),
             QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder laden Sie "
                            "das Update von \"https://www.kombiwerk.example\" herunter."));
    QVERIFY(!w.bSetup->isEnabled());
    QCOMPARE(w.gauge3->value(), 0);
    QCOMPARE(Dateien(m_ordner->path()), QStringList());
}

void TstUpdate::downloadVollerDatentraeger()
{
    KLEINER_DATENTRAEGER(platte, 64);
    m_server->setzen(Installerpfad, {200, Zufallsbytes(300000)});
    Fenster w(platte.pfad(), *m_server);
    QVERIFY(w.klickenUndWarten(w.bDown));
    QCOMPARE(m_meldungen.eintraege().size(), std::size_t(1));
    QCOMPARE(m_meldungen.eintraege().front().art, Meldungen::Art::Fehler);
    QVERIFY2(m_meldungen.texte().front().contains("voll"), qPrintable(m_meldungen.texte().front()));
    QVERIFY(!w.bSetup->isEnabled());
    QCOMPARE(Dateien(platte.pfad()), QStringList());
}

void TstUpdate::installationNein()
{
    ProgrammstartAttrappe start;
    Fenster w(m_ordner->path(), *m_server);
    const QString programm = QStringLiteral("/home/anna/Programme/Kombiwerk/kombiwerk");
    w.f->programmdateiSetzen(programm);
    w.bSetup->setEnabled(true);
    m_meldungen.antworten(Meldungen::Antwort::Nein);
    QTest::mouseClick(w.bSetup, Qt::LeftButton);
    const auto &e = m_meldungen.eintraege();
    QCOMPARE(e.size(), std::size_t(2));
    QCOMPARE(e[0].art, Meldungen::Art::FrageJaNein);
    const QString ordner = QDir::toNativeSeparators(m_ordner->path());
    QCOMPARE(e[0].text,
             QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen "
                            "werden. Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas "
                            "schief läuft, bitte das Update manuell durch Doppelklick auf die Datei "
                            "\"Update.exe\" im Verzeichnis ")
                 + ordner + QStringLiteral(" starten.\n\nSoll fortgefahren werden?"));
    QCOMPARE(e[1].text,
             QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update "
                            "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ")
                 + ordner
                 + QStringLiteral(" starten.\n\nZuvor muss das Programm geschlossen und die Datei "
                                  "\"kombiwerk\" im Verzeichnis /home/anna/Programme/Kombiwerk gelöscht "
                                  "werden."));
    QVERIFY(start.starts.empty());
    QCOMPARE(start.beendet, 0);
}

void TstUpdate::installationJa()
{
    ProgrammstartAttrappe start;
    QTemporaryDir programmordner;
    const QString programm = programmordner.filePath("kombiwerk");
    DateiSchreiben(programm, "altes Programm");
    const QString installer = QDir(m_ordner->path()).filePath("Update.exe");
    DateiSchreiben(installer, "#!/bin/sh\n");
    Fenster w(m_ordner->path(), *m_server);
    w.f->programmdateiSetzen(programm);
    m_meldungen.antworten(Meldungen::Antwort::Ja);
    w.f->BSetupClick();

    QCOMPARE(m_meldungen.eintraege().size(), std::size_t(1)); // only the question
    QCOMPARE(start.starts.size(), std::size_t(2));
    QCOMPARE(start.starts[0].programm, installer);
    QCOMPARE(start.starts[0].ordner, m_ordner->path());
    QVERIFY(QFileInfo(installer).isExecutable());
    QCOMPARE(start.starts[1].programm, QStringLiteral("/bin/sh"));
    QCOMPARE(start.starts[1].argumente.size(), 1);
    const QString skript = start.starts[1].argumente.front();
    QVERIFY(QFileInfo(skript).fileName().startsWith("uis"));
    QCOMPARE(QFileInfo(skript).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    const QByteArray inhalt = DateiLesen(skript);
    QVERIFY(inhalt.contains("kill -0 " + QByteArray::number(QCoreApplication::applicationPid())));
    QVERIFY(inhalt.contains(QFile::encodeName(programm)));
    QFile::remove(skript);
    QCOMPARE(start.beendet, 1);
    QVERIFY(QFile::exists(programm)); // removed only by the script, once the program has ended
}

void TstUpdate::installationEinesSystemprogramms()
{
    ProgrammstartAttrappe start;
    DateiSchreiben(QDir(m_ordner->path()).filePath("Update.exe"), "#!/bin/sh\n");
    Fenster w(m_ordner->path(), *m_server);
    w.f->programmdateiSetzen(QStringLiteral("/bin/sh"));
    m_meldungen.antworten(Meldungen::Antwort::Ja);
    w.f->BSetupClick();
    QCOMPARE(start.starts.size(), std::size_t(1)); // the installer, no clean-up
    QCOMPARE(start.beendet, 1);
}

void TstUpdate::installationStartScheitert()
{
    ProgrammstartAttrappe start;
    start.startAntworten(false);
    DateiSchreiben(QDir(m_ordner->path()).filePath("Update.exe"), "#!/bin/sh\n");
    Fenster w(m_ordner->path(), *m_server);
    m_meldungen.antworten(Meldungen::Antwort::Ja);
    w.f->BSetupClick();
    QCOMPARE(m_meldungen.texte().size(), 2);
    QCOMPARE(m_meldungen.texte()[1],
             QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie den Kombiwerk und starten Sie "
                            "das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ")
                 + QDir::toNativeSeparators(m_ordner->path()) + QStringLiteral("."));
    QCOMPARE(start.starts.size(), std::size_t(1));
    QCOMPARE(start.beendet, 0);
}

// Downloaded, made executable and started for real: the installer leaves its mark in the
// data folder, the folder it runs in. Something that is no program is reported.
void TstUpdate::installationWirklichGestartet()
{
    m_server->setzen(Installerpfad, {200, QByteArray("#!/bin/sh\necho gestartet > Installer.log\n")});
    Fenster w(m_ordner->path(), *m_server);
    w.f->programmdateiSetzen(QStringLiteral("/bin/sh"));
    QVERIFY(w.klickenUndWarten(w.bDown));
    QVERIFY(w.bSetup->isEnabled());
    {
        ProgrammstartAttrappe start;
        start.echt = true;
        m_meldungen.antworten(Meldungen::Antwort::Ja);
        QTest::mouseClick(w.bSetup, Qt::LeftButton);
        QCOMPARE(start.beendet, 1);
        QTRY_COMPARE(DateiLesen(QDir(m_ordner->path()).filePath("Installer.log")), QByteArray("gestartet\n"));
    }
    m_meldungen.leeren();
    {
        ProgrammstartAttrappe start;
        start.echt = true;
        DateiSchreiben(w.f->installer(), Zufallsbytes(2000));
        m_meldungen.antworten(Meldungen::Antwort::Ja);
        w.f->BSetupClick();
        QCOMPARE(start.beendet, 0);
        QCOMPARE(m_meldungen.texte().size(), 2);
        QVERIFY(m_meldungen.texte()[1].startsWith("Update konnte nicht gestartet werden."));
    }
}

QTEST_MAIN(TstUpdate)
#include "tst_update.moc"
