// Stand-in for libFuzzer in the GCC builds: feeds a fuzz harness (LLVMFuzzerTestOneInput) a
// fixed, repeatable series of inputs, so that every ctest run, the sanitizer build included,
// tries the same few seconds' worth: random bytes, the seed files as they are, and mutations
// of them (bit flips, changed, inserted, deleted and duplicated runs, splices of two seeds).
// It has no coverage feedback; for real fuzzing build the harness with clang and libFuzzer:
//
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
//   cmake --build build-fuzz -j2 --target fuzz_einstellungen
//   mkdir -p /tmp/korpus
//   build-fuzz/tests/fuzz/fuzz_einstellungen /tmp/korpus tests/fuzz/saat/fuzz_einstellungen -max_total_time=60
//
// Building only the fuzz target builds nothing else of the program: a harness compiles the
// code it tests itself, so that libFuzzer's coverage reaches it.
//
// Use: <harness> [folder | file]... [-laeufe=N]   (N: 20000, 5000 with AddressSanitizer)
//   A folder holds seeds (a missing one is fine); a file is run once, exactly as it is, and
//   nothing else (to reproduce a crash). When the harness aborts or a sanitizer stops the
//   program, the input of the moment is written to "absturz-<harness>.bin" in the working
//   directory.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse);
// Set by the sanitizer runtime when it is linked in; called before it ends the program.
extern "C" void __sanitizer_set_death_callback(void (*rueckruf)()) __attribute__((weak));

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t Hoechstlaenge = 64 * 1024;

// A few seconds either way: the sanitizers make every allocation many times dearer.
#if defined(__SANITIZE_ADDRESS__)
constexpr long Standardlaeufe = 5000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long Standardlaeufe = 5000;
#else
constexpr long Standardlaeufe = 20000;
#endif
#else
constexpr long Standardlaeufe = 20000;
#endif

// What was being tested, for the crash handlers (which may only use async-signal-safe calls).
const uint8_t *g_daten = nullptr;
size_t g_groesse = 0;
char g_absturzdatei[512] = "absturz.bin";

void EingabeSichern()
{
    static volatile sig_atomic_t gesichert = 0;
    if (gesichert || !g_daten)
        return;
    gesichert = 1;
    const int fd = ::open(g_absturzdatei, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        size_t geschrieben = 0;
        while (geschrieben < g_groesse) {
            const ssize_t n = ::write(fd, g_daten + geschrieben, g_groesse - geschrieben);
            if (n <= 0)
                break;
            geschrieben += size_t(n);
        }
        ::close(fd);
    }
    const char text[] = "zufallstreiber: Eingabe gesichert in ";
    [[maybe_unused]] ssize_t r = ::write(2, text, sizeof text - 1);
    r = ::write(2, g_absturzdatei, std::strlen(g_absturzdatei));
    r = ::write(2, "\n", 1);
}

void BeiSignal(int signal)
{
    EingabeSichern();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

Bytes DateiLesen(const std::filesystem::path &pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    Bytes inhalt((std::istreambuf_iterator<char>(datei)), std::istreambuf_iterator<char>());
    if (inhalt.size() > Hoechstlaenge)
        inhalt.resize(Hoechstlaenge);
    return inhalt;
}

void Ausfuehren(const Bytes &eingabe)
{
    // A copy of exactly the input's size, so that a sanitizer sees every read past its end.
    uint8_t *kopie = static_cast<uint8_t *>(std::malloc(eingabe.size() ? eingabe.size() : 1));
    if (!eingabe.empty())
        std::memcpy(kopie, eingabe.data(), eingabe.size());
    g_daten = kopie;
    g_groesse = eingabe.size();
    LLVMFuzzerTestOneInput(kopie, eingabe.size());
    g_daten = nullptr;
    std::free(kopie);
}

class Mutierer
{
public:
    explicit Mutierer(std::vector<Bytes> saaten) : m_saaten(std::move(saaten)) { }

    Bytes naechste()
    {
        if (m_saaten.empty() || zahl(8) == 0)
            return zufaellig();
        // Now and then keep changing the last input, to get further from the seeds.
        Bytes b = (!m_letzte.empty() && zahl(4) == 0) ? m_letzte : m_saaten[zahl(m_saaten.size())];
        const size_t schritte = 1 + zahl(6);
        for (size_t i = 0; i < schritte; ++i)
            veraendern(b);
        if (b.size() > Hoechstlaenge)
            b.resize(Hoechstlaenge);
        m_letzte = b;
        return b;
    }

private:
    size_t zahl(size_t grenze) { return grenze ? size_t(m_zufall() % grenze) : 0; }

    // Mostly the bytes that make up text formats, some of any value.
    uint8_t zeichen()
    {
        static const char haeufig[] = "[]=;# \t\r\n\r\n0123456789-+abcxyzABCXYZ";
        return zahl(2) ? uint8_t(haeufig[zahl(sizeof haeufig - 1)]) : uint8_t(zahl(256));
    }

    Bytes zufaellig()
    {
        Bytes b(zahl(257));
        for (uint8_t &c : b)
            c = zeichen();
        return b;
    }

    void veraendern(Bytes &b)
    {
        const size_t pos = zahl(b.size() + 1);
        switch (zahl(7)) {
        case 0: // flip a bit
            if (!b.empty())
                b[zahl(b.size())] ^= uint8_t(1u << zahl(8));
            break;
        case 1: // change a byte
            if (!b.empty())
                b[zahl(b.size())] = zeichen();
            break;
        case 2: { // insert a run
            Bytes lauf(1 + zahl(8));
            for (uint8_t &c : lauf)
                c = zeichen();
            b.insert(b.begin() + pos, lauf.begin(), lauf.end());
            break;
        }
        case 3: { // delete a run
            const size_t n = std::min(b.size() - std::min(pos, b.size()), 1 + zahl(16));
            b.erase(b.begin() + pos, b.begin() + pos + n);
            break;
        }
        case 4: { // duplicate a run somewhere else
            if (b.empty())
                break;
            const size_t von = zahl(b.size());
            const size_t n = std::min(b.size() - von, 1 + zahl(32));
            const Bytes lauf(b.begin() + von, b.begin() + von + n);
            b.insert(b.begin() + zahl(b.size() + 1), lauf.begin(), lauf.end());
            break;
        }
        case 5: { // splice: the head of this input, the tail of a seed
            const Bytes &andere = m_saaten[zahl(m_saaten.size())];
            const size_t ab = zahl(andere.size() + 1);
            b.resize(pos);
            b.insert(b.end(), andere.begin() + ab, andere.end());
            break;
        }
        case 6: { // a piece of a seed put in
            const Bytes &andere = m_saaten[zahl(m_saaten.size())];
            if (andere.empty())
                break;
            const size_t von = zahl(andere.size());
            const size_t n = std::min(andere.size() - von, 1 + zahl(64));
            b.insert(b.begin() + pos, andere.begin() + von, andere.begin() + von + n);
            break;
        }
        }
    }

    std::vector<Bytes> m_saaten;
    Bytes m_letzte;
    std::mt19937_64 m_zufall{0x4b4257u}; // fixed: every run tries the same inputs
};

} // namespace

int main(int argc, char **argv)
{
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    std::snprintf(g_absturzdatei, sizeof g_absturzdatei, "absturz-%s.bin", name.c_str());
    for (int s : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, BeiSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(EingabeSichern);

    long laeufe = Standardlaeufe;
    std::vector<Bytes> saaten;
    std::vector<std::filesystem::path> einzelne;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("-laeufe=", 0) == 0) {
            laeufe = std::strtol(arg.c_str() + 8, nullptr, 10);
            continue;
        }
        std::error_code fehler;
        if (std::filesystem::is_directory(arg, fehler)) {
            std::vector<std::filesystem::path> dateien;
            for (const auto &eintrag : std::filesystem::directory_iterator(arg, fehler)) {
                if (eintrag.is_regular_file())
                    dateien.push_back(eintrag.path());
            }
            std::sort(dateien.begin(), dateien.end()); // the same order on every machine
            for (const auto &pfad : dateien)
                saaten.push_back(DateiLesen(pfad));
        } else if (std::filesystem::is_regular_file(arg, fehler)) {
            einzelne.push_back(arg);
        }
    }

    if (!einzelne.empty()) {
        for (const auto &pfad : einzelne) {
            std::printf("%s: %s\n", name.c_str(), pfad.string().c_str());
            Ausfuehren(DateiLesen(pfad));
        }
        return 0;
    }

    const auto beginn = std::chrono::steady_clock::now();
    for (const Bytes &saat : saaten)
        Ausfuehren(saat);
    Ausfuehren({});
    Mutierer mutierer(saaten);
    for (long i = 0; i < laeufe; ++i)
        Ausfuehren(mutierer.naechste());
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    std::printf("%s: %ld Eingaben (%zu Saaten) in %.2f s, kein Fehler\n", name.c_str(), laeufe, saaten.size(),
                sekunden);
    return 0;
}
