#include "testzahlen.h"

#include "routinen.h"
#include "var_def.h"

#include <QLabel>
#include <QLocale>

void TestzahlenSetzen(QWidget *fenster, const KbwZustand &zustand)
{
    if (!fenster || zustand.Systemindex < 0 || zustand.Systemindex >= int(zustand.Systemliste.size()))
        return;
    QWidget *hauptfenster = fenster->window();
    const TSysteme &s = zustand.Systemliste[zustand.Systemindex];
    if (auto *kombiAnz = hauptfenster->findChild<QLabel *>(QStringLiteral("LKombiAnz")))
        kombiAnz->setText(QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, s.WZ, s.RG, 2))));
    auto *beschreibung = hauptfenster->findChild<QLabel *>(QStringLiteral("LBeschreibung"));
    auto *beschreibung2 = hauptfenster->findChild<QLabel *>(QStringLiteral("LBeschreibung2"));
    if (beschreibung && beschreibung2)
        beschreibung2->setText(beschreibung->text());
}
