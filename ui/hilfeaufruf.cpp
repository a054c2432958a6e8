#include "hilfeaufruf.h"

namespace {

Hilfe::Anzeiger anzeiger;
HilfeAttrappe *aktiveAttrappe = nullptr;

} // namespace

namespace Hilfe {

void Hilfethema(int thema)
{
    if (aktiveAttrappe)
        aktiveAttrappe->aufrufen(thema);
    else if (anzeiger.thema)
        anzeiger.thema(thema);
}

void Hilfesuche()
{
    if (aktiveAttrappe)
        aktiveAttrappe->aufrufen(-1);
    else if (anzeiger.suche)
        anzeiger.suche();
}

void AnzeigerSetzen(Anzeiger neu)
{
    anzeiger = std::move(neu);
}

} // namespace Hilfe

HilfeAttrappe::HilfeAttrappe() : m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

HilfeAttrappe::~HilfeAttrappe()
{
    aktiveAttrappe = m_vorher;
}
