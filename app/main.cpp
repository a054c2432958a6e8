#include "hilfeeinrichten.h"
#include "hilfesammlung.h"
#include "kbwanwendung.h"
#include "kbwversion.h"
#include "kbwzustand.h"
#include "programmablauf.h"
#include "start.h"
#include "tfmain.h"
#include "uebersetzung.h"

#include <QIcon>
#include <QLocale>
#include <QPointer>

#include <cstdio>

namespace {

void Ausgeben(const QString &text, std::FILE *ziel)
{
    std::fputs(text.toUtf8().constData(), ziel);
    std::fflush(ziel);
}

} // namespace

int main(int argc, char *argv[])
{
    // Gives the data folder its name: <per-user application data>/Kombiwerk
    QCoreApplication::setApplicationName(QStringLiteral("Kombiwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KBW_VERSION));
    // No display name: the window system would append it to every caption.

    {
        // --help and --version answer on a machine without a display too, so they are read
        // before the window system starts. The option texts are translated when the
        // options are made: after the translation is loaded.
        QCoreApplication vorab(argc, argv);
        DeutscheUebersetzungLaden(vorab);
        Befehlszeile befehlszeile;
        QString ausgabe;
        if (befehlszeile.vorabBeantworten(vorab.arguments(), ausgabe)) {
            Ausgeben(ausgabe, stdout);
            return 0;
        }
    }

    KbwAnwendung app(argc, argv);
    // Without a configured locale (the C locale) numbers still get German separators.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeutscheUebersetzungLaden(app);
    Befehlszeile befehlszeile;
    const QString fehler = befehlszeile.pruefen(app);
    if (!fehler.isEmpty()) {
        Ausgeben(fehler, stderr);
        return 1;
    }
    // Ties the windows to the desktop entry and its icon once the program is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("kombiwerk"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kombiwerk")));

    HilfeEinrichten(HilfeordnerFinden(QCoreApplication::applicationDirPath()));
    if (const std::optional<int> thema = befehlszeile.hilfethemaPruefen()) {
        QString bericht;
        const bool gefunden = HilfePruefen(*thema, bericht);
        Ausgeben(bericht, gefunden ? stdout : stderr);
        return gefunden ? 0 : 1;
    }
    // The start window closes before the main window is shown; the program ends with the main window.
    app.setQuitOnLastWindowClosed(false);

    KbwZustand zustand;
    QPointer<TFStart> start = new TFStart(zustand);
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->show();
    start->repaint();

    TFMain hauptfenster(zustand, start->datenordner());
    ProgrammablaufVerbinden(start, &hauptfenster);
    return app.exec();
}
