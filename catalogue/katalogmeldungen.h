#pragma once

#include <QString>

// German texts for the codes the catalogue core returns (the write helper's reasons are
// declared with it in dateischreiben.h and made here too).
