#pragma once

#include <QString>

class Hilfefenster;

// Installs the help viewer behind Hilfe::Hilfethema and Hilfe::Hilfesuche. The viewer
// window is created on the first request and kept until the program ends. When the help
// collection beside the program is missing or unusable, requests do nothing.
void HilfeEinrichten(const QString &programmordner);

// The viewer window once a request has opened it, else nullptr.
Hilfefenster *OffenesHilfefenster();

// For packagers and bug reports: opens the help at a topic through Hilfe::Hilfethema, as the
// pages do, and closes it again. bericht names the collection and the page shown, or why
// there was none. Returns false when the help is missing or lacks the topic. Needs
// HilfeEinrichten first.
bool HilfePruefen(int thema, QString &bericht);
