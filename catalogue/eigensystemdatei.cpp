#include "eigensystemdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Row files are tiny (at most 65535 rows); anything far bigger is not one of ours.
constexpr qint64 MaxReihendatei = 16 * 1024 * 1024;

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
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
        return {EsyFehler::NichtSchreibbar, datei.errorString()};
    return {};
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

EsyReihenErgebnis EsyReihenLesen(const QString &pfad, int rg, int wz)
{
    EsyReihenErgebnis ergebnis;
    auto fehler = [&ergebnis](EsyFehler f, int zeile, const QString &text) {
        ergebnis.reihen.clear();
        ergebnis.fehler = f;
        ergebnis.zeile = zeile;
        ergebnis.fehlertext = text;
        return ergebnis;
    };

    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return fehler(EsyFehler::NichtLesbar, 0, datei.errorString());
    if (datei.size() > MaxReihendatei)
        return fehler(EsyFehler::Ungueltig, 0, QString());
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return fehler(EsyFehler::NichtLesbar, 0, datei.errorString());

    QList<QByteArray> zeilen = inhalt.split('\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast(); // after the final line break
    for (int z = 0; z < zeilen.size(); ++z) {
        QByteArray zeile = zeilen[z];
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        const QList<QByteArray> felder = zeile.split(',');
        if (felder.size() != rg)
            return fehler(EsyFehler::Ungueltig, z + 1, QString());
        EsyReihe reihe;
        reihe.reserve(std::size_t(rg));
        for (const QByteArray &feld : felder) {
            // Digits only: toInt() alone would accept blanks and signs.
            if (feld.isEmpty() || feld.size() > 3
                || !std::all_of(feld.begin(), feld.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return fehler(EsyFehler::Ungueltig, z + 1, QString());
            const int p = feld.toInt();
            if (p < 1 || p > wz || (!reihe.empty() && p <= reihe.back()))
                return fehler(EsyFehler::Ungueltig, z + 1, QString());
            reihe.push_back(p);
        }
        ergebnis.reihen.push_back(std::move(reihe));
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
