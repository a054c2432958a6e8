#include "versionsdatei.h"

Versionsangabe VersionsdateiLesen(const QByteArray &inhalt)
{
    const qsizetype groesse = inhalt.size();
    if (groesse < VersionssatzGroesse)
        return {VersionsdateiFehler::KeinSatz, QString()};
    if (groesse % VersionssatzGroesse != 0)
        return {VersionsdateiFehler::Abgeschnitten, QString()};
    const char *satz = inhalt.constData() + groesse - VersionssatzGroesse;
    const int laenge = static_cast<unsigned char>(satz[8]);
    if (laenge > VersionstextMax)
        return {VersionsdateiFehler::UngueltigeLaenge, QString()};
    return {VersionsdateiFehler::Keiner, QString::fromLatin1(satz + 9, laenge)};
}
