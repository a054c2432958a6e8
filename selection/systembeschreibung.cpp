#include "systembeschreibung.h"

#include "auswahlzustand.h"
#include "katalogzustand.h"

namespace {

QString Garantieteil(int ga)
{
    return ga > 0 ? QStringLiteral("mit %1er Garantie.").arg(ga) : QStringLiteral("ohne Garantie.");
}

QString EigenerText(int wz, int tr, int rg, int ga)
{
    return QStringLiteral("\"Eigenes System\" für %1 Wahlzahlen in %2 Tippreihen à %3 Zahlen ").arg(wz).arg(tr).arg(rg)
        + Garantieteil(ga);
}

} // namespace

QString SystemBeschreibung(int reihengroesse, const TSysteme &s)
{
    const int d = reihengroesse - s.RG;
    QString bz;
    if (d < 0)
        bz = QStringLiteral("in ");
    else if (d == 0)
        bz = QStringLiteral("ohne Bankzahl in ");
    else if (d == 1)
        bz = QStringLiteral("plus eine Bankzahl in ");
    else
        bz = QStringLiteral("plus %1 Bankzahlen in ").arg(d);

    QString text = QStringLiteral("Gewählt wurde ein System für %1 Wahlzahlen ").arg(s.WZ) + bz
        + QStringLiteral("%1 Tippreihen ").arg(s.TR) + Garantieteil(s.GA);
    if (s.GA == s.RG) {
        if (d == 0)
            text += QStringLiteral("\nEin klassisches Vollsystem.");
        else if (d == 1)
            text += QStringLiteral("\nEin \"Vollsystem\" auf einer Bankzahl.");
        else if (d > 1)
            text += QStringLiteral("\nEin \"Vollsystem\" auf %1 Bankzahlen.").arg(d);
    }
    return text;
}

QString EigenesSystemBeschreibung(const TSysteme &s)
{
    return EigenerText(s.WZ, s.TR, s.RG, s.GA);
}

QString EigeneReihenBeschreibung(int pool, int reihen, int reihengroesse, int garantie)
{
    return EigenerText(pool, reihen, reihengroesse, garantie);
}

Systemwahl GewaehltesSystem(Auswahlkontext k, int index)
{
    Systemwahl w;
    const QString fehler = QStringLiteral(
        "Das System enthält nicht die für seine Anwendung erforderlichen Angaben.\n\nIch muss abbrechen.");
    // An index outside the list has no data to apply; it is refused like an unusable system.
    if (index < 0 || index >= int(k.katalog.Systemliste.size())) {
        w.fehler = fehler;
        return w;
    }
    const TSysteme &s = k.katalog.Systemliste[index];
    if (k.auswahl.Tippreihengroesse <= 0)
        k.auswahl.Tippreihengroesse = s.RG;
    if (k.auswahl.Tippreihengroesse <= 1) {
        w.fehler = fehler;
        return w;
    }

    w.beschreibung = index < k.katalog.AnzahlStandardsysteme ? SystemBeschreibung(k.auswahl.Tippreihengroesse, s)
                                                             : EigenesSystemBeschreibung(s);
    k.auswahl.BankzahlenSoll = k.auswahl.Tippreihengroesse - s.RG;
    k.auswahl.PoolSoll = s.WZ;
    w.pool = QString::number(s.WZ);
    w.bankzahlenZeigen = k.auswahl.BankzahlenSoll >= 0;
    if (w.bankzahlenZeigen)
        w.bankzahlen = QString::number(k.auswahl.BankzahlenSoll);
    k.auswahl.Systembeschreibung = w.beschreibung;
    w.gewaehlt = true;
    return w;
}
