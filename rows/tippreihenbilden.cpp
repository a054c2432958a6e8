#include "tippreihenbilden.h"

#include "meldungen.h"
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

    static Zufallsgenerator generator;
    generator.vonUhrSetzen();
    const Anwendungsergebnis ergebnis = SystemAnwenden(zustand, reihen, mischen && mischen->isChecked(), generator);

    if (ergebnis.vorbereitet) {
        if (auto *tafel = fenster->findChild<Statistiktafel *>(QStringLiteral("p1")))
            tafel->anzeigen(zustand.Zahlenhaeufigkeit, ergebnis.reihenAnzahl);
        // An expansion that broke off leaves the emptied grid hidden until rows are built again.
        if (auto *g1 = fenster->findChild<QWidget *>(QStringLiteral("g1")))
            g1->setVisible(ergebnis.gebildet);
    }
    if (ergebnis.meldung.art == Rueckmeldung::Art::Information)
        Meldungen::Information(seite, ergebnis.meldung.text);
    else if (ergebnis.meldung.art == Rueckmeldung::Art::Fehler)
        Meldungen::Fehler(seite, ergebnis.meldung.text);

    // Without a system nothing else happens; otherwise the test figures follow the attempt.
    if (reihen && zustand.Systemindex >= 0)
        TestzahlenSetzen(seite, zustand);
    return ergebnis.gebildet;
}
