#include "tippreihenbilden.h"

#include "rueckmeldungzeigen.h"
#include "statistiktafel.h"
#include "systemanwenden.h"
#include "testzahlen.h"
#include "var_def.h"
#include "zufall.h"

#include <QCheckBox>

bool TippreihenBilden(QWidget *seite, KbwZustand &zustand, bool reihen)
{
    QWidget *fenster = seite->window();
    const auto *mischen = fenster->findChild<QCheckBox *>(QStringLiteral("cbMischen"));

    Zufallsgenerator generator;
    generator.vonUhrSetzen();
    const Anwendungsergebnis ergebnis = SystemAnwenden(zustand, reihen, mischen && mischen->isChecked(), generator);

    if (ergebnis.vorbereitet) {
        if (auto *tafel = fenster->findChild<Statistiktafel *>(QStringLiteral("p1")))
            tafel->anzeigen(zustand.Zahlenhaeufigkeit, ergebnis.reihenAnzahl);
        // An expansion that broke off leaves the emptied grid hidden until rows are built again.
        if (auto *g1 = fenster->findChild<QWidget *>(QStringLiteral("g1")))
            g1->setVisible(ergebnis.gebildet);
    }
    RueckmeldungZeigen(seite, ergebnis.meldung);

    // Without a system nothing else happens; otherwise the test figures follow the attempt.
    if (reihen && zustand.Systemindex >= 0)
        TestzahlenSetzen(seite, zustand);
    return ergebnis.gebildet;
}
