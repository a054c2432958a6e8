#include "systembeschreibung.h"

#include "var_def.h"

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

Systemwahl GewaehltesSystem(KbwZustand &zustand, int index)
{
    Systemwahl w;
    const QString fehler = QStringLiteral(
        "Das System enthält nicht die für seine Anwendung erforderlichen Angaben.\n\nIch muss abbrechen.");
    // An index outside the list has no data to apply; it is refused like an unusable system.
    if (index < 0 || index >= int(zustand.Systemliste.size())) {
        w.fehler = fehler;
        return w;
    }
    const TSysteme &s = zustand.Systemliste[index];
    if (zustand.Tippreihengroesse <= 0)
        zustand.Tippreihengroesse = s.RG;
    if (zustand.Tippreihengroesse <= 1) {
        w.fehler = fehler;
        return w;
    }

    w.beschreibung = index < zustand.AnzahlStandardsysteme ? SystemBeschreibung(zustand.Tippreihengroesse, s)
                                                           : EigenesSystemBeschreibung(s);
    zustand.BankzahlenSoll = zustand.Tippreihengroesse - s.RG;
    zustand.PoolSoll = s.WZ;
    w.pool = QString::number(s.WZ);
    w.bankzahlenZeigen = zustand.BankzahlenSoll >= 0;
    if (w.bankzahlenZeigen)
        w.bankzahlen = QString::number(zustand.BankzahlenSoll);
    w.gewaehlt = true;
    return w;
}
