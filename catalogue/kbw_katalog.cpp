// kbw-katalog: builds and checks the built-in catalogue.
//   kbw-katalog erzeugen [--daten FILE] [--sekunden S] [--threads N] [--von A] [--bis B]
//   kbw-katalog pruefen  [--daten FILE]
//   kbw-katalog gruppe   --daten FILE --von I --gruppe G [--sekunden S] [--laeufe L] [--saat N]
//                        [--temperatur START,ENDE]
//   kbw-katalog sieb     --daten FILE [--von A] [--bis B] [--sekunden S] [--saat N]
//   kbw-katalog verbessern --daten FILE [--von A] [--bis B] [--sekunden S] [--saat N]
//                          [--temperatur START,ENDE]
//   kbw-katalog ableiten --daten FILE [--von A] [--bis B] [--sekunden S] [--saat N] [--spielraum P]
//   kbw-katalog ausgleichen --daten FILE [--sekunden S]
//   kbw-katalog feld --daten FILE --von I --gruppe Q [--sekunden S] [--laeufe L] [--saat N]
//   kbw-katalog teile --daten FILE [--sekunden S] [--laeufe L] [--saat N]
// Without --daten, pruefen checks the catalogue compiled into the program.
#include "katalog.h"
#include "katalogdatei.h"
#include "katalogpruefung.h"
#include "katalogziele.h"
#include "werkzeug.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace katalogwerkzeug;

namespace {

int Pruefen(const Optionen &o)
{
    std::vector<KatalogEintrag> eintraege;
    if (!o.daten.empty()) {
        std::string fehler;
        if (!KatalogLesen(o.daten, eintraege, fehler)) {
            std::fprintf(stderr, "%s\n", fehler.c_str());
            return 1;
        }
    } else {
        for (int i = 0; i < KatalogGroesse; ++i) {
            KatalogEintrag e;
            e.vorhanden = true;
            e.sys = KatalogSystem(i);
            e.reihen.assign(KatalogReihen(i), KatalogReihen(i) + std::size_t(e.sys.TR) * e.sys.RG);
            eintraege.push_back(std::move(e));
        }
    }
    int geprueft = 0, amBesten = 0, ueberZiel = 0, festeVerfehlt = 0;
    long zeilen = 0;
    for (int i = 0; i < KatalogGroesse; ++i) {
        const auto &e = eintraege[i];
        if (!e.vorhanden) {
            std::printf("system %d: missing\n", i);
            continue;
        }
        zeilen += e.sys.TR;
        const Pruefergebnis p = KatalogeintragPruefen(i, e.sys, e.reihen.data());
        if (!p.ok) {
            std::printf("%s\n", p.fehler.c_str());
            continue;
        }
        ++geprueft;
        amBesten += p.amBesten;
        ueberZiel += p.ueberZiel;
        festeVerfehlt += p.festeVerfehlt;
        const KatalogZiel &z = KatalogZielFuer(i);
        // A fixed row count that is not met makes the descriptor differ from the catalogue
        // plan; it is named apart from the entries that merely miss the best known size.
        if (p.festeVerfehlt)
            std::printf("fixed row count not met: %d C(%d,%d,%d) rows=%d fixed=%d\n", i, z.wz, z.rg, z.ga,
                        int(e.sys.TR), z.festeTR);
        else if (p.ueberZiel)
            std::printf("above target: %d C(%d,%d,%d) rows=%d target=%d\n", i, z.wz, z.rg, z.ga, int(e.sys.TR),
                        z.bekannt);
    }
    if (zeilen != KatalogZeilenGeplant)
        std::printf("rows in all: %ld, planned %ld ('kbw-katalog ausgleichen' sets the free counts)\n", zeilen,
                    KatalogZeilenGeplant);
    std::printf("systems=%d verified=%d rows=%ld at_best_known=%d above_target=%d fixed_unmet=%d\n", KatalogGroesse,
                geprueft, zeilen, amBesten, ueberZiel, festeVerfehlt);
    return geprueft == KatalogGroesse ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: kbw-katalog erzeugen|pruefen|gruppe|verbessern|ableiten|ausgleichen|feld|teile [--daten FILE] "
            "[--sekunden S] [--threads N] "
            "[--von A] [--bis B] [--gruppe G] [--laeufe L] [--saat N] [--temperatur START,ENDE] [--spielraum P]\n");
        return 2;
    }
    Optionen o;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string n = argv[i];
        if (n == "--daten")
            o.daten = argv[i + 1];
        else if (n == "--sekunden")
            o.sekunden = std::atof(argv[i + 1]);
        else if (n == "--threads")
            o.threads = std::atoi(argv[i + 1]);
        else if (n == "--von")
            o.von = std::atoi(argv[i + 1]);
        else if (n == "--bis")
            o.bis = std::atoi(argv[i + 1]);
        else if (n == "--gruppe")
            o.gruppe = argv[i + 1];
        else if (n == "--spielraum")
            o.spielraum = std::atof(argv[i + 1]);
        else if (n == "--laeufe")
            o.laeufe = std::atoi(argv[i + 1]);
        else if (n == "--temperatur")
            std::sscanf(argv[i + 1], "%lf,%lf", &o.tStart, &o.tEnde);
        else if (n == "--saat")
            o.saat = std::strtoull(argv[i + 1], nullptr, 10);
        else {
            std::fprintf(stderr, "unknown option %s\n", n.c_str());
            return 2;
        }
    }
    o.von = std::clamp(o.von, 0, KatalogGroesse - 1);
    o.bis = std::clamp(o.bis, o.von, KatalogGroesse - 1);
    const std::string befehl = argv[1];
    if (befehl == "erzeugen")
        return Erzeugen(o);
    if (befehl == "pruefen")
        return Pruefen(o);
    if (befehl == "gruppe")
        return Gruppe(o);
    if (befehl == "sieb")
        return Sieb(o);
    if (befehl == "verbessern")
        return Verbessern(o);
    if (befehl == "ableiten")
        return Ableiten(o);
    if (befehl == "teile")
        return DreiTeile(o);
    if (befehl == "feld")
        return Feld(o);
    if (befehl == "ausgleichen")
        return Ausgleichen(o);
    std::fprintf(stderr, "unknown command %s\n", befehl.c_str());
    return 2;
}
