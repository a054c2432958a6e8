// Build-time tool: turns data/katalog.txt into the constant arrays of katalog_daten.h.
#include "katalogdatei.h"

#include <cstdio>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kbw-katalog-einbetten <katalog.txt> <out.cpp>\n");
        return 2;
    }
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    if (!KatalogLesen(argv[1], eintraege, fehler)) {
        std::fprintf(stderr, "%s\n", fehler.c_str());
        return 1;
    }
    for (int i = 0; i < KatalogGroesse; ++i) {
        if (!eintraege[i].vorhanden) {
            std::fprintf(stderr, "%s: system %d is missing\n", argv[1], i);
            return 1;
        }
    }
    std::ofstream aus(argv[2], std::ios::trunc);
    aus << "// Generated from katalog.txt; do not edit.\n#include \"katalog_daten.h\"\n\n";
    aus << "const TSysteme katalogDeskriptoren[KatalogGroesse] = {\n";
    for (const auto &e : eintraege)
        aus << "    {" << int(e.sys.RG) << ", " << int(e.sys.WZ) << ", " << int(e.sys.GA) << ", " << e.sys.TR << "},\n";
    aus << "};\n\nconst std::uint32_t katalogVersatz[KatalogGroesse] = {\n";
    std::size_t versatz = 0;
    for (const auto &e : eintraege) {
        aus << "    " << versatz << ",\n";
        versatz += e.reihen.size();
    }
    aus << "};\n\nconst std::uint8_t katalogDaten[] = {\n";
    for (const auto &e : eintraege) {
        for (std::size_t r = 0; r < e.sys.TR; ++r) {
            aus << "   ";
            for (int p = 0; p < e.sys.RG; ++p)
                aus << ' ' << int(e.reihen[r * e.sys.RG + p]) << ',';
            aus << '\n';
        }
    }
    aus << "};\n";
    aus.flush();
    return aus ? 0 : 1;
}
