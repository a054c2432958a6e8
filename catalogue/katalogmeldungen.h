#pragma once

#include <QString>

// German texts for the codes the catalogue core returns (the write helper's reasons are
// declared with it in dateischreiben.h and made here too).

struct EsyIndexErgebnis;
struct EsyReihenErgebnis;

// Why the own-system index could not be loaded, as a sentence (empty when it was).
QString EsyIndexLeseGrund(const EsyIndexErgebnis &e);

// Why an own system's row file cannot be used, as a sentence (empty when it can): datei
// opens the sentences about the whole file ("Die Datei mit den Systemreihen "), zeile those
// about one of its lines.
QString EsyReihenFehlerSatz(const EsyReihenErgebnis &e, const QString &datei, const QString &zeile);
