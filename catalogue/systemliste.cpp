#include "systemliste.h"

#include "katalog.h"
#include "katalogzustand.h"
#include "routinen.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

bool IstSichererDateiname(const std::string &name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b == '/' || b == '\\' || b < 0x20 || b == 0x7f;
    });
}

static bool ReihendateiVorhanden(const QString &ordner, const std::string &fn)
{
    // An unsafe name never reaches the file system; such an entry counts as missing.
    if (!IstSichererDateiname(fn))
        return false;
    return QFileInfo(QDir(ordner).filePath(QString::fromLatin1(fn.data(), qsizetype(fn.size())))).isFile();
}

void SystemlisteAufbauen(KatalogZustand &zustand, int grenze, const QString &eigeneSystemeOrdner)
{
    std::vector<TSysteme> liste;
    liste.reserve(KatalogGroesse + 160 + zustand.Eigensystemliste.size());
    for (int i = 0; i < KatalogGroesse; ++i)
        liste.push_back(KatalogSystem(i));

    // Full systems; WZ = RG (a single row) is never offered. WZ is stored in 8 bits.
    for (int rg = 2; rg <= 8; ++rg) {
        for (int wz = rg + 1; wz <= 255; ++wz) {
            const std::int64_t tr = NueberK(wz, rg);
            if (tr > std::int64_t(grenze))
                break;
            liste.push_back(TSysteme{std::uint8_t(rg), std::uint8_t(wz), std::uint8_t(rg), std::uint16_t(tr)});
        }
    }

    zustand.AnzahlStandardsysteme = int(liste.size());
    zustand.FehlendeEigensysteme = 0;
    zustand.Eigensystemnummer.clear();
    for (std::size_t i = 0; i < zustand.Eigensystemliste.size(); ++i) {
        const TEigSysteme &e = zustand.Eigensystemliste[i];
        if (ReihendateiVorhanden(eigeneSystemeOrdner, e.fn)) {
            liste.push_back(e.system());
            zustand.Eigensystemnummer.push_back(int(i));
        } else {
            ++zustand.FehlendeEigensysteme;
        }
    }
    zustand.Systemliste = std::move(liste);
}

int NutzbareEigensysteme(const std::vector<TEigSysteme> &eintraege, const QString &ordner)
{
    return int(std::count_if(eintraege.begin(), eintraege.end(),
                             [&ordner](const TEigSysteme &e) { return ReihendateiVorhanden(ordner, e.fn); }));
}

QString EigeneReihendatei(const KatalogZustand &zustand, int index, const QString &ordner)
{
    const int j = index - zustand.AnzahlStandardsysteme;
    if (j < 0 || j >= int(zustand.Eigensystemnummer.size()))
        return QString();
    const int nummer = zustand.Eigensystemnummer[std::size_t(j)];
    if (nummer < 0 || nummer >= int(zustand.Eigensystemliste.size()))
        return QString();
    const std::string &fn = zustand.Eigensystemliste[std::size_t(nummer)].fn;
    // A name like "../x.csv" would lead out of the folder: such a record has no file.
    if (!IstSichererDateiname(fn))
        return QString();
    return QDir(ordner).filePath(QString::fromLatin1(fn.data(), qsizetype(fn.size())));
}

std::int64_t SystemAnzahlStart(const std::vector<TSysteme> &systemliste)
{
    std::int64_t proRG[256] = {};
    for (const TSysteme &s : systemliste)
        ++proRG[s.RG];
    std::int64_t anzahl = 0;
    for (int z = 4; z <= 10; ++z) {
        const int m = std::min(z - MindestRG(z), 4);
        for (int b = 0; b <= m && b <= z; ++b)
            anzahl += proRG[z - b];
    }
    return anzahl;
}
