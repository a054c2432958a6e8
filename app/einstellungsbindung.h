#pragma once

#include "einstellungen.h"

class QWidget;

// Puts the values into the controls of `fenster`, found by name, in the table's order. Each
// set runs the control's change reaction like a user's change: sliders and scroll bars only
// when the value really changes (the value is clamped to the range), check boxes and radio
// groups always. Keys whose control does not exist are skipped.
void EinstellungenInSteuerelemente(QWidget *fenster, const Einstellungswerte &werte);

// The current values of the controls; a key whose control does not exist keeps its value
// from `vorher`, so it is written back as it was read.
Einstellungswerte EinstellungenAusSteuerelementen(QWidget *fenster, const Einstellungswerte &vorher);
