#pragma once

#include "dateischreiben.h"
#include "katalogdatei.h"

#include <string>
#include <vector>

// Replaces the readable catalogue at pfad through the write helper: on failure (full disk,
// read-only file, ...) the old file stays byte for byte and nothing is left beside it.
[[nodiscard]] SchreibErgebnis KatalogSchreiben(const std::string &pfad, const std::vector<KatalogEintrag> &eintraege,
                                               const std::string &kopf);
