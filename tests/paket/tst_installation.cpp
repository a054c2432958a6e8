#include "tests/dateihilfen.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Lauf
{
    int exitCode = -1;
    QString aus;
    QString fehler;
};

// Runs a program to its end.
Lauf Ausfuehren(const QString &programm, const QStringList &argumente, const QProcessEnvironment &umgebung,
                const QString &ordner = QString(), int wartezeit = 60000)
{
    QProcess p;
    p.setProcessEnvironment(umgebung);
    if (!ordner.isEmpty())
        p.setWorkingDirectory(ordner);
    p.start(programm, argumente);
    Lauf lauf;
    if (!p.waitForFinished(wartezeit) || p.exitStatus() != QProcess::NormalExit) {
        p.kill();
        p.waitForFinished();
        lauf.fehler = QStringLiteral("%1 endete nicht normal: %2").arg(programm, p.errorString());
        return lauf;
    }
    lauf.exitCode = p.exitCode();
    lauf.aus = QString::fromUtf8(p.readAllStandardOutput());
    lauf.fehler = QString::fromUtf8(p.readAllStandardError());
    return lauf;
}

// The [Desktop Entry] group of a desktop file as key -> value.
QHash<QString, QString> DesktopEintrag(const QString &pfad)
{
    QHash<QString, QString> werte;
    bool inGruppe = false;
    for (const QString &zeile : QString::fromUtf8(DateiLesen(pfad)).split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1Char('[')))
            inGruppe = zeile == QLatin1String("[Desktop Entry]");
        else if (inGruppe && zeile.contains(QLatin1Char('=')))
            werte.insert(zeile.section(QLatin1Char('='), 0, 0), zeile.section(QLatin1Char('='), 1));
    }
    return werte;
}

} // namespace

// Installs the build folder into a temporary root as a package would and checks what a
// desktop expects there; then runs the installed program.
class TstInstallation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateienAnIhremPlatz_data();
    void dateienAnIhremPlatz();
    void eintraegeGueltig_data();
    void eintraegeGueltig();
    void eintraegePassenZurInstallation();
    void befehlszeile_data();
    void befehlszeile();
    void programmFindetHilfe_data();
    void programmFindetHilfe();
    void debianPaket();

private:
    QString installiert(const QString &pfad) const { return m_wurzel.path() + QStringLiteral("/usr/") + pfad; }
    QProcessEnvironment umgebung(bool anzeige) const;

    QTemporaryDir m_wurzel;
    QTemporaryDir m_zuhause;
};

void TstInstallation::initTestCase()
{
    QVERIFY(m_wurzel.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_wurzel.path());
    const Lauf lauf = Ausfuehren(QStringLiteral(KBW_CMAKE),
                                 {QStringLiteral("--install"), QStringLiteral(KBW_BAUORDNER),
                                  QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                 env);
    QVERIFY2(lauf.exitCode == 0, qPrintable(lauf.aus + lauf.fehler));
}

QProcessEnvironment TstInstallation::umgebung(bool anzeige) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The help copy and any settings go to a home of their own, never the user's.
    env.insert(QStringLiteral("HOME"), m_zuhause.path());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_zuhause.path() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_zuhause.path() + QStringLiteral("/daten"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_zuhause.path() + QStringLiteral("/einstellungen"));
    if (anzeige) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
    }
    return env;
}

void TstInstallation::dateienAnIhremPlatz_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<bool>("ausfuehrbar");
    QTest::addColumn<int>("bildgroesse"); // 0: no bitmap

    QTest::newRow("Programm") << "bin/kombiwerk" << true << 0;
    QTest::newRow("Katalogwerkzeug") << "bin/kbw-katalog" << true << 0;
    QTest::newRow("Hilfesammlung") << "share/kombiwerk/KBW.qhc" << false << 0;
    QTest::newRow("Hilfedokumentation") << "share/kombiwerk/KBW.qch" << false << 0;
    QTest::newRow("Menüeintrag") << "share/applications/kombiwerk.desktop" << false << 0;
    QTest::newRow("Metainfo") << "share/metainfo/de.kombiwerk.Kombiwerk.metainfo.xml" << false << 0;
    QTest::newRow("Symbol SVG") << "share/icons/hicolor/scalable/apps/kombiwerk.svg" << false << 0;
    QTest::newRow("Symbol 48") << "share/icons/hicolor/48x48/apps/kombiwerk.png" << false << 48;
    QTest::newRow("Symbol 256") << "share/icons/hicolor/256x256/apps/kombiwerk.png" << false << 256;
}

void TstInstallation::dateienAnIhremPlatz()
{
    QFETCH(QString, pfad);
    QFETCH(bool, ausfuehrbar);
    QFETCH(int, bildgroesse);

    const QFileInfo datei(installiert(pfad));
    QVERIFY2(datei.isFile(), qPrintable(datei.filePath()));
    QVERIFY(datei.size() > 0);
    QCOMPARE(datei.isExecutable(), ausfuehrbar);
    if (bildgroesse) {
        const QImage bild(datei.filePath());
        QCOMPARE(bild.size(), QSize(bildgroesse, bildgroesse));
        QVERIFY(bild.hasAlphaChannel());
    }
}

void TstInstallation::eintraegeGueltig_data()
{
    QTest::addColumn<QString>("werkzeug");
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("datei");

    QTest::newRow("Menüeintrag") << "desktop-file-validate" << QStringList() << "share/applications/kombiwerk.desktop";
    QTest::newRow("Metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                              << "share/metainfo/de.kombiwerk.Kombiwerk.metainfo.xml";
}

void TstInstallation::eintraegeGueltig()
{
    QFETCH(QString, werkzeug);
    QFETCH(QStringList, argumente);
    QFETCH(QString, datei);

    const QString programm = QStandardPaths::findExecutable(werkzeug);
    if (programm.isEmpty())
        QSKIP(qPrintable(werkzeug + QStringLiteral(" is not installed")));
    const Lauf lauf = Ausfuehren(programm, argumente << installiert(datei), QProcessEnvironment::systemEnvironment());
    QVERIFY2(lauf.exitCode == 0, qPrintable(lauf.aus + lauf.fehler));
    // Both tools end with 0 on a warning too.
    QVERIFY2(!(lauf.aus + lauf.fehler).contains(QStringLiteral("warning"), Qt::CaseInsensitive),
             qPrintable(lauf.aus + lauf.fehler));
}

void TstInstallation::eintraegePassenZurInstallation()
{
    const QHash<QString, QString> eintrag =
        DesktopEintrag(installiert(QStringLiteral("share/applications/kombiwerk.desktop")));
    QCOMPARE(eintrag.value(QStringLiteral("Name")), QStringLiteral("Kombiwerk"));
    // The menu starts the program by name from the PATH and finds the icon by name in the theme.
    QVERIFY(QFileInfo(installiert(QStringLiteral("bin/") + eintrag.value(QStringLiteral("Exec")))).isExecutable());
    const QString symbol = eintrag.value(QStringLiteral("Icon"));
    for (const QString &groesse : {QStringLiteral("scalable"), QStringLiteral("48x48"), QStringLiteral("256x256")}) {
        const QString endung = groesse == QLatin1String("scalable") ? QStringLiteral(".svg") : QStringLiteral(".png");
        QVERIFY2(QFileInfo::exists(
                     installiert(QStringLiteral("share/icons/hicolor/%1/apps/%2%3").arg(groesse, symbol, endung))),
                 qPrintable(groesse));
    }
    // The window class lets the desktop tie a running window to the entry.
    QCOMPARE(eintrag.value(QStringLiteral("StartupWMClass")), QStringLiteral("Kombiwerk"));

    QXmlStreamReader xml(DateiLesen(installiert(QStringLiteral("share/metainfo/de.kombiwerk.Kombiwerk.metainfo.xml"))));
    QString id, startbar, version;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("id"))
            id = xml.readElementText();
        else if (xml.name() == QLatin1String("launchable"))
            startbar = xml.readElementText();
        else if (xml.name() == QLatin1String("release"))
            version = xml.attributes().value(QLatin1String("version")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(id + QStringLiteral(".metainfo.xml"), QStringLiteral("de.kombiwerk.Kombiwerk.metainfo.xml"));
    QCOMPARE(startbar, QStringLiteral("kombiwerk.desktop"));
    QCOMPARE(version, QStringLiteral(KBW_PROJEKTVERSION));
}

void TstInstallation::befehlszeile_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<bool>("anzeige");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("aus"); // pattern for stdout
    QTest::addColumn<QString>("fehler"); // pattern for stderr, empty: anything

    const QString version =
        QStringLiteral("^Kombiwerk %1\n$").arg(QRegularExpression::escape(QStringLiteral(KBW_PROJEKTVERSION)));
    QTest::newRow("--version ohne Anzeige") << QStringList{"--version"} << false << 0 << version << "";
    QTest::newRow("-v ohne Anzeige") << QStringList{"-v"} << false << 0 << version << "";
    // Read as bundled letters, -reverse would hold a -v.
    QTest::newRow("Fensteroption und -v") << QStringList{"-reverse", "-v"} << false << 0 << version << "";
    QTest::newRow("--help ohne Anzeige")
        << QStringList{"--help"} << false << 0
        << "^Aufruf: .*kombiwerk \\[Optionen\\]\n.*-v, --version .*--hilfe-pruefen <Thema>"
        << "";
    QTest::newRow("-h") << QStringList{"-h"} << false << 0 << "Zeigt Versionsinformation an"
                        << "";
    QTest::newRow("unbekannte Option") << QStringList{"--zahlen"} << true << 1 << "^$"
                                       << "Unbekannte Option 'zahlen'";
    QTest::newRow("Dateiname") << QStringList{"reihen.txt"} << true << 1 << "^$"
                               << "keine Argumente: reihen.txt";
    QTest::newRow("Thema ohne Zahl") << QStringList{"--hilfe-pruefen", "Systemwahl"} << true << 1 << "^$"
                                     << "erwartet eine Themennummer";
}

void TstInstallation::befehlszeile()
{
    QFETCH(QStringList, argumente);
    QFETCH(bool, anzeige);
    QFETCH(int, exitCode);
    QFETCH(QString, aus);
    QFETCH(QString, fehler);

    const Lauf lauf = Ausfuehren(installiert(QStringLiteral("bin/kombiwerk")), argumente, umgebung(anzeige));
    QVERIFY2(lauf.exitCode == exitCode, qPrintable(lauf.aus + lauf.fehler));
    const QRegularExpression muster(aus, QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(muster.match(lauf.aus).hasMatch(), qPrintable(lauf.aus));
    QVERIFY2(lauf.fehler.contains(fehler), qPrintable(lauf.fehler));
}

void TstInstallation::programmFindetHilfe_data()
{
    QTest::addColumn<QString>("programm");
    QTest::addColumn<int>("thema");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("bericht");

    const QString sammlung =
        QStringLiteral("Hilfesammlung: %1\n").arg(installiert(QStringLiteral("share/kombiwerk/KBW.qhc")));
    const QString programm = QStringLiteral("bin/kombiwerk");
    QTest::newRow("installiert 1040") << programm << 1040 << 0
                                      << sammlung + "Thema 1040: qthelp://de.kombiwerk.hilfe/doc/systemwahl.html\n";
    QTest::newRow("installiert 1140") << programm << 1140 << 0
                                      << sammlung + "Thema 1140: qthelp://de.kombiwerk.hilfe/doc/systemtest-pro.html\n";
    QTest::newRow("installiert, kein Thema 1080")
        << programm << 1080 << 1 << sammlung + "Thema 1080: nicht in der Hilfe\n";
    QTest::newRow("im Bauordner")
        << QStringLiteral(KBW_PROGRAMM_IM_BAU) << 1010 << 0
        << QStringLiteral("Hilfesammlung: %1/app/KBW.qhc\n").arg(QStringLiteral(KBW_BAUORDNER))
            + "Thema 1010: qthelp://de.kombiwerk.hilfe/doc/programm.html\n";
    QTest::newRow("ohne Hilfe") << QStringLiteral("einzeln/kombiwerk") << 1010 << 1 << "Keine Hilfe gefunden: ";
}

void TstInstallation::programmFindetHilfe()
{
    QFETCH(QString, programm);
    QFETCH(int, thema);
    QFETCH(int, exitCode);
    QFETCH(QString, bericht);

    QTemporaryDir einzeln;
    if (programm.startsWith(QLatin1String("einzeln/"))) {
        // The program copied somewhere without its data folder.
        programm = einzeln.filePath(QStringLiteral("kombiwerk"));
        QVERIFY(QFile::copy(installiert(QStringLiteral("bin/kombiwerk")), programm));
    } else if (!QDir::isAbsolutePath(programm)) {
        programm = installiert(programm);
    }
    const Lauf lauf = Ausfuehren(programm, {QStringLiteral("--hilfe-pruefen"), QString::number(thema)}, umgebung(true));
    QVERIFY2(lauf.exitCode == exitCode, qPrintable(lauf.aus + lauf.fehler));
    // A found page goes to stdout, a missing one to stderr, among the platform's warnings.
    const QString ausgabe = exitCode == 0 ? lauf.aus : lauf.fehler;
    QVERIFY2(ausgabe.contains(bericht), qPrintable(ausgabe));
}

void TstInstallation::debianPaket()
{
    const QString dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (dpkgDeb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("dpkg-shlibdeps")).isEmpty())
        QSKIP("dpkg-deb or dpkg-shlibdeps is not installed");
    QTemporaryDir ziel;
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const Lauf cpack = Ausfuehren(QStringLiteral(KBW_CPACK),
                                  {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), ziel.path()}, env,
                                  QStringLiteral(KBW_BAUORDNER), 600000);
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.aus + cpack.fehler));
    const QStringList pakete = QDir(ziel.path()).entryList({QStringLiteral("kombiwerk_*.deb")}, QDir::Files);
    QCOMPARE(pakete.size(), 1);
    QVERIFY2(pakete.first().startsWith(QStringLiteral("kombiwerk_%1_").arg(QStringLiteral(KBW_PROJEKTVERSION))),
             qPrintable(pakete.first()));
    const QString paket = ziel.filePath(pakete.first());

    const Lauf felder =
        Ausfuehren(dpkgDeb, {QStringLiteral("-f"), paket, QStringLiteral("Package"), QStringLiteral("Depends")}, env);
    QCOMPARE(felder.exitCode, 0);
    QVERIFY2(felder.aus.startsWith(QStringLiteral("Package: kombiwerk\n")), qPrintable(felder.aus));
    // From dpkg-shlibdeps, and the two things the program loads at run time.
    for (const QString &abhaengig : {QStringLiteral("libqt6widgets6"), QStringLiteral("libqt6help6"),
                                     QStringLiteral("libqt6sql6-sqlite"), QStringLiteral("qt6-translations-l10n")})
        QVERIFY2(felder.aus.contains(abhaengig), qPrintable(abhaengig + QStringLiteral(" missing in ") + felder.aus));

    const Lauf inhalt = Ausfuehren(dpkgDeb, {QStringLiteral("-c"), paket}, env);
    QCOMPARE(inhalt.exitCode, 0);
    for (const QString &datei :
         {QStringLiteral("./usr/bin/kombiwerk"), QStringLiteral("./usr/bin/kbw-katalog"),
          QStringLiteral("./usr/share/kombiwerk/KBW.qhc"), QStringLiteral("./usr/share/kombiwerk/KBW.qch"),
          QStringLiteral("./usr/share/applications/kombiwerk.desktop"),
          QStringLiteral("./usr/share/metainfo/de.kombiwerk.Kombiwerk.metainfo.xml"),
          QStringLiteral("./usr/share/icons/hicolor/48x48/apps/kombiwerk.png")})
        QVERIFY2(inhalt.aus.contains(datei + QLatin1Char('\n')), qPrintable(datei));
    // Files owned by root, as dpkg expects of a package.
    QVERIFY2(!inhalt.aus.contains(
                 QRegularExpression(QStringLiteral("^\\S+ (?!root/root)"), QRegularExpression::MultilineOption)),
             qPrintable(inhalt.aus));
}

QTEST_GUILESS_MAIN(TstInstallation)
#include "tst_installation.moc"
