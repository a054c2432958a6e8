#include "hilfeeinrichten.h"

#include "hilfeaufruf.h"
#include "hilfefenster.h"
#include "hilfesammlung.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QString programmordner;
QPointer<Hilfefenster> fenster;

// The search widgets of the help module bring their own texts.
void UebersetzungLaden()
{
    static bool geladen = false;
    if (geladen)
        return;
    geladen = true;
    auto *uebersetzer = new QTranslator(qApp);
    if (uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qt_help"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzer);
    else
        delete uebersetzer;
}

Hilfefenster *FensterHolen()
{
    if (fenster)
        return fenster;
    const QString kopie = Hilfesammlung(programmordner).arbeitskopieBereitstellen();
    if (kopie.isEmpty())
        return nullptr;
    UebersetzungLaden();
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
