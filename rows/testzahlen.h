#pragma once

class QWidget;
struct KbwZustand;

// Presets the figures of the "Systemtest" page for the chosen system: the operation count
// in LKombiAnz and the system description of LBeschreibung in LBeschreibung2. The labels are
// looked up by name in the window of `fenster`; does nothing without a chosen system.
void TestzahlenSetzen(QWidget *fenster, const KbwZustand &zustand);
