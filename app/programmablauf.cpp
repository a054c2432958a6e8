#include "programmablauf.h"

#include "start.h"
#include "tfmain.h"

#include <QCoreApplication>
#include <QPointer>

void ProgrammablaufVerbinden(TFStart *start, TFMain *hauptfenster, std::function<void()> beenden)
{
    QPointer<TFStart> startfenster(start);
    QObject::connect(hauptfenster, &TFMain::beendet, hauptfenster, [startfenster] {
        if (startfenster)
            startfenster->ueberblendungBeenden();
    });
    // exit() rather than quit(): quit() first asks every window to close and gives up when one
    // refuses, which left an invisible process behind.
    if (!beenden)
        beenden = [] { QCoreApplication::exit(0); };
    QObject::connect(hauptfenster, &TFMain::beendet, qApp, std::move(beenden), Qt::QueuedConnection);
    start->setHauptfenster(hauptfenster);
    start->setInitializationDone(true);
}
