#include "katalogdatei.h"

#include <fstream>
#include <sstream>

bool KatalogLesen(const std::string &pfad, std::vector<KatalogEintrag> &eintraege, std::string &fehler)
{
    eintraege.assign(KatalogGroesse, KatalogEintrag{});
    std::ifstream ein(pfad);
    if (!ein) {
        fehler = "cannot open " + pfad;
        return false;
    }
    std::string zeile;
    long nr = 0;
    KatalogEintrag *aktuell = nullptr;
    int rg = 0;
    auto fehl = [&](const std::string &was) {
        fehler = pfad + ":" + std::to_string(nr) + ": " + was;
        return false;
    };
    while (std::getline(ein, zeile)) {
        ++nr;
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::istringstream z(zeile);
        if (zeile.rfind("system", 0) == 0) {
            std::string w1, w2, w3, w4, w5;
            int index, r, wz, ga, tr;
            if (!(z >> w1 >> index >> w2 >> r >> w3 >> wz >> w4 >> ga >> w5 >> tr) || w2 != "RG" || w3 != "WZ"
                || w4 != "GA" || w5 != "TR")
                return fehl("bad system line");
            if (index < 0 || index >= KatalogGroesse || eintraege[index].vorhanden)
                return fehl("bad or repeated index");
            if (r < 1 || r > 20 || wz < r || wz > 64 || ga < 0 || ga > r || tr < 1 || tr > 65535)
                return fehl("descriptor out of range");
            aktuell = &eintraege[index];
            aktuell->vorhanden = true;
            aktuell->sys = TSysteme{std::uint8_t(r), std::uint8_t(wz), std::uint8_t(ga), std::uint16_t(tr)};
            aktuell->reihen.reserve(std::size_t(tr) * r);
            rg = r;
            continue;
        }
        if (!aktuell)
            return fehl("row before the first system line");
        int p, n = 0;
        while (z >> p) {
            if (p < 1 || p > 255)
                return fehl("position out of range");
            aktuell->reihen.push_back(std::uint8_t(p));
            ++n;
        }
        if (!z.eof() || n != rg)
            return fehl("row must hold exactly RG positions");
    }
    for (int i = 0; i < KatalogGroesse; ++i) {
        const auto &e = eintraege[i];
        if (e.vorhanden && e.reihen.size() != std::size_t(e.sys.TR) * e.sys.RG) {
            fehler = pfad + ": system " + std::to_string(i) + " has a row count other than TR";
            return false;
        }
    }
    return true;
}

std::string KatalogText(const std::vector<KatalogEintrag> &eintraege, const std::string &kopf)
{
    std::ostringstream aus;
    aus << kopf;
    for (int i = 0; i < int(eintraege.size()); ++i) {
        const auto &e = eintraege[i];
        if (!e.vorhanden)
            continue;
        aus << "system " << i << " RG " << int(e.sys.RG) << " WZ " << int(e.sys.WZ) << " GA " << int(e.sys.GA) << " TR "
            << e.sys.TR << '\n';
        for (std::size_t r = 0; r < e.sys.TR; ++r) {
            for (int p = 0; p < e.sys.RG; ++p)
                aus << (p ? " " : "") << int(e.reihen[r * e.sys.RG + p]);
            aus << '\n';
        }
    }
    return aus.str();
}
