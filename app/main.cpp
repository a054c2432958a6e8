#include "hilfeeinrichten.h"
#include "kbwanwendung.h"
#include "kbwversion.h"
#include "kbwzustand.h"
#include "programmablauf.h"
#include "start.h"
#include "tfmain.h"
#include "uebersetzung.h"

#include <QLocale>
#include <QPointer>

int main(int argc, char *argv[])
{
    KbwAnwendung app(argc, argv);
    // Gives the data folder its name: <per-user application data>/Kombiwerk
    QCoreApplication::setApplicationName(QStringLiteral("Kombiwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KBW_VERSION));
    // No display name: the window system would append it to every caption.
    // Without a configured locale (the C locale) numbers still get German separators.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeutscheUebersetzungLaden(app);
    HilfeEinrichten(QCoreApplication::applicationDirPath());
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
