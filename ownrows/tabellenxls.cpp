// Reading .xls workbooks (BIFF5 and BIFF8 in a compound file) through FreeXL. The library
// allocates what the file announces (cells by the sheets' dimensions, strings by the string
// table's count, its sector tables by the header), so the file is walked here first and
// refused when an announced size passes the bounds or the container is inconsistent.

#include "tabellenzellen.h"

#include <freexl.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QTemporaryFile>
#include <QTime>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::uint32_t Frei = 0xffffffff;
constexpr std::uint32_t Kettenende = 0xfffffffe;

QString VerschluesseltText()
{
    return QStringLiteral("Die Tabelle ist mit einem Kennwort geschützt. Bitte speichern Sie sie ohne Kennwort "
                          "und importieren Sie sie dann.");
}

// The compound file ("structured storage") as far as the workbook stream needs it.
class Verbunddatei
{
public:
    explicit Verbunddatei(const QByteArray &d) : m_d(d) { }

    // Checks the header and the sector tables; an empty reason means the file is sound.
    QString oeffnen()
    {
        if (m_d.size() < 512)
            return TabelleBeschaedigtText();
        const std::uint16_t verschiebung = lies16(0x1e);
        if (verschiebung != 9 && verschiebung != 12)
            return TabelleBeschaedigtText();
        m_sektor = qint64(1) << verschiebung;
        m_sektoren = m_d.size() / m_sektor - 1;
        if (m_sektoren < 1)
            return TabelleBeschaedigtText();
        const std::uint32_t fatSektoren = lies32(0x2c);
        const std::uint32_t miniFatSektoren = lies32(0x40);
        const std::uint32_t difatSektoren = lies32(0x48);
        if (fatSektoren > m_sektoren || miniFatSektoren > m_sektoren || difatSektoren > m_sektoren)
            return TabelleBeschaedigtText();

        // The FAT sectors in the order the library reads them: 109 from the header, then
        // those of the DIFAT chain, whose last entry per sector names the next one.
        std::vector<std::uint32_t> fat;
        for (int i = 0; i < 109; ++i) {
            const std::uint32_t s = lies32(0x4c + 4 * i);
            if (s != Frei)
                fat.push_back(s);
        }
        if (difatSektoren > 0) {
            const qint64 jeSektor = m_sektor / 4;
            std::uint32_t naechster = lies32(0x44);
            std::vector<bool> besucht(std::size_t(m_sektoren), false);
            bool ende = false;
            for (std::uint32_t block = 0; block < difatSektoren && !ende; ++block) {
                if (naechster >= m_sektoren || besucht[naechster])
                    return TabelleBeschaedigtText();
                besucht[naechster] = true;
                const qint64 basis = sektorAnfang(naechster);
                for (qint64 i = 0; i < jeSektor; ++i) {
                    const std::uint32_t v = lies32(basis + 4 * i);
                    if (v == Kettenende) {
                        ende = true;
                        break;
                    }
                    if (i == jeSektor - 1)
                        naechster = v;
                    else if (v != Frei)
                        fat.push_back(v);
                }
            }
        }
        // A sound table needs one sector per 128 (or 1024) sectors; the library keeps a list
        // node per entry, so a header naming far more sectors is refused.
        if (qint64(fat.size()) > m_sektoren / 64 + 2)
            return TabelleBeschaedigtText();
        m_fat.reserve(fat.size() * std::size_t(m_sektor / 4));
        for (std::uint32_t s : fat) {
            if (s >= m_sektoren)
                return TabelleBeschaedigtText();
            const qint64 basis = sektorAnfang(s);
            for (qint64 i = 0; i < m_sektor / 4; ++i)
                m_fat.push_back(lies32(basis + 4 * i));
        }
        m_miniGrenze = lies32(0x38);
        return verzeichnisLesen();
    }

    bool verschluesselt() const { return m_verschluesselt; }
    // The streams named "Workbook" or "Book" (an .xls holds one).
    const std::vector<QByteArray> &arbeitsmappen() const { return m_mappen; }

private:
    struct Eintrag
    {
        QString name;
        int art = 0;
        std::uint32_t start = 0;
        qint64 groesse = 0;
    };

    std::uint16_t lies16(qint64 pos) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(m_d.constData()) + pos;
        return std::uint16_t(p[0] | p[1] << 8);
    }
    std::uint32_t lies32(qint64 pos) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(m_d.constData()) + pos;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    }
    qint64 sektorAnfang(std::uint32_t s) const { return (qint64(s) + 1) * m_sektor; }

    // A chain of the sector table from start: distinct sectors, all inside the file.
    std::optional<std::vector<std::uint32_t>> kette(std::uint32_t start, const std::vector<std::uint32_t> &tabelle,
                                                    qint64 anzahl) const
    {
        std::vector<std::uint32_t> k;
        std::vector<bool> besucht(std::size_t(anzahl), false);
        for (std::uint32_t s = start; s != Kettenende;) {
            if (s >= anzahl || s >= tabelle.size() || besucht[s])
                return std::nullopt;
            besucht[s] = true;
            k.push_back(s);
            s = tabelle[s];
        }
        return k;
    }

    std::optional<QByteArray> stromLesen(std::uint32_t start, qint64 groesse) const
    {
        const auto k = kette(start, m_fat, m_sektoren);
        if (!k || qint64(k->size()) * m_sektor < groesse)
            return std::nullopt;
        QByteArray strom;
        strom.reserve(groesse);
        for (std::uint32_t s : *k) {
            if (strom.size() >= groesse)
                break;
            strom.append(m_d.constData() + sektorAnfang(s), std::min<qint64>(m_sektor, groesse - strom.size()));
        }
        return strom;
    }

    std::optional<QByteArray> ministromLesen(std::uint32_t start, qint64 groesse) const
    {
        constexpr qint64 Minisektor = 64;
        const std::uint32_t miniFatStart = lies32(0x3c);
        const auto miniFatKette = kette(miniFatStart, m_fat, m_sektoren);
        if (!miniFatKette)
            return std::nullopt;
        std::vector<std::uint32_t> miniFat;
        for (std::uint32_t s : *miniFatKette) {
            for (qint64 i = 0; i < m_sektor / 4; ++i)
                miniFat.push_back(lies32(sektorAnfang(s) + 4 * i));
        }
        const qint64 miniSektoren = m_ministrom.size() / Minisektor;
        const auto k = kette(start, miniFat, miniSektoren);
        if (!k || qint64(k->size()) * Minisektor < groesse)
            return std::nullopt;
        QByteArray strom;
        for (std::uint32_t s : *k) {
            if (strom.size() >= groesse)
                break;
            strom.append(m_ministrom.constData() + qint64(s) * Minisektor,
                         std::min<qint64>(Minisektor, groesse - strom.size()));
        }
        return strom;
    }

    QString verzeichnisLesen()
    {
        const auto sektoren = kette(lies32(0x30), m_fat, m_sektoren);
        if (!sektoren)
            return TabelleBeschaedigtText();
        std::vector<Eintrag> eintraege;
        for (std::uint32_t s : *sektoren) {
            for (qint64 e = 0; e < m_sektor / 128; ++e) {
                const qint64 basis = sektorAnfang(s) + 128 * e;
                Eintrag eintrag;
                // The name's length counts bytes, the closing zero included.
                const int zeichen = std::clamp(int(lies16(basis + 0x40)) / 2 - 1, 0, 31);
                for (int i = 0; i < zeichen; ++i)
                    eintrag.name += QChar(lies16(basis + 2 * i));
                eintrag.art = static_cast<unsigned char>(m_d[basis + 0x42]);
                eintrag.start = lies32(basis + 0x74);
                eintrag.groesse = qint64(lies32(basis + 0x78)) | qint64(lies32(basis + 0x7c)) << 32;
                eintraege.push_back(eintrag);
            }
        }
        if (eintraege.empty() || eintraege.front().art != 5)
            return TabelleBeschaedigtText();
        // Every stream the library might load must fit the file; so must the mini stream.
        for (const Eintrag &e : eintraege) {
            if (e.art != 0 && (e.groesse < 0 || e.groesse > m_d.size()))
                return TabelleBeschaedigtText();
        }
        const Eintrag &wurzel = eintraege.front();
        if (wurzel.groesse > 0) {
            const auto mini = stromLesen(wurzel.start, wurzel.groesse);
            if (!mini)
                return TabelleBeschaedigtText();
            m_ministrom = *mini;
        }
        for (const Eintrag &e : eintraege) {
            if (e.art != 2)
                continue;
            if (e.name.compare(QStringLiteral("EncryptedPackage"), Qt::CaseInsensitive) == 0)
                m_verschluesselt = true;
            if (e.name.compare(QStringLiteral("Workbook"), Qt::CaseInsensitive) != 0
                && e.name.compare(QStringLiteral("Book"), Qt::CaseInsensitive) != 0)
                continue;
            const auto strom =
                e.groesse < m_miniGrenze ? ministromLesen(e.start, e.groesse) : stromLesen(e.start, e.groesse);
            if (!strom)
                return TabelleBeschaedigtText();
            m_mappen.push_back(*strom);
        }
        return QString();
    }

    const QByteArray &m_d;
    qint64 m_sektor = 512;
    qint64 m_sektoren = 0;
    qint64 m_miniGrenze = 4096;
    std::vector<std::uint32_t> m_fat;
    QByteArray m_ministrom;
    std::vector<QByteArray> m_mappen;
    bool m_verschluesselt = false;
};

// Walks the records of a workbook stream: the cells the library will allocate for each sheet
// (its declared dimension, or the largest cell position where none is declared), the size of
// the string table, and whether the workbook is encrypted.
QString BiffPruefen(const QByteArray &strom)
{
    const auto *p = reinterpret_cast<const unsigned char *>(strom.constData());
    const auto u16 = [p](qint64 pos) { return std::uint32_t(p[pos] | p[pos + 1] << 8); };
    const auto u32 = [p](qint64 pos) {
        return std::uint32_t(p[pos]) | std::uint32_t(p[pos + 1]) << 8 | std::uint32_t(p[pos + 2]) << 16
            | std::uint32_t(p[pos + 3]) << 24;
    };
    bool biff8 = true;
    bool ersterBof = true;
    qint64 zellen = 0;
    qint64 dimension = -1; // declared cells of the current sheet, -1 while none is declared
    qint64 hoechsteZeile = -1;
    qint64 hoechsteSpalte = -1;
    const auto abschliessen = [&] {
        qint64 n = 0;
        if (dimension >= 0)
            n = dimension;
        else if (hoechsteZeile >= 0)
            n = (hoechsteZeile + 2) * (hoechsteSpalte + 2);
        zellen += n;
        dimension = -1;
        hoechsteZeile = hoechsteSpalte = -1;
    };
    qint64 pos = 0;
    while (pos + 4 <= strom.size()) {
        const std::uint32_t art = u16(pos);
        const qint64 laenge = u16(pos + 2);
        const qint64 daten = pos + 4;
        if (daten + laenge > strom.size())
            break;
        switch (art) {
        case 0x0809: // BOF
            if (laenge >= 2 && ersterBof)
                biff8 = u16(daten) == 0x0600;
            ersterBof = false;
            abschliessen();
            break;
        case 0x000a: // EOF
            abschliessen();
            break;
        case 0x002f: // FILEPASS
            return VerschluesseltText();
        case 0x00fc: // SST: each string takes at least three bytes
            if (laenge >= 8 && qint64(u32(daten + 4)) > strom.size() / 3 + 1)
                return TabelleBeschaedigtText();
            break;
        case 0x0200: // DIMENSION
            if (biff8 && laenge >= 12)
                dimension = qint64(u32(daten + 4)) * qint64(u16(daten + 10));
            else if (!biff8 && laenge >= 8)
                dimension = qint64(u16(daten + 2)) * qint64(u16(daten + 6));
            break;
        case 0x0203: // NUMBER
        case 0x027e: // RK
        case 0x00fd: // LABELSST
        case 0x0204: // LABEL
        case 0x0205: // BOOLERR
        case 0x0006: // FORMULA
        case 0x0201: // BLANK
        case 0x00d6: // RSTRING
            if (laenge >= 4) {
                hoechsteZeile = std::max<qint64>(hoechsteZeile, u16(daten));
                hoechsteSpalte = std::max<qint64>(hoechsteSpalte, u16(daten + 2));
            }
            break;
        case 0x00bd: // MULRK
        case 0x00be: // MULBLANK
            if (laenge >= 6) {
                hoechsteZeile = std::max<qint64>(hoechsteZeile, u16(daten));
                hoechsteSpalte = std::max<qint64>(hoechsteSpalte, u16(daten + laenge - 2));
            }
            break;
        default:
            break;
        }
        if (zellen > TabelleHoechstZellen || dimension > TabelleHoechstZellen)
            return TabelleZuGrossText();
        pos = daten + laenge;
    }
    abschliessen();
    return zellen > TabelleHoechstZellen ? TabelleZuGrossText() : QString();
}

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" and "HH:MM:SS" as the library gives dates and times, in
// the user's format.
QString DatumText(const char *text, int art, const QLocale &format)
{
    const QString t = QString::fromUtf8(text);
    if (art == FREEXL_CELL_DATE) {
        const QDate d = QDate::fromString(t, QStringLiteral("yyyy-MM-dd"));
        return d.isValid() ? format.toString(d, QLocale::ShortFormat) : t;
    }
    if (art == FREEXL_CELL_TIME) {
        const QTime z = QTime::fromString(t, QStringLiteral("HH:mm:ss"));
        return z.isValid() ? format.toString(z, QLocale::ShortFormat) : t;
    }
    const QDateTime dz = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return dz.isValid() ? format.toString(dz, QLocale::ShortFormat) : t;
}

} // namespace

Tabellenlesung MitFreexlLesen(const QByteArray &inhalt, const QLocale &zahlenformat)
{
    Verbunddatei datei(inhalt);
    QString grund = datei.oeffnen();
    if (grund.isEmpty() && datei.verschluesselt())
        grund = VerschluesseltText();
    if (grund.isEmpty() && datei.arbeitsmappen().empty())
        grund = TabelleBeschaedigtText();
    for (const QByteArray &strom : datei.arbeitsmappen()) {
        if (!grund.isEmpty())
            break;
        grund = BiffPruefen(strom);
    }
    if (!grund.isEmpty())
        return {{}, grund};

    // The library reads from a path: it gets a private copy of the checked bytes, so that
    // what it reads is what was checked.
    QTemporaryFile kopie(QDir::temp().filePath(QStringLiteral("kombiwerk-XXXXXX.xls")));
    if (!kopie.open() || kopie.write(inhalt) != inhalt.size() || !kopie.flush())
        return {{}, QStringLiteral("Für das Lesen der Tabelle ist im Ordner für temporäre Dateien kein Platz.")};
    kopie.close();

    const void *handle = nullptr;
    if (freexl_open(QFile::encodeName(kopie.fileName()).constData(), &handle) != FREEXL_OK) {
        if (handle)
            freexl_close(handle);
        return {{}, TabelleBeschaedigtText()};
    }
    struct Schliessen
    {
        const void *h;
        ~Schliessen() { freexl_close(h); }
    } schliessen{handle};

    unsigned int blaetter = 0;
    unsigned int kennwort = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &kennwort) == FREEXL_OK && kennwort == FREEXL_BIFF_OBFUSCATED)
        return {{}, VerschluesseltText()};
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &blaetter) != FREEXL_OK || blaetter == 0
        || freexl_select_active_worksheet(handle, 0) != FREEXL_OK)
        return {{}, TabelleBeschaedigtText()};
    unsigned int zeilen = 0;
    unsigned short spalten = 0;
    if (freexl_worksheet_dimensions(handle, &zeilen, &spalten) != FREEXL_OK)
        return {{}, TabelleBeschaedigtText()};
    if (qint64(zeilen) * spalten > TabelleHoechstZellen)
        return {{}, TabelleZuGrossText()};

    Zellsammlung sammlung(zahlenformat);
    try {
        for (unsigned int r = 0; r < zeilen; ++r) {
            for (unsigned short c = 0; c < spalten; ++c) {
                FreeXL_CellValue zelle;
                if (freexl_get_cell_value(handle, r, c, &zelle) != FREEXL_OK)
                    return {{}, TabelleBeschaedigtText()};
                switch (zelle.type) {
                case FREEXL_CELL_INT:
                    sammlung.zahl(int(r), c, zelle.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    sammlung.zahl(int(r), c, zelle.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                    sammlung.text(int(r), c, QString::fromUtf8(zelle.value.text_value));
                    break;
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    sammlung.text(int(r), c, DatumText(zelle.value.text_value, zelle.type, zahlenformat));
                    break;
                default:
                    break;
                }
            }
        }
    } catch (const Tabellengrenze &g) {
        return {{}, g.grund};
    }
    return sammlung.zeilen();
}
