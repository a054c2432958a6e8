#include "gruppensuche.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <random>
#include <sstream>

namespace {

using Uhr = std::chrono::steady_clock;

double sekundenSeit(Uhr::time_point start)
{
    return std::chrono::duration<double>(Uhr::now() - start).count();
}

Block naechsteGleichVieleBits(Block b)
{
    const Block c = b & (~b + 1);
    const Block r = b + c;
    return (((r ^ b) >> 2) / c) | r;
}

Block anwenden(Block b, const Permutation &p)
{
    Block r = 0;
    for (; b; b &= b - 1)
        r |= Block(1) << p[__builtin_ctzll(b)];
    return r;
}

// Arithmetic in GF(q), q = p or p^2; element a + b*alpha is stored as a + b*p, alpha^2 = c.
struct Koerper
{
    int p = 0, q = 0, c = 0;
    std::vector<int> mal; // q*q table
    bool init(int ordnung)
    {
        q = ordnung;
        for (int x = 2; x <= q; ++x) {
            if (q % x)
                continue;
            p = x;
            break;
        }
        int grad = 0;
        for (int r = q; r > 1 && r % p == 0; r /= p)
            ++grad;
        int pot = 1;
        for (int i = 0; i < grad; ++i)
            pot *= p;
        if (pot != q || grad > 2)
            return false;
        if (grad == 2) {
            // A non-square c makes x^2 - c irreducible.
            for (c = 2; c < p; ++c) {
                bool quadrat = false;
                for (int y = 1; y < p; ++y)
                    quadrat |= y * y % p == c;
                if (!quadrat)
                    break;
            }
            if (p == 2)
                return false;
        }
        mal.assign(std::size_t(q) * q, 0);
        for (int x = 0; x < q; ++x)
            for (int y = 0; y < q; ++y) {
                const int a = x % p, b = x / p, d = y % p, e = y / p;
                const int re = (a * d + b * e % p * c) % p;
                const int im = (a * e + b * d) % p;
                mal[std::size_t(x) * q + y] = grad == 2 ? re + im * p : x * y % p;
            }
        return true;
    }
    int plus(int x, int y) const { return (x % p + y % p) % p + ((x / p + y / p) % p) * p; }
    int produkt(int x, int y) const { return mal[std::size_t(x) * q + y]; }
    int inverses(int x) const
    {
        for (int y = 1; y < q; ++y)
            if (produkt(x, y) == 1)
                return y;
        return 0;
    }
    int negativ(int x) const { return ((p - x % p) % p) + ((p - x / p % p) % p) * p; }
    int primitiv() const
    {
        for (int w = 2; w < q; ++w) {
            int x = w, ordnung = 1;
            while (x != 1) {
                x = produkt(x, w);
                ++ordnung;
            }
            if (ordnung == q - 1)
                return w;
        }
        return 1;
    }
};

bool projektiveGruppe(int q, bool speziell, int v, std::vector<Permutation> &erzeuger, std::string &fehler)
{
    Koerper f;
    if (!f.init(q) || v != q + 1) {
        fehler = "needs v = q + 1 with q a prime or the square of an odd prime";
        return false;
    }
    const int unendlich = q;
    const int w = f.primitiv();
    Permutation verschieben(v), strecken(v), kehren(v);
    for (int z = 0; z < q; ++z) {
        verschieben[z] = std::uint8_t(f.plus(z, 1));
        strecken[z] = std::uint8_t(f.produkt(z, speziell ? f.produkt(w, w) : w));
        // z -> -1/z for PSL (determinant 1), z -> 1/z for PGL.
        const int inv = z == 0 ? unendlich : f.inverses(z);
        kehren[z] = std::uint8_t(z == 0 ? unendlich : (speziell ? f.negativ(inv) : inv));
    }
    verschieben[unendlich] = strecken[unendlich] = std::uint8_t(unendlich);
    kehren[unendlich] = 0;
    erzeuger = {verschieben, strecken, kehren};
    return true;
}

} // namespace

bool GruppeLesen(const std::string &beschreibung, int v, std::vector<Permutation> &erzeuger, std::string &fehler)
{
    erzeuger.clear();
    if (beschreibung.rfind("pgl:", 0) == 0 || beschreibung.rfind("psl:", 0) == 0)
        return projektiveGruppe(std::atoi(beschreibung.c_str() + 4), beschreibung[1] == 's', v, erzeuger, fehler);
    int m = 0, r = 0, f = 0, a = 0, s = 0;
    char c1, c2, c3, c4;
    std::istringstream in(beschreibung);
    if (!(in >> m >> c1 >> r >> c2 >> f >> c3 >> a >> c4 >> s) || m < 1 || r < 1 || f < 0 || r * m + f != v) {
        fehler = "group '" + beschreibung + "' does not describe " + std::to_string(v) + " points";
        return false;
    }
    Permutation drehen(v), multiplizieren(v);
    for (int p = 0; p < v; ++p)
        drehen[p] = multiplizieren[p] = std::uint8_t(p);
    for (int i = 0; i < r; ++i)
        for (int x = 0; x < m; ++x) {
            drehen[i * m + x] = std::uint8_t(i * m + (x + 1) % m);
            multiplizieren[i * m + x] = std::uint8_t(((i + s) % r) * m + (a * x) % m);
        }
    erzeuger.push_back(drehen);
    bool identisch = true;
    for (int p = 0; p < v; ++p)
        identisch &= multiplizieren[p] == p;
    std::vector<bool> bild(v, false);
    for (int p = 0; p < v; ++p)
        bild[multiplizieren[p]] = true;
    if (std::count(bild.begin(), bild.end(), false) > 0) {
        fehler = "multiplier " + std::to_string(a) + " is not invertible modulo " + std::to_string(m);
        return false;
    }
    if (!identisch)
        erzeuger.push_back(multiplizieren);
    return true;
}

namespace {

// Order of a modulo m, 0 when a is not a unit.
int ordnungModulo(int a, int m)
{
    if (std::gcd(a, m) != 1)
        return 0;
    int x = a % m, k = 1;
    for (; x != 1 % m; ++k)
        x = x * a % m;
    return k;
}

} // namespace

std::vector<std::string> SiebGruppen(int v, int zeilen)
{
    std::vector<std::string> gruppen;
    auto dazu = [&](int m, int r, int f, int a) {
        for (int s = 0; s <= (r > 1 ? 1 : 0); ++s)
            gruppen.push_back(std::to_string(m) + ',' + std::to_string(r) + ',' + std::to_string(f) + ',' +
                              std::to_string(a) + ',' + std::to_string(s));
    };
    for (int f = 0; f <= 3; ++f)
        for (int r = 1; r <= 4; ++r)
            if ((v - f) % r == 0 && (v - f) / r >= 3)
                for (int m = (v - f) / r, a = 1; a < m; ++a)
                    if (const int o = ordnungModulo(a, m); o > 0 && o <= 6)
                        dazu(m, r, f, a);
    for (int f = 0; f <= 10; ++f)
        for (int r = 1; r <= 10; ++r) {
            const int m = (v - f) / r;
            if ((r <= 4 && f <= 3) || (v - f) % r != 0 || m < 3)
                continue;
            if (zeilen % m != 0 && !(m % 2 == 0 && zeilen % (m / 2) == 0))
                continue;
            for (int a = 1; a < m; ++a)
                if (const int o = ordnungModulo(a, m); o > 0 && o <= 3 && (a == 1 || zeilen % (m * o) == 0))
                    dazu(m, r, f, a);
        }
    // The same fields the projective groups are built over.
    const int q = v - 1;
    if (Koerper k; q >= 2 && k.init(q)) {
        gruppen.push_back("pgl:" + std::to_string(q));
        gruppen.push_back("psl:" + std::to_string(q));
    }
    return gruppen;
}

std::vector<Block> Bahn(Block b, const std::vector<Permutation> &erzeuger)
{
    std::vector<Block> bahn{b};
    for (std::size_t i = 0; i < bahn.size(); ++i)
        for (const auto &g : erzeuger) {
            const Block x = anwenden(bahn[i], g);
            if (std::find(bahn.begin(), bahn.end(), x) == bahn.end())
                bahn.push_back(x);
        }
    return bahn;
}

namespace {

// Orbits of all r-sets: a representative and the length of each, and (when wanted) the
// orbit number of every r-set by its colex rank.
struct Bahnen
{
    std::vector<Block> vertreter;
    std::vector<std::uint32_t> laenge;
    std::vector<std::uint32_t> nummer; // colex rank -> orbit, filled when merken
};

Bahnen bahnenBilden(int v, int r, const std::vector<Permutation> &erzeuger, bool merken)
{
    Bahnen b;
    const std::uint64_t n = binomialtafel.c[v][r];
    std::vector<std::uint64_t> besucht((n + 63) / 64, 0);
    if (merken)
        b.nummer.assign(n, 0);
    std::vector<Block> warteschlange;
    Block x = (Block(1) << r) - 1;
    for (std::uint64_t rang = 0; rang < n; ++rang, x = naechsteGleichVieleBits(x)) {
        if (besucht[rang / 64] >> (rang % 64) & 1u)
            continue;
        const auto id = std::uint32_t(b.vertreter.size());
        warteschlange.assign(1, x);
        besucht[rang / 64] |= std::uint64_t(1) << (rang % 64);
        if (merken)
            b.nummer[rang] = id;
        for (std::size_t i = 0; i < warteschlange.size(); ++i)
            for (const auto &g : erzeuger) {
                const Block y = anwenden(warteschlange[i], g);
                const std::uint64_t ry = ColexRang(y);
                if (besucht[ry / 64] >> (ry % 64) & 1u)
                    continue;
                besucht[ry / 64] |= std::uint64_t(1) << (ry % 64);
                if (merken)
                    b.nummer[ry] = id;
                warteschlange.push_back(y);
            }
        b.vertreter.push_back(x);
        b.laenge.push_back(std::uint32_t(warteschlange.size()));
    }
    return b;
}

template<typename F>
void teilmengenVon(Block menge, int r, F &&f)
{
    int punkte[64];
    int n = 0;
    for (Block b = menge; b; b &= b - 1)
        punkte[n++] = __builtin_ctzll(b);
    if (r > n)
        return;
    int idx[64];
    for (int i = 0; i < r; ++i)
        idx[i] = i;
    for (;;) {
        Block b = 0;
        for (int i = 0; i < r; ++i)
            b |= Block(1) << punkte[idx[i]];
        f(b);
        int i = r - 1;
        while (i >= 0 && idx[i] == n - r + i)
            --i;
        if (i < 0)
            return;
        ++idx[i];
        for (int j = i + 1; j < r; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

} // namespace

Gruppensuchergebnis GruppenUeberdeckung(int v, int k, int t, const std::vector<Permutation> &erzeuger, double sekunden,
                                        std::uint64_t saat, std::size_t maxSpalten, const std::atomic_bool *stop, int m)
{
    if (m < t)
        m = t;
    const auto beginn = Uhr::now();
    std::mt19937_64 rng(saat);
    Gruppensuchergebnis ergebnis;
    const Bahnen tBahnen = bahnenBilden(v, t, erzeuger, true);
    Bahnen kBahnen = bahnenBilden(v, k, erzeuger, false);
    // A uniform random sample when there are too many k-orbits to hold their coverage lists.
    std::vector<std::uint32_t> auswahl(kBahnen.vertreter.size());
    for (std::uint32_t i = 0; i < auswahl.size(); ++i)
        auswahl[i] = i;
    if (auswahl.size() > maxSpalten) {
        std::shuffle(auswahl.begin(), auswahl.end(), rng);
        auswahl.resize(maxSpalten);
    }
    const int zeilen = int(tBahnen.vertreter.size());
    const int spalten = int(auswahl.size());
    ergebnis.spalten = spalten;
    ergebnis.zeilen = zeilen;

    // Column j covers the t-orbits of the t-subsets of its representative.
    std::vector<std::uint32_t> spaltenStart{0}, spaltenInhalt, gewicht(spalten);
    std::vector<Block> vertreter(spalten);
    std::vector<std::uint32_t> puffer;
    for (int j = 0; j < spalten; ++j) {
        vertreter[j] = kBahnen.vertreter[auswahl[j]];
        gewicht[j] = kBahnen.laenge[auswahl[j]];
        puffer.clear();
        teilmengenVon(vertreter[j], t, [&](Block s) { puffer.push_back(tBahnen.nummer[ColexRang(s)]); });
        std::sort(puffer.begin(), puffer.end());
        puffer.erase(std::unique(puffer.begin(), puffer.end()), puffer.end());
        spaltenInhalt.insert(spaltenInhalt.end(), puffer.begin(), puffer.end());
        spaltenStart.push_back(std::uint32_t(spaltenInhalt.size()));
    }
    kBahnen = {};
    std::vector<std::uint32_t> zeilenStart(zeilen + 1, 0), zeilenInhalt(spaltenInhalt.size());
    for (std::uint32_t u : spaltenInhalt)
        ++zeilenStart[u + 1];
    for (int u = 0; u < zeilen; ++u)
        zeilenStart[u + 1] += zeilenStart[u];
    {
        std::vector<std::uint32_t> pos(zeilenStart.begin(), zeilenStart.end() - 1);
        for (int j = 0; j < spalten; ++j)
            for (std::uint32_t i = spaltenStart[j]; i < spaltenStart[j + 1]; ++i)
                zeilenInhalt[pos[spaltenInhalt[i]]++] = std::uint32_t(j);
    }
    for (int u = 0; u < zeilen; ++u)
        if (zeilenStart[u] == zeilenStart[u + 1])
            return ergebnis; // the sample misses a t-orbit

    // Requirements: the m-orbits; one is met when one of its t-orbits is covered (for a plain
    // covering m = t and each requirement is its own t-orbit).
    std::vector<std::uint32_t> anfStart{0}, anfInhalt;
    int anforderungen = zeilen;
    if (m == t) {
        for (int u = 0; u < zeilen; ++u) {
            anfInhalt.push_back(std::uint32_t(u));
            anfStart.push_back(std::uint32_t(u + 1));
        }
    } else {
        const Bahnen mBahnen = bahnenBilden(v, m, erzeuger, false);
        anforderungen = int(mBahnen.vertreter.size());
        for (Block rep : mBahnen.vertreter) {
            puffer.clear();
            teilmengenVon(rep, t, [&](Block s) { puffer.push_back(tBahnen.nummer[ColexRang(s)]); });
            std::sort(puffer.begin(), puffer.end());
            puffer.erase(std::unique(puffer.begin(), puffer.end()), puffer.end());
            anfInhalt.insert(anfInhalt.end(), puffer.begin(), puffer.end());
            anfStart.push_back(std::uint32_t(anfInhalt.size()));
        }
    }
    // t-orbit -> requirements it meets.
    std::vector<std::uint32_t> inAnfStart(zeilen + 1, 0), inAnfInhalt(anfInhalt.size());
    for (std::uint32_t u : anfInhalt)
        ++inAnfStart[u + 1];
    for (int u = 0; u < zeilen; ++u)
        inAnfStart[u + 1] += inAnfStart[u];
    {
        std::vector<std::uint32_t> pos(inAnfStart.begin(), inAnfStart.end() - 1);
        for (int r = 0; r < anforderungen; ++r)
            for (std::uint32_t i = anfStart[r]; i < anfStart[r + 1]; ++i)
                inAnfInhalt[pos[anfInhalt[i]]++] = std::uint32_t(r);
    }
    ergebnis.zeilen = anforderungen;

    std::vector<int> bedeckt(zeilen, 0), erfuellt(anforderungen, 0);
    std::vector<int> offen, offenStelle(anforderungen, -1);
    for (int r = 0; r < anforderungen; ++r) {
        offenStelle[r] = int(offen.size());
        offen.push_back(r);
    }
    std::vector<int> gewaehlt, gewaehltStelle(spalten, -1);
    long kosten = 0;
    struct Schritt
    {
        int spalte;
        bool hinzu;
    };
    std::vector<Schritt> protokoll;
    auto hinzu = [&](int j) {
        gewaehltStelle[j] = int(gewaehlt.size());
        gewaehlt.push_back(j);
        kosten += gewicht[j];
        for (std::uint32_t i = spaltenStart[j]; i < spaltenStart[j + 1]; ++i) {
            const int u = int(spaltenInhalt[i]);
            if (bedeckt[u]++ > 0)
                continue;
            for (std::uint32_t x = inAnfStart[u]; x < inAnfStart[u + 1]; ++x) {
                const int r = int(inAnfInhalt[x]);
                if (erfuellt[r]++ == 0) {
                    const int p = offenStelle[r], letzte = offen.back();
                    offen[p] = letzte;
                    offenStelle[letzte] = p;
                    offen.pop_back();
                    offenStelle[r] = -1;
                }
            }
        }
        protokoll.push_back({j, true});
    };
    auto weg = [&](int j) {
        const int p = gewaehltStelle[j], letzte = gewaehlt.back();
        gewaehlt[p] = letzte;
        gewaehltStelle[letzte] = p;
        gewaehlt.pop_back();
        gewaehltStelle[j] = -1;
        kosten -= gewicht[j];
        for (std::uint32_t i = spaltenStart[j]; i < spaltenStart[j + 1]; ++i) {
            const int u = int(spaltenInhalt[i]);
            if (--bedeckt[u] > 0)
                continue;
            for (std::uint32_t x = inAnfStart[u]; x < inAnfStart[u + 1]; ++x) {
                const int r = int(inAnfInhalt[x]);
                if (--erfuellt[r] == 0) {
                    offenStelle[r] = int(offen.size());
                    offen.push_back(r);
                }
            }
        }
        protokoll.push_back({j, false});
    };
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    auto reparieren = [&] {
        while (!offen.empty()) {
            const int r = offen[rng() % offen.size()];
            int beste = -1;
            double besterWert = -1;
            for (std::uint32_t y = anfStart[r]; y < anfStart[r + 1]; ++y) {
                const int u = int(anfInhalt[y]);
                for (std::uint32_t i = zeilenStart[u]; i < zeilenStart[u + 1]; ++i) {
                    const int j = int(zeilenInhalt[i]);
                    int neu = 0;
                    for (std::uint32_t x = spaltenStart[j]; x < spaltenStart[j + 1]; ++x) {
                        const int w = int(spaltenInhalt[x]);
                        if (bedeckt[w] > 0)
                            continue;
                        if (m == t)
                            ++neu;
                        else
                            for (std::uint32_t z = inAnfStart[w]; z < inAnfStart[w + 1]; ++z)
                                neu += erfuellt[inAnfInhalt[z]] == 0;
                    }
                    const double wert = double(neu) / gewicht[j] * (0.85 + 0.3 * gleich(rng));
                    if (wert > besterWert) {
                        besterWert = wert;
                        beste = j;
                    }
                }
            }
            hinzu(beste);
        }
    };
    auto ueberfluessigeWeg = [&] {
        std::vector<int> reihe = gewaehlt;
        std::shuffle(reihe.begin(), reihe.end(), rng);
        for (int j : reihe) {
            bool noetig = false;
            for (std::uint32_t x = spaltenStart[j]; x < spaltenStart[j + 1] && !noetig; ++x)
                noetig = bedeckt[spaltenInhalt[x]] < 2;
            if (!noetig) {
                weg(j);
            } else if (m > t) {
                // Some requirement may still be met through another of its t-orbits.
                weg(j);
                if (!offen.empty())
                    hinzu(j);
            }
        }
    };
    reparieren();
    ueberfluessigeWeg();
    long besteKosten = kosten;
    std::vector<int> beste = gewaehlt;
    // The temperature is measured in rows; a group's orbits are long, so it starts at a
    // typical orbit length and cools slowly, restarting when it has cooled off.
    double tStart = 1;
    for (int j : gewaehlt)
        tStart = std::max(tStart, double(gewicht[j]) / 4);
    double temperatur = tStart;
    // With at most 128 t-orbits an exact branch and bound gets the second half of the time.
    const bool exakt = m == t && zeilen <= 128;
    const double lokalSekunden = exakt ? sekunden / 2 : sekunden;
    for (long schritt = 1;; ++schritt) {
        if ((schritt & 63) == 0 && (sekundenSeit(beginn) > lokalSekunden || (stop && stop->load())))
            break;
        protokoll.clear();
        const long vorher = kosten;
        const int anzahl = 1 + int(rng() % 3);
        for (int i = 0; i < anzahl && !gewaehlt.empty(); ++i)
            weg(gewaehlt[rng() % gewaehlt.size()]);
        reparieren();
        ueberfluessigeWeg();
        const long d = kosten - vorher;
        if (d > 0 && gleich(rng) >= std::exp(-double(d) / temperatur)) {
            // Undo in reverse order.
            std::vector<Schritt> rueck = protokoll;
            for (auto it = rueck.rbegin(); it != rueck.rend(); ++it)
                it->hinzu ? weg(it->spalte) : hinzu(it->spalte);
        } else if (kosten < besteKosten) {
            besteKosten = kosten;
            beste = gewaehlt;
        }
        if (schritt % 1000 == 0) {
            temperatur *= 0.995;
            if (temperatur < 0.05)
                temperatur = tStart;
        }
    }
    if (exakt) {
        struct Maske
        {
            std::uint64_t w[2] = {0, 0};
            int anzahl() const { return __builtin_popcountll(w[0]) + __builtin_popcountll(w[1]); }
        };
        std::vector<Maske> deckt(spalten);
        double besteQuote = 0; // most t-orbits per row of any column
        for (int j = 0; j < spalten; ++j) {
            for (std::uint32_t x = spaltenStart[j]; x < spaltenStart[j + 1]; ++x)
                deckt[j].w[spaltenInhalt[x] / 64] |= std::uint64_t(1) << (spaltenInhalt[x] % 64);
            besteQuote = std::max(besteQuote, double(deckt[j].anzahl()) / gewicht[j]);
        }
        // Columns per t-orbit, cheapest per covered orbit first.
        std::vector<std::vector<int>> proZeile(zeilen);
        for (int u = 0; u < zeilen; ++u) {
            for (std::uint32_t i = zeilenStart[u]; i < zeilenStart[u + 1]; ++i)
                proZeile[u].push_back(int(zeilenInhalt[i]));
            std::sort(proZeile[u].begin(), proZeile[u].end(), [&](int a, int b) {
                return double(deckt[a].anzahl()) / gewicht[a] > double(deckt[b].anzahl()) / gewicht[b];
            });
        }
        std::vector<int> pfad;
        long knoten = 0;
        bool abbruch = false;
        auto suchen = [&](auto &&selbst, Maske offenM, long wert) -> void {
            if (abbruch)
                return;
            if ((++knoten & 4095) == 0 && (sekundenSeit(beginn) > sekunden || (stop && stop->load()))) {
                abbruch = true;
                return;
            }
            const int rest = offenM.anzahl();
            if (rest == 0) {
                if (wert < besteKosten) {
                    besteKosten = wert;
                    beste = pfad;
                }
                return;
            }
            if (wert + std::ceil(rest / besteQuote - 1e-9) >= besteKosten)
                return;
            // Branch on the open t-orbit with the fewest columns.
            int u = -1;
            std::size_t wenigste = ~std::size_t(0);
            for (int h = 0; h < 2; ++h)
                for (std::uint64_t b = offenM.w[h]; b; b &= b - 1) {
                    const int z = h * 64 + __builtin_ctzll(b);
                    if (proZeile[z].size() < wenigste) {
                        wenigste = proZeile[z].size();
                        u = z;
                    }
                }
            for (int j : proZeile[u]) {
                Maske neu = offenM;
                neu.w[0] &= ~deckt[j].w[0];
                neu.w[1] &= ~deckt[j].w[1];
                pfad.push_back(j);
                selbst(selbst, neu, wert + gewicht[j]);
                pfad.pop_back();
                if (abbruch)
                    return;
            }
        };
        Maske alleZeilen;
        for (int u = 0; u < zeilen; ++u)
            alleZeilen.w[u / 64] |= std::uint64_t(1) << (u % 64);
        suchen(suchen, alleZeilen, 0);
    }
    for (int j : beste) {
        const auto bahn = Bahn(vertreter[j], erzeuger);
        ergebnis.bahnenUeberdeckung.insert(ergebnis.bahnenUeberdeckung.end(), bahn.begin(), bahn.end());
    }
    ergebnis.gestutzt = RedundanteStreichen(v, t, ergebnis.bahnenUeberdeckung, 20, saat, m);
    return ergebnis;
}

std::vector<Block> RedundanteStreichen(int v, int t, const std::vector<Block> &bloecke, int versuche,
                                       std::uint64_t saat, int m)
{
    if (m < t)
        m = t;
    std::mt19937_64 rng(saat);
    std::vector<std::uint16_t> zaehler(binomialtafel.c[v][t], 0);
    // For m > t: covered t-subsets of every m-set.
    std::vector<std::uint8_t> mZaehler(m > t ? binomialtafel.c[v][m] : 0, 0);
    const Block alle = (Block(1) << v) - 1;
    auto tAendern = [&](Block s, int delta) {
        std::uint16_t &z = zaehler[ColexRang(s)];
        const bool grenze = delta > 0 ? z == 0 : z == 1;
        z = std::uint16_t(z + delta);
        if (m > t && grenze)
            teilmengenVon(alle & ~s, m - t, [&](Block rest) { mZaehler[ColexRang(s | rest)] += std::uint8_t(delta); });
    };
    std::vector<Block> beste = bloecke;
    for (int versuch = 0; versuch < versuche; ++versuch) {
        std::vector<Block> reihe = bloecke;
        std::shuffle(reihe.begin(), reihe.end(), rng);
        std::fill(zaehler.begin(), zaehler.end(), 0);
        std::fill(mZaehler.begin(), mZaehler.end(), 0);
        for (Block b : reihe)
            teilmengenVon(b, t, [&](Block s) { tAendern(s, +1); });
        std::vector<Block> behalten;
        for (Block b : reihe) {
            bool noetig = false;
            if (m == t) {
                teilmengenVon(b, t, [&](Block s) { noetig |= zaehler[ColexRang(s)] < 2; });
            } else {
                // Several t-sets of one m-set may be lost together: take the row out and look
                // whether an m-set around a t-set that it alone covered is left without any.
                teilmengenVon(b, t, [&](Block s) { tAendern(s, -1); });
                teilmengenVon(b, t, [&](Block s) {
                    if (noetig || zaehler[ColexRang(s)] > 0)
                        return;
                    teilmengenVon(alle & ~s, m - t, [&](Block rest) { noetig |= mZaehler[ColexRang(s | rest)] == 0; });
                });
                if (noetig)
                    teilmengenVon(b, t, [&](Block s) { tAendern(s, +1); });
            }
            if (noetig)
                behalten.push_back(b);
            else if (m == t)
                teilmengenVon(b, t, [&](Block s) { tAendern(s, -1); });
        }
        if (behalten.size() < beste.size())
            beste = behalten;
    }
    return beste;
}
