#pragma once

class QWidget;
struct Rueckmeldung;

// Shows what a core routine wants the user to be told, through the message helper.
void RueckmeldungZeigen(QWidget *eltern, const Rueckmeldung &meldung);
