#pragma once

class QWidget;
struct KbwZustand;

// "Tippreihen bilden" and "Verteilung anzeigen" of either page: checks the system, expands it
// (shuffled when the window's check box cbMischen is ticked), shows any message and fills the
// statistics board "p1" of the window. With reihen set the test figures are set afterwards.
// Returns true when the rows were built.
bool TippreihenBilden(QWidget *seite, KbwZustand &zustand, bool reihen);
