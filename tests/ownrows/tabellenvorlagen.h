#pragma once

// Small workbooks made by the tests themselves: an OpenDocument spreadsheet (a zip of XML
// parts), an .xls (a BIFF8 workbook stream in a compound file), and the containers they
// need. Only what the readers look at is written.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace Vorlagen {

inline void Setze16(QByteArray &d, qsizetype pos, std::uint16_t v)
{
    qToLittleEndian(v, d.data() + pos);
}

inline void Setze32(QByteArray &d, qsizetype pos, std::uint32_t v)
{
    qToLittleEndian(v, d.data() + pos);
}

inline void Haenge16(QByteArray &d, std::uint16_t v)
{
    d.append(char(v & 0xff)).append(char(v >> 8));
}

inline void Haenge32(QByteArray &d, std::uint32_t v)
{
    Haenge16(d, std::uint16_t(v & 0xffff));
    Haenge16(d, std::uint16_t(v >> 16));
}

inline std::uint32_t Crc32(const QByteArray &d)
{
    static const auto tabelle = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (char b : d)
        c = tabelle[(c ^ std::uint8_t(b)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

// A zip archive with stored (uncompressed) entries, in the given order.
inline QByteArray Zip(const QList<QPair<QString, QByteArray>> &eintraege)
{
    QByteArray aus;
    QByteArray verzeichnis;
    for (const auto &[name, inhalt] : eintraege) {
        const QByteArray n = name.toUtf8();
        const std::uint32_t crc = Crc32(inhalt);
        const auto offset = std::uint32_t(aus.size());
        Haenge32(aus, 0x04034b50);
        Haenge16(aus, 10); // version needed
        Haenge16(aus, 0); // flags
        Haenge16(aus, 0); // stored
        Haenge32(aus, 0); // time, date
        Haenge32(aus, crc);
        Haenge32(aus, std::uint32_t(inhalt.size()));
        Haenge32(aus, std::uint32_t(inhalt.size()));
        Haenge16(aus, std::uint16_t(n.size()));
        Haenge16(aus, 0);
        aus += n + inhalt;

        Haenge32(verzeichnis, 0x02014b50);
        Haenge16(verzeichnis, 20);
        Haenge16(verzeichnis, 10);
        Haenge16(verzeichnis, 0);
        Haenge16(verzeichnis, 0);
        Haenge32(verzeichnis, 0);
        Haenge32(verzeichnis, crc);
        Haenge32(verzeichnis, std::uint32_t(inhalt.size()));
        Haenge32(verzeichnis, std::uint32_t(inhalt.size()));
        Haenge16(verzeichnis, std::uint16_t(n.size()));
        Haenge16(verzeichnis, 0); // extra
        Haenge16(verzeichnis, 0); // comment
        Haenge16(verzeichnis, 0); // disk
        Haenge16(verzeichnis, 0); // internal attributes
        Haenge32(verzeichnis, 0); // external attributes
        Haenge32(verzeichnis, offset);
        verzeichnis += n;
    }
    const auto beginn = std::uint32_t(aus.size());
    aus += verzeichnis;
    Haenge32(aus, 0x06054b50);
    Haenge16(aus, 0);
    Haenge16(aus, 0);
    Haenge16(aus, std::uint16_t(eintraege.size()));
    Haenge16(aus, std::uint16_t(eintraege.size()));
    Haenge32(aus, std::uint32_t(verzeichnis.size()));
    Haenge32(aus, beginn);
    Haenge16(aus, 0);
    return aus;
}

// The first central-directory entry named name in a zip announces this unpacked size.
inline void ZipGroesseBehaupten(QByteArray &zip, const QByteArray &name, std::uint32_t groesse)
{
    for (qsizetype pos = 0; (pos = zip.indexOf(QByteArray("PK\x01\x02", 4), pos)) >= 0; ++pos) {
        const auto laenge = qFromLittleEndian<std::uint16_t>(zip.constData() + pos + 28);
        if (zip.mid(pos + 46, laenge) == name) {
            Setze32(zip, pos + 24, groesse);
            return;
        }
    }
}

// One cell of content.xml: a number, a text, or an empty cell; raw XML for anything else.
inline QString OdsZahl(const QString &wert)
{
    return QStringLiteral("<table:table-cell office:value-type=\"float\" office:value=\"%1\"><text:p>%1</text:p>"
                          "</table:table-cell>")
        .arg(wert);
}

inline QString OdsText(const QString &text)
{
    return QStringLiteral("<table:table-cell office:value-type=\"string\"><text:p>%1</text:p></table:table-cell>")
        .arg(text);
}

inline QString OdsLeer()
{
    return QStringLiteral("<table:table-cell/>");
}

inline QString OdsZeile(const QStringList &zellen, int wiederholt = 1)
{
    const QString kopf = wiederholt > 1
        ? QStringLiteral("<table:table-row table:number-rows-repeated=\"%1\">").arg(wiederholt)
        : QStringLiteral("<table:table-row>");
    return kopf + zellen.join(QString()) + QStringLiteral("</table:table-row>");
}

// An .ods workbook whose sheets hold the given rows (each already in OdsZeile form).
inline QByteArray Ods(const QList<QStringList> &blaetter)
{
    QString inhalt =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                       "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                       "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                       "xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.2\">"
                       "<office:body><office:spreadsheet>");
    for (qsizetype i = 0; i < blaetter.size(); ++i) {
        inhalt += QStringLiteral("<table:table table:name=\"Blatt%1\">").arg(i + 1);
        inhalt += blaetter[i].join(QString());
        inhalt += QStringLiteral("</table:table>");
    }
    inhalt += QStringLiteral("</office:spreadsheet></office:body></office:document-content>");
    const QByteArray manifest(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
        "manifest:version=\"1.2\">"
        "<manifest:file-entry manifest:full-path=\"/\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>");
    return Zip({{QStringLiteral("mimetype"), QByteArray("application/vnd.oasis.opendocument.spreadsheet")},
                {QStringLiteral("META-INF/manifest.xml"), manifest},
                {QStringLiteral("content.xml"), inhalt.toUtf8()}});
}

// ---- .xls ----

inline QByteArray Satz(std::uint16_t art, const QByteArray &daten)
{
    QByteArray s;
    Haenge16(s, art);
    Haenge16(s, std::uint16_t(daten.size()));
    return s + daten;
}

struct XlsOptionen
{
    std::optional<std::pair<std::uint32_t, std::uint16_t>> dimension; // rows, columns announced
    bool kennwort = false; // a FILEPASS record in the globals
};

// A BIFF8 workbook stream with one worksheet "Tabelle1": each text of zeilen that reads as a
// number becomes a NUMBER cell, any other non-empty text a shared string, "" no cell.
inline QByteArray Biff8(const QList<QStringList> &zeilen, const XlsOptionen &optionen = {})
{
    const auto bof = [](std::uint16_t art) {
        QByteArray d;
        Haenge16(d, 0x0600);
        Haenge16(d, art);
        Haenge16(d, 0x0dbb);
        Haenge16(d, 0x07cc);
        Haenge32(d, 0);
        Haenge32(d, 6);
        return Satz(0x0809, d);
    };
    QStringList texte;
    QByteArray zellen;
    std::uint16_t spalten = 0;
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
        for (qsizetype c = 0; c < zeilen[r].size(); ++c) {
            const QString &t = zeilen[r][c];
            if (t.isEmpty())
                continue;
            spalten = std::max<std::uint16_t>(spalten, std::uint16_t(c + 1));
            QByteArray d;
            Haenge16(d, std::uint16_t(r));
            Haenge16(d, std::uint16_t(c));
            Haenge16(d, 0); // XF
            bool zahl = false;
            const double wert = t.toDouble(&zahl);
            if (zahl) {
                char bytes[8];
                std::memcpy(bytes, &wert, 8);
                d.append(bytes, 8);
                zellen += Satz(0x0203, d);
            } else {
                qsizetype index = texte.indexOf(t);
                if (index < 0) {
                    index = texte.size();
                    texte.append(t);
                }
                Haenge32(d, std::uint32_t(index));
                zellen += Satz(0x00fd, d);
            }
        }
    }

    QByteArray sst;
    Haenge32(sst, std::uint32_t(texte.size()));
    Haenge32(sst, std::uint32_t(texte.size()));
    for (const QString &t : std::as_const(texte)) {
        const QByteArray l1 = t.toLatin1();
        Haenge16(sst, std::uint16_t(l1.size()));
        sst.append(char(0)); // 8-bit characters
        sst += l1;
    }
    const QByteArray name("Tabelle1");
    QByteArray globale = bof(0x0005);
    QByteArray codepage;
    Haenge16(codepage, 1200);
    globale += Satz(0x0042, codepage);
    if (optionen.kennwort) {
        QByteArray d;
        Haenge16(d, 0);
        Haenge16(d, 0x1234);
        Haenge16(d, 0x5678);
        globale += Satz(0x002f, d);
    }
    const qsizetype blattsatzAn = globale.size();
    QByteArray blattsatz;
    Haenge32(blattsatz, 0); // filled in below
    blattsatz.append(char(0)).append(char(0)).append(char(name.size())).append(char(0));
    blattsatz += name;
    globale += Satz(0x0085, blattsatz);
    if (!texte.isEmpty())
        globale += Satz(0x00fc, sst);
    globale += Satz(0x000a, {});
    Setze32(globale, blattsatzAn + 4, std::uint32_t(globale.size()));

    QByteArray blatt = bof(0x0010);
    QByteArray dim;
    const auto [zeilenzahl, spaltenzahl] =
        optionen.dimension.value_or(std::pair{std::uint32_t(zeilen.size()), spalten});
    Haenge32(dim, 0);
    Haenge32(dim, zeilenzahl);
    Haenge16(dim, 0);
    Haenge16(dim, spaltenzahl);
    Haenge16(dim, 0);
    blatt += Satz(0x0200, dim);
    blatt += zellen;
    blatt += Satz(0x000a, {});
    return globale + blatt;
}

// A compound file (512-byte sectors) holding one stream. Streams below 4096 bytes go to the
// mini stream unless gestreckt pads them into ordinary sectors, as spreadsheet programs do.
inline QByteArray Verbund(const QByteArray &strom, const QString &name = QStringLiteral("Workbook"),
                          bool gestreckt = true)
{
    constexpr std::uint32_t Ende = 0xfffffffe;
    constexpr std::uint32_t Frei = 0xffffffff;
    constexpr int S = 512;
    QByteArray kopf(S, char(0));
    kopf.replace(0, 8, QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8));
    Setze16(kopf, 0x18, 0x3e);
    Setze16(kopf, 0x1a, 3);
    Setze16(kopf, 0x1c, 0xfffe);
    Setze16(kopf, 0x1e, 9);
    Setze16(kopf, 0x20, 6);
    Setze32(kopf, 0x2c, 1); // one FAT sector
    Setze32(kopf, 0x30, 1); // directory in sector 1
    Setze32(kopf, 0x38, 4096);
    Setze32(kopf, 0x44, Ende);
    Setze32(kopf, 0x48, 0);
    Setze32(kopf, 0x4c, 0); // the FAT in sector 0
    for (int i = 1; i < 109; ++i)
        Setze32(kopf, 0x4c + 4 * i, Frei);

    QByteArray fat(S, char(0xff));
    Setze32(fat, 0, 0xfffffffd);
    Setze32(fat, 4, Ende);
    const bool mini = !gestreckt && strom.size() < 4096;
    QByteArray daten = strom;
    std::uint32_t stromStart = 2;
    std::uint32_t wurzelStart = Ende;
    std::uint32_t wurzelGroesse = 0;
    std::uint32_t stromGroesse = std::uint32_t(strom.size());
    QByteArray miniFat;
    if (mini) {
        const qsizetype miniSektoren = (strom.size() + 63) / 64;
        daten.append(QByteArray(miniSektoren * 64 - strom.size(), char(0)));
        miniFat = QByteArray(S, char(0xff));
        for (qsizetype i = 0; i < miniSektoren; ++i)
            Setze32(miniFat, 4 * i, i + 1 < miniSektoren ? std::uint32_t(i + 1) : Ende);
        Setze32(fat, 8, Ende); // the mini FAT in sector 2
        Setze32(kopf, 0x3c, 2);
        Setze32(kopf, 0x40, 1);
        wurzelStart = 3;
        wurzelGroesse = std::uint32_t(daten.size());
        stromStart = 0;
    } else {
        Setze32(kopf, 0x3c, Ende);
        Setze32(kopf, 0x40, 0);
        if (daten.size() < 4096)
            daten.append(QByteArray(4096 - daten.size(), char(0)));
        stromGroesse = std::uint32_t(daten.size());
    }
    daten.append(QByteArray((S - daten.size() % S) % S, char(0)));
    const std::uint32_t erster = mini ? 3 : 2;
    const auto sektoren = std::uint32_t(daten.size() / S);
    for (std::uint32_t i = 0; i < sektoren; ++i)
        Setze32(fat, 4 * (erster + i), i + 1 < sektoren ? erster + i + 1 : Ende);

    const auto eintrag = [](const QString &n, int art, std::uint32_t kind, std::uint32_t start, std::uint32_t groesse) {
        QByteArray e(128, char(0));
        for (qsizetype i = 0; i < n.size(); ++i)
            Setze16(e, 2 * i, n[i].unicode());
        Setze16(e, 0x40, std::uint16_t(2 * (n.size() + 1)));
        e[0x42] = char(art);
        e[0x43] = 1; // black
        Setze32(e, 0x44, 0xffffffff);
        Setze32(e, 0x48, 0xffffffff);
        Setze32(e, 0x4c, kind);
        Setze32(e, 0x74, start);
        Setze32(e, 0x78, groesse);
        return e;
    };
    QByteArray verzeichnis = eintrag(QStringLiteral("Root Entry"), 5, 1, wurzelStart, wurzelGroesse)
        + eintrag(name, 2, 0xffffffff, stromStart, stromGroesse);
    verzeichnis.append(QByteArray(S - verzeichnis.size(), char(0)));
    for (int i = 2; i < 4; ++i)
        Setze32(verzeichnis, 128 * i + 0x44, 0xffffffff), Setze32(verzeichnis, 128 * i + 0x48, 0xffffffff),
            Setze32(verzeichnis, 128 * i + 0x4c, 0xffffffff);
    return kopf + fat + verzeichnis + miniFat + daten;
}

} // namespace Vorlagen
