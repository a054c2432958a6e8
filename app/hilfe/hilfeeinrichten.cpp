#include "hilfeeinrichten.h"

#include "hilfeaufruf.h"
#include "hilfefenster.h"
#include "hilfesammlung.h"

#include <QApplication>
#include <QPointer>

namespace {

QString programmordner;
QPointer<Hilfefenster> fenster;

Hilfefenster *FensterHolen()
{
    if (fenster)
        return fenster;
    const QString kopie = Hilfesammlung(programmordner).arbeitskopieBereitstellen();
    if (kopie.isEmpty())
        return nullptr;
    auto *neu = new Hilfefenster(kopie);
    if (!neu->bereit()) {
        delete neu;
        return nullptr;
    }
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, neu, &QObject::deleteLater);
    fenster = neu;
    return neu;
}

} // namespace

void HilfeEinrichten(const QString &ordner)
{
    if (ordner != programmordner)
        delete fenster.data();
    programmordner = ordner;
    Hilfe::AnzeigerSetzen({[](int thema) {
                               if (Hilfefenster *f = FensterHolen())
                                   f->Hilfethema(thema);
                           },
                           [] {
                               if (Hilfefenster *f = FensterHolen())
                                   f->Hilfesuche();
                           }});
}

Hilfefenster *OffenesHilfefenster()
{
    return fenster;
}
