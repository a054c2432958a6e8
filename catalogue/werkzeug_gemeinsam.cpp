// Shared parts of kbw-katalog.
#include "abdeckungssuche.h"
#include "gruppensuche.h"
#include "katalog.h"
#include "katalogdatei.h"
#include "katalogpruefung.h"
#include "katalogschreiben.h"
#include "katalogziele.h"
#include "konstruktionen.h"
#include "werkzeug.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace katalogwerkzeug {

const char *const Kopf = "# Kombiwerk built-in catalogue: 649 systems as pool positions (1-based).\n"
                         "# Written by 'kbw-katalog erzeugen'; checked by 'kbw-katalog pruefen'. See README.md.\n";

KatalogEintrag ZuEintrag(int index, const std::vector<Block> &bloecke)
{
    const KatalogZiel &z = KatalogZielFuer(index);
    KatalogEintrag e;
    e.vorhanden = true;
    e.sys = TSysteme{std::uint8_t(z.rg), std::uint8_t(z.wz), std::uint8_t(z.ga), std::uint16_t(bloecke.size())};
    std::vector<Block> sortiert = bloecke;
    std::sort(sortiert.begin(), sortiert.end(), [](Block a, Block b) {
        // Rows in lexicographic order of their positions.
        while (a && b) {
            int pa = __builtin_ctzll(a), pb = __builtin_ctzll(b);
            if (pa != pb)
                return pa < pb;
            a &= a - 1;
            b &= b - 1;
        }
        return false;
    });
    for (Block b : sortiert)
        for (; b; b &= b - 1)
            e.reihen.push_back(std::uint8_t(__builtin_ctzll(b) + 1));
    return e;
}

Dateisperre::Dateisperre(const std::string &daten)
{
    std::error_code ec;
    const auto voll = std::filesystem::weakly_canonical(daten, ec).string();
    const std::string pfad = (std::filesystem::temp_directory_path(ec)
                              / ("kbw-katalog-" + std::to_string(std::hash<std::string>{}(voll)) + ".sperre"))
                                 .string();
    m_fd = ::open(pfad.c_str(), O_RDWR | O_CREAT, 0644);
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_EX);
}

Dateisperre::~Dateisperre()
{
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
}

bool Uebernehmen(const std::string &daten, int index, const KatalogEintrag &neu)
{
    const Pruefergebnis p = KatalogeintragPruefen(index, neu.sys, neu.reihen.data());
    if (!p.ok) {
        std::fprintf(stderr, "%d: rejected: %s\n", index, p.fehler.c_str());
        return false;
    }
    Dateisperre sperre(daten);
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    std::error_code ec;
    bool lesbar = KatalogLesen(daten, eintraege, fehler);
    if (!lesbar && !std::filesystem::exists(daten, ec)) {
        eintraege.assign(KatalogGroesse, KatalogEintrag{});
        lesbar = true;
    }
    if (!lesbar) {
        // A file that is there but does not read is left for a person to look at.
        std::fprintf(stderr, "%d: not stored: %s\n", index, fehler.c_str());
        return false;
    }
    const auto &alt = eintraege[index];
    const bool altGut = alt.vorhanden && KatalogeintragPruefen(index, alt.sys, alt.reihen.data()).ok;
    if (altGut && neu.sys.TR >= alt.sys.TR)
        return false;
    eintraege[index] = neu;
    const SchreibErgebnis e = KatalogSchreiben(daten, eintraege, Kopf);
    if (!e.ok())
        std::fprintf(stderr, "%s\n", SchreibFehlerText(QString::fromStdString(daten), e).toLocal8Bit().constData());
    return e.ok();
}

int GespeicherteZeilen(const std::string &daten, int index)
{
    std::vector<KatalogEintrag> eintraege;
    std::string fehler;
    if (!KatalogLesen(daten, eintraege, fehler) || !eintraege[index].vorhanden)
        return 0;
    return eintraege[index].sys.TR;
}

std::vector<Block> AlsBloecke(const KatalogEintrag &e)
{
    std::vector<Block> bloecke;
    for (int r = 0; r < e.sys.TR; ++r) {
        Block b = 0;
        for (int p = 0; p < e.sys.RG; ++p)
            b |= Block(1) << (e.reihen[std::size_t(r) * e.sys.RG + p] - 1);
        bloecke.push_back(b);
    }
    return bloecke;
}

bool SchlichteUeberdeckung(int i)
{
    const KatalogZiel &z = KatalogZielFuer(i);
    return z.ga > 0 && LottogarantieFuer(i).m == 0 && z.festeTR <= z.bekannt && z.rg < z.wz - 1;
}

} // namespace katalogwerkzeug
