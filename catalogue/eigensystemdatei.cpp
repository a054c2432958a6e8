#include "eigensystemdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

std::uint16_t LeseU16(const std::uint8_t *p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

void SchreibeU16(std::uint8_t *p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

EsySchreibErgebnis Schreiben(const QString &pfad, const QByteArray &inhalt)
{
    const SchreibErgebnis e = DateiSicherSchreiben(pfad, inhalt);
    if (e.ok())
        return {};
    return {EsyFehler::NichtSchreibbar, e.systemtext.isEmpty() ? SchreibFehlerGrund(e) : e.systemtext, e};
}

bool IstLeerzeichen(char c)
{
    return c == ' ' || c == '\t';
}

// Blanks and control characters only.
bool IstLeereZeile(const QByteArray &zeile)
{
    return std::all_of(zeile.begin(), zeile.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

} // namespace

TEigSysteme EsyDatensatzLesen(const EsyDatensatz &roh)
{
    TEigSysteme e;
    e.RG = roh[0];
    e.WZ = roh[1];
    e.GA = roh[2];
    e.TR = LeseU16(&roh[4]);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | roh[8 + i];
    e.gesp = std::bit_cast<double>(bits);
    e.fn.assign(reinterpret_cast<const char *>(&roh[17]), roh[16]);
    e.roh = roh;
    e.hatRoh = true;
    return e;
}

EsyDatensatz EsyDatensatzBilden(const TEigSysteme &e)
{
    EsyDatensatz roh{};
    if (e.hatRoh)
        roh = e.roh;
    roh[0] = e.RG;
    roh[1] = e.WZ;
    roh[2] = e.GA;
    SchreibeU16(&roh[4], e.TR);
    auto bits = std::bit_cast<std::uint64_t>(e.gesp);
    for (int i = 0; i < 8; ++i, bits >>= 8)
        roh[8 + i] = std::uint8_t(bits);
    const std::size_t laenge = std::min<std::size_t>(e.fn.size(), 255);
    roh[16] = std::uint8_t(laenge);
    std::memcpy(&roh[17], e.fn.data(), laenge);
    return roh;
}

EsyIndexErgebnis EsyIndexLesen(const QString &pfad)
{
    EsyIndexErgebnis ergebnis;
    QFile datei(pfad);
    if (!datei.exists())
        return ergebnis;
    if (!datei.open(QIODevice::ReadOnly)) {
        ergebnis.fehler = EsyFehler::NichtLesbar;
        ergebnis.fehlertext = datei.errorString();
        return ergebnis;
    }
    ergebnis.datensaetze = datei.size() / EsyDatensatzGroesse;
    if (ergebnis.datensaetze > EsyIndexHoechstzahl) {
        ergebnis.fehler = EsyFehler::ZuGross;
        return ergebnis;
    }
    ergebnis.eintraege.reserve(std::size_t(ergebnis.datensaetze));
    EsyDatensatz roh;
    for (;;) {
        const qint64 gelesen = datei.read(reinterpret_cast<char *>(roh.data()), EsyDatensatzGroesse);
        if (gelesen < 0) {
            ergebnis.eintraege.clear();
            ergebnis.fehler = EsyFehler::NichtLesbar;
            ergebnis.fehlertext = datei.errorString();
            return ergebnis;
        }
        if (gelesen < EsyDatensatzGroesse) {
            ergebnis.restBytes = int(gelesen); // end, or a trailing partial record that is not read
            break;
        }
        if (int(ergebnis.eintraege.size()) == EsyIndexHoechstzahl) {
            // A file that reports no size (or grew while being read) is bounded here.
            ergebnis.eintraege.clear();
            ergebnis.fehler = EsyFehler::ZuGross;
            ergebnis.datensaetze = EsyIndexHoechstzahl + 1;
            return ergebnis;
        }
        ergebnis.eintraege.push_back(EsyDatensatzLesen(roh));
    }
    return ergebnis;
}

EsySchreibErgebnis EsyIndexSchreiben(const QString &pfad, const std::vector<TEigSysteme> &eintraege)
{
    QByteArray inhalt;
    inhalt.reserve(qsizetype(eintraege.size()) * EsyDatensatzGroesse);
    for (const TEigSysteme &e : eintraege) {
        const EsyDatensatz roh = EsyDatensatzBilden(e);
        inhalt.append(reinterpret_cast<const char *>(roh.data()), EsyDatensatzGroesse);
    }
    return Schreiben(pfad, inhalt);
}

EsyReihenErgebnis EsyReihenLesen(const QString &pfad, int rg, int wz, int tr)
{
    EsyReihenErgebnis ergebnis;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        ergebnis.fehler = EsyFehler::NichtLesbar;
        ergebnis.fehlertext = datei.errorString();
        return ergebnis;
    }
    if (datei.size() > EsyReihendateiHoechstgroesse) {
        ergebnis.fehler = EsyFehler::ZuGross;
        return ergebnis;
    }
    // One byte more than the bound: a file that grew after the size check is still caught.
    const QByteArray inhalt = datei.read(EsyReihendateiHoechstgroesse + 1);
    if (datei.error() != QFileDevice::NoError) {
        ergebnis.fehler = EsyFehler::NichtLesbar;
        ergebnis.fehlertext = datei.errorString();
        return ergebnis;
    }
    if (inhalt.size() > EsyReihendateiHoechstgroesse) {
        ergebnis.fehler = EsyFehler::ZuGross;
        return ergebnis;
    }
    return EsyReihenAuswerten(inhalt, rg, wz, tr);
}

EsyReihenErgebnis EsyReihenAuswerten(const QByteArray &inhalt, int rg, int wz, int tr)
{
    EsyReihenErgebnis ergebnis;
    auto fehler = [&ergebnis](EsyZeilenFehler art, int zeile) {
        ergebnis.reihen.clear();
        ergebnis.fehler = EsyFehler::Ungueltig;
        ergebnis.art = art;
        ergebnis.zeile = zeile;
        return ergebnis;
    };

    qsizetype anfang = 0;
    int nummer = 0; // line number in the file
    while (anfang < inhalt.size() && (tr < 0 || int(ergebnis.reihen.size()) < tr)) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        if (ende < 0)
            ende = inhalt.size();
        QByteArray zeile = inhalt.mid(anfang, ende - anfang);
        anfang = ende + 1;
        ++nummer;
        if (IstLeereZeile(zeile))
            continue;
        if (zeile.endsWith('\r'))
            zeile.chop(1);

        const QList<QByteArray> felder = zeile.split(',');
        if (felder.size() != rg) {
            ergebnis.anzahl = int(felder.size());
            ergebnis.erwartet = rg;
            return fehler(EsyZeilenFehler::FeldAnzahl, nummer);
        }
        EsyReihe reihe;
        reihe.reserve(std::size_t(rg));
        for (const QByteArray &feld : felder) {
            qsizetype a = 0, e = feld.size();
            while (a < e && IstLeerzeichen(feld[a]))
                ++a;
            while (e > a && IstLeerzeichen(feld[e - 1]))
                --e;
            const qsizetype ziffernAb = (a < e && (feld[a] == '-' || feld[a] == '+')) ? a + 1 : a;
            // Nine digits always fit in an int; more is no position of ours anyway.
            const bool nurZiffern = e > ziffernAb && e - ziffernAb <= 9
                && std::all_of(feld.begin() + ziffernAb, feld.begin() + e, [](char c) { return c >= '0' && c <= '9'; });
            if (!nurZiffern) {
                ergebnis.feld = feld.left(20);
                return fehler(EsyZeilenFehler::KeineZahl, nummer);
            }
            const int p = feld.mid(a, e - a).toInt();
            ergebnis.position = p;
            if (p < 1 || p > wz) {
                ergebnis.erwartet = wz;
                return fehler(EsyZeilenFehler::PositionAusserhalb, nummer);
            }
            if (std::find(reihe.begin(), reihe.end(), p) != reihe.end())
                return fehler(EsyZeilenFehler::PositionDoppelt, nummer);
            if (!reihe.empty() && p < reihe.back())
                return fehler(EsyZeilenFehler::NichtAufsteigend, nummer);
            reihe.push_back(p);
        }
        ergebnis.position = 0;
        ergebnis.reihen.push_back(std::move(reihe));
    }
    if (tr >= 0 && int(ergebnis.reihen.size()) < tr) {
        ergebnis.anzahl = int(ergebnis.reihen.size());
        ergebnis.erwartet = tr;
        return fehler(EsyZeilenFehler::ZuWenigeReihen, 0);
    }
    return ergebnis;
}

EsySchreibErgebnis EsyReihenSchreiben(const QString &pfad, const std::vector<EsyReihe> &reihen)
{
    QByteArray inhalt;
    for (const EsyReihe &reihe : reihen) {
        for (std::size_t i = 0; i < reihe.size(); ++i) {
            if (i > 0)
                inhalt += ',';
            inhalt += QByteArray::number(reihe[i]);
        }
        inhalt += "\r\n";
    }
    return Schreiben(pfad, inhalt);
}

QString EsyReihendateiName(int i)
{
    return QStringLiteral("ESY") + QString::number(i) + QStringLiteral(".csv");
}

int NaechsteFreieEsyNummer(const QString &ordner, const std::vector<TEigSysteme> &eintraege)
{
    const QDir dir(ordner);
    for (int i = 1;; ++i) {
        const QString name = EsyReihendateiName(i);
        const std::string roh = name.toStdString();
        const bool vergeben =
            std::any_of(eintraege.begin(), eintraege.end(), [&roh](const TEigSysteme &e) { return e.fn == roh; });
        if (!vergeben && !QFileInfo::exists(dir.filePath(name)))
            return i;
    }
}
