#include "systemfilter.h"

#include "katalogzustand.h"
#include "routinen.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

int MaxBankzahlen(int reihengroesse)
{
    if (reihengroesse < 4 || reihengroesse > 10)
        return 0;
    return std::min(reihengroesse - MindestRG(reihengroesse), 4);
}

std::int64_t RundenHalbGerade(double x)
{
    const double unten = std::floor(x);
    const double rest = x - unten;
    auto n = std::int64_t(unten);
    if (rest > 0.5)
        return n + 1;
    if (rest < 0.5)
        return n;
    return n % 2 == 0 ? n : n + 1;
}

namespace {

struct Band
{
    int von;
    int bis;
};

// Row counts that count as alike; the bands overlap on purpose.
constexpr Band Reihenbaender[] = {{std::numeric_limits<int>::min(), 12},
                                  {10, 20},
                                  {18, 30},
                                  {28, 40},
                                  {36, 48},
                                  {44, 60},
                                  {54, 72},
                                  {66, 88},
                                  {80, 104},
                                  {96, 124}};

} // namespace

bool TRAbweichung(int tr, int gewuenscht)
{
    for (const Band &b : Reihenbaender) {
        if (tr >= b.von && tr <= b.bis && gewuenscht >= b.von && gewuenscht <= b.bis)
            return false;
    }
    // The divisor is the decimal 1.333333 rather than 4/3: it decides the lower edge.
    const std::int64_t unten = RundenHalbGerade(gewuenscht / 1.333333);
    const std::int64_t oben = RundenHalbGerade(gewuenscht * 1.25);
    return tr < unten || tr > oben;
}

bool TRAbweichung(int tr, int gewuenscht, const Filtereinstellungen &e)
{
    if (e.reihenEgal || e.reihenFest)
        return false;
    return TRAbweichung(tr, gewuenscht);
}

QString FilterEintrag(const TSysteme &s, int bankzahlen)
{
    QString bz;
    if (bankzahlen == 0)
        bz = QStringLiteral("ohne BZ in ");
    else if (bankzahlen == 1)
        bz = QStringLiteral("plus eine BZ in ");
    else
        bz = QStringLiteral("plus %1 BZ in ").arg(bankzahlen);
    const QString garantie = s.GA > 0 ? QStringLiteral("mit %1er Garantie").arg(s.GA) : QStringLiteral("ohne Garantie");
    return QString::number(s.WZ) + QStringLiteral(" Wahlzahlen ") + bz + QString::number(s.TR)
        + QStringLiteral(" Tippreihen ") + garantie;
}

bool Zwang(const Filtereinstellungen &e)
{
    return e.bankzahlenVergleich == BankzahlenGenau && e.garantie + e.bankzahlen >= e.reihengroesse && !e.bankzahlenEgal
        && !e.garantieEgal;
}

std::int64_t Vollsystemreihen(const Filtereinstellungen &e)
{
    return NueberK(e.pool - e.bankzahlen, e.reihengroesse - e.bankzahlen);
}

QString GefundenText(int anzahl)
{
    if (anzahl == 0)
        return QStringLiteral("Keine Systeme gefunden");
    if (anzahl == 1)
        return QStringLiteral("Ein System gefunden");
    return QLocale().toString(anzahl) + QStringLiteral(" Systeme gefunden");
}

Filterergebnis SystemeFiltern(const std::vector<TSysteme> &systemliste, int biggestZZ, const Filtereinstellungen &e)
{
    Filterergebnis erg;
    Filtereinstellungen f = e;
    const int r = f.reihengroesse;
    erg.tippreihengroesse = r;

    int hoechste = 0;
    int niedrigste = 0;
    if (f.bankzahlenEgal) {
        hoechste = f.bankzahlenMax;
    } else {
        hoechste = f.bankzahlen;
        niedrigste = f.bankzahlenVergleich == BankzahlenMaximal ? 0 : f.bankzahlen;
    }
    hoechste = std::min(hoechste, MaxBankzahlen(r));

    // A guarantee above what the rows without bankers can hold is lowered and stays so.
    if (!f.garantieEgal && r - hoechste < f.garantie) {
        f.garantie = r - hoechste;
        f.garantieVergleich = GarantieGenau;
        f.reihenFest = Zwang(f);
        erg.garantieGekappt = true;
    }
    erg.einstellungen = f;

    for (int b = std::max(niedrigste, 0); b <= hoechste; ++b) {
        for (int i = 0; i < int(systemliste.size()); ++i) {
            const TSysteme &s = systemliste[i];
            if (s.RG + b != r || s.WZ + b > biggestZZ)
                continue;
            if (!f.poolEgal && s.WZ + b != f.pool)
                continue;
            if (!f.garantieEgal) {
                const bool passt = f.garantieVergleich == GarantieMindestens ? s.GA >= f.garantie : s.GA == f.garantie;
                if (!passt)
                    continue;
            }
            if (TRAbweichung(s.TR, f.reihen, f))
                continue;
            erg.zeilen.append(FilterEintrag(s, b));
            erg.filterliste.push_back(i);
        }
    }
    return erg;
}
