#include "systemwahlanzeige.h"

#include "meldungen.h"
#include "systembeschreibung.h"

#include <QLabel>

bool GewaehltesSystem(Auswahlkontext zustand, int index, QLabel *lBeschreibung, QLabel *pPool, QLabel *pBZ,
                      QWidget *eltern)
{
    const Systemwahl w = GewaehltesSystem(zustand, index);
    if (!w.gewaehlt) {
        Meldungen::Fehler(eltern, w.fehler);
        return false;
    }
    if (lBeschreibung)
        lBeschreibung->setText(w.beschreibung);
    if (pPool)
        pPool->setText(w.pool);
    if (pBZ && w.bankzahlenZeigen)
        pBZ->setText(w.bankzahlen);
    return true;
}
