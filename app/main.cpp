#include "start.h"
#include "uebersetzung.h"
#include "var_def.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Gives the data folder its name: <per-user application data>/Kombiwerk
    QCoreApplication::setApplicationName(QStringLiteral("Kombiwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.8.2.0"));
    // Without a configured locale (the C locale) numbers still get German separators.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeutscheUebersetzungLaden(app);

    KbwZustand zustand;
    TFStart start(zustand);
    start.show();
    start.setInitializationDone(true);
    return app.exec();
}
