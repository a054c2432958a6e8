#include "kbwanwendung.h"

#include "meldungen.h"

#include <exception>
#include <new>

KbwAnwendung::KbwAnwendung(int &argc, char **argv) : QApplication(argc, argv) { }

bool KbwAnwendung::notify(QObject *empfaenger, QEvent *ereignis)
{
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::bad_alloc &) {
        Meldungen::Fehler(nullptr, QStringLiteral("Zu wenig Arbeitsspeicher."));
    } catch (const std::exception &fehler) {
        Meldungen::Fehler(nullptr, QString::fromLocal8Bit(fehler.what()));
    } catch (...) {
        Meldungen::Fehler(nullptr, QStringLiteral("Unbekannter Fehler."));
    }
    return false;
}

Befehlszeile::Befehlszeile()
    : m_hilfe(m_parser.addHelpOption()),
      m_version(m_parser.addVersionOption()),
      m_hilfePruefen(QStringLiteral("hilfe-pruefen"),
                     QStringLiteral("Prüft die Hilfe: öffnet das Thema <Thema> (etwa 1010), nennt "
                                    "Hilfesammlung und Seite und endet."),
                     QStringLiteral("Thema"))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Kombiwerk bildet Lottosysteme, löst sie in Tippreihen auf und testet sie gegen alle "
                       "Ziehungen."));
    // The window system's options (-platform, -style, -reverse) are single-dash words; read
    // as bundles of letters, -reverse would count as -v.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_hilfePruefen);
}

bool Befehlszeile::vorabBeantworten(const QStringList &argumente, QString &ausgabe)
{
    // Errors wait for pruefen(): the window system's options are not known here.
    m_parser.parse(argumente);
    if (m_parser.isSet(m_hilfe)) {
        ausgabe = m_parser.helpText();
        return true;
    }
    if (m_parser.isSet(m_version)) {
        ausgabe = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
            + QLatin1Char('\n');
        return true;
    }
    return false;
}

QString Befehlszeile::pruefen(const QCoreApplication &app)
{
    m_parser.process(app);
    const QStringList uebrig = m_parser.positionalArguments();
    if (!uebrig.isEmpty())
        return QStringLiteral("Kombiwerk erwartet keine Argumente: %1\n").arg(uebrig.join(QLatin1Char(' ')));
    m_hilfethema.reset();
    if (m_parser.isSet(m_hilfePruefen)) {
        bool zahl = false;
        const int thema = m_parser.value(m_hilfePruefen).toInt(&zahl);
        if (!zahl || thema <= 0)
            return QStringLiteral("--hilfe-pruefen erwartet eine Themennummer, etwa 1010.\n");
        m_hilfethema = thema;
    }
    return {};
}
