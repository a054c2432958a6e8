#pragma once

#include "auswahlzustand.h"
#include "eigenereihenzustand.h"
#include "katalogzustand.h"
#include "reihenzustand.h"

#include <QString>

// The program's state, composed of each subsystem's own piece. One instance, created by the
// program's entry; windows and pages get the pieces they work on.
struct KbwZustand : KatalogZustand, AuswahlZustand, ReihenZustand, EigeneReihenZustand
{
    QString Datenordner; // per-user data folder; start folder of the file dialogs
    int Bildschirmbreite = 0; // size of the first monitor
    int Bildschirmhoehe = 0;
};
