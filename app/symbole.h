#pragma once

#include <QIcon>

enum class Werkzeugsymbol { Beenden, NueberK, Kalender, Taschenrechner, Update, Position, Hilfe };

// The tool-bar icon: from the desktop's icon theme when it has one, else drawn simply.
QIcon SymbolFuer(Werkzeugsymbol symbol);
