#include "rueckmeldungzeigen.h"

#include "meldungen.h"
#include "rueckmeldung.h"

void RueckmeldungZeigen(QWidget *eltern, const Rueckmeldung &meldung)
{
    if (meldung.art == Rueckmeldung::Art::Information)
        Meldungen::Information(eltern, meldung.text);
    else if (meldung.art == Rueckmeldung::Art::Fehler)
        Meldungen::Fehler(eltern, meldung.text);
}
