#pragma once

#include <QString>

// German texts for the codes the catalogue core returns (the write helper's reasons are
// declared with it in dateischreiben.h and made here too).

struct EsyIndexErgebnis;

// Why the own-system index could not be loaded, as a sentence (empty when it was).
QString EsyIndexLeseGrund(const EsyIndexErgebnis &e);
