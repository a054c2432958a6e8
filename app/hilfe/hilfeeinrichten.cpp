#include "hilfeeinrichten.h"

#include "hilfeaufruf.h"
#include "hilfefenster.h"
#include "hilfesammlung.h"

#include <QApplication>
#include <QDir>
#include <QHelpEngine>
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

bool HilfePruefen(int thema, QString &bericht)
{
    const Hilfesammlung sammlung(programmordner);
    if (!sammlung.vorhanden()) {
        bericht = QStringLiteral("Keine Hilfe gefunden: %1 fehlt.\n")
                      .arg(QDir::toNativeSeparators(sammlung.sammlungsdatei()));
        return false;
    }
    bericht = QStringLiteral("Hilfesammlung: %1\n").arg(QDir::toNativeSeparators(sammlung.sammlungsdatei()));
    Hilfe::Hilfethema(thema);
    Hilfefenster *f = OffenesHilfefenster();
    if (!f) {
        bericht += QStringLiteral("Die Hilfe lässt sich nicht öffnen.\n");
        return false;
    }
    const bool gefunden = HilfethemaUrl(*f->engine(), thema).isValid();
    if (gefunden)
        bericht += QStringLiteral("Thema %1: %2\n").arg(thema).arg(f->aktuelleSeite().toString());
    else
        bericht += QStringLiteral("Thema %1: nicht in der Hilfe\n").arg(thema);
    delete f;
    return gefunden;
}
