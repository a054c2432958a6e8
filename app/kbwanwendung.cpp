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
