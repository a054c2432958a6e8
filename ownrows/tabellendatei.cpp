#include "tabellendatei.h"

#include "tabellenzellen.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>

// ---- the values of the first worksheet and the lines made of them ----

QString TabelleZuGrossText()
{
    const QLocale format;
    return QStringLiteral("Die Tabelle ist zu groß: Ich lese höchstens %1 Zeilen und %2 Spalten (bis Spalte ZZ), "
                          "zusammen höchstens %3 Zellen, aus einer Datei von höchstens %4 MB.")
        .arg(format.toString(TabelleHoechstZeilen), format.toString(TabelleHoechstSpalten),
             format.toString(TabelleHoechstZellen), format.toString(TabelleHoechstBytes / (1024 * 1024)));
}

QString TabelleBeschaedigtText()
{
    return QStringLiteral("Die Datei ist beschädigt oder keine Tabelle in einem Format, das ich lesen kann.");
}

Zellsammlung::Zellsammlung(const QLocale &zahlenformat) : m_zahlenformat(zahlenformat) { }

QString Zellsammlung::Zahltext(double wert, const QLocale &zahlenformat)
{
    QLocale format = zahlenformat;
    format.setNumberOptions(format.numberOptions() | QLocale::OmitGroupSeparator);
    // Whole numbers as they are written, others with up to 15 significant digits.
    if (std::isfinite(wert) && wert == std::trunc(wert) && std::fabs(wert) < 1e15)
        return format.toString(qint64(wert));
    return format.toString(wert, 'g', 15);
}

void Zellsammlung::ablegen(int zeile, int spalte, const QString &text)
{
    if (zeile < 0 || spalte < 0)
        return;
    if (zeile >= TabelleHoechstZeilen || spalte >= TabelleHoechstSpalten
        || qint64(m_zellen.size()) >= TabelleHoechstZellen || m_zeichen + text.size() > TabelleHoechstZeichen)
        throw Tabellengrenze{TabelleZuGrossText()};
    m_zeichen += text.size();
    m_zellen.push_back({zeile, spalte, text});
}

void Zellsammlung::zahl(int zeile, int spalte, double wert)
{
    ablegen(zeile, spalte, Zahltext(wert, m_zahlenformat));
}

void Zellsammlung::text(int zeile, int spalte, const QString &text)
{
    ablegen(zeile, spalte, text);
}

void Zellsammlung::wahrheitswert(int zeile, int spalte, bool wert)
{
    ablegen(zeile, spalte, wert ? QStringLiteral("WAHR") : QStringLiteral("FALSCH"));
}

void Zellsammlung::datumZeit(int zeile, int spalte, const QDate &datum, const QTime &zeit)
{
    QString t = m_zahlenformat.toString(datum, QLocale::ShortFormat);
    if (zeit.isValid() && zeit != QTime(0, 0))
        t += (t.isEmpty() ? QString() : QStringLiteral(" ")) + m_zahlenformat.toString(zeit, QLocale::ShortFormat);
    ablegen(zeile, spalte, t);
}

void Zellsammlung::nachUntenFuellen(int zeile, int spalte, int anzahl)
{
    // The cell was set just before; look for it among the latest values only.
    const std::size_t suchweite = std::min<std::size_t>(m_zellen.size(), 4 * TabelleHoechstSpalten);
    for (std::size_t i = m_zellen.size(); i > m_zellen.size() - suchweite; --i) {
        const Zelle &z = m_zellen[i - 1];
        if (z.zeile == zeile && z.spalte == spalte) {
            const QString text = z.text;
            for (int k = 1; k <= anzahl; ++k)
                ablegen(zeile + k, spalte, text);
            return;
        }
    }
}

Tabellenlesung Zellsammlung::zeilen() const
{
    if (m_zellen.empty())
        return {{}, QStringLiteral("Die erste Tabelle der Datei enthält keine Werte.")};
    std::vector<const Zelle *> geordnet;
    geordnet.reserve(m_zellen.size());
    int letzteZeile = 0;
    int letzteSpalte = 0;
    for (const Zelle &z : m_zellen) {
        geordnet.push_back(&z);
        letzteZeile = std::max(letzteZeile, z.zeile);
        letzteSpalte = std::max(letzteSpalte, z.spalte);
    }
    const qint64 zeilenzahl = qint64(letzteZeile) + 1;
    const qint64 spaltenzahl = qint64(letzteSpalte) + 1;
    if (zeilenzahl * spaltenzahl > TabelleHoechstZellen)
        return {{}, TabelleZuGrossText()};
    // In cell order; of two values for one cell the later one counts.
    std::stable_sort(geordnet.begin(), geordnet.end(), [](const Zelle *a, const Zelle *b) {
        return a->zeile != b->zeile ? a->zeile < b->zeile : a->spalte < b->spalte;
    });
    Tabellenlesung ergebnis;
    ergebnis.zeilen.reserve(zeilenzahl);
    QStringList felder;
    std::size_t i = 0;
    for (int r = 0; r < zeilenzahl; ++r) {
        felder.fill(QString(), spaltenzahl);
        for (; i < geordnet.size() && geordnet[i]->zeile == r; ++i)
            felder[geordnet[i]->spalte] = geordnet[i]->text;
        ergebnis.zeilen.append(felder.join(QLatin1Char(',')));
    }
    return ergebnis;
}

// ---- reading ----

Tabellenlesung TabelleAusInhalt(const QByteArray &inhalt, const QLocale &zahlenformat)
{
    if (inhalt.size() > TabelleHoechstBytes)
        return {{}, TabelleZuGrossText()};
    static const QByteArray Zip("PK\x03\x04", 4);
    static const QByteArray Verbund("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8);
    if (inhalt.startsWith(Zip))
        return MitOrcusLesen(inhalt, zahlenformat);
    if (inhalt.startsWith(Verbund))
        return MitFreexlLesen(inhalt, zahlenformat);
    return {{},
            QStringLiteral("Die Datei ist keine Excel-Tabelle (.xlsx, .xlsm, .xls) und keine OpenDocument-Tabelle "
                           "(.ods).")};
}

Tabellenlesung TabelleLesen(const QString &pfad, const QLocale &zahlenformat)
{
    QFile datei(pfad);
    if (!datei.exists())
        return {{}, QStringLiteral("Die Datei gibt es nicht.")};
    if (!datei.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Die Datei lässt sich nicht öffnen (%1).").arg(datei.errorString())};
    if (datei.size() > TabelleHoechstBytes)
        return {{}, TabelleZuGrossText()};
    const QByteArray inhalt = datei.read(TabelleHoechstBytes + 1);
    if (datei.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Die Datei lässt sich nicht lesen (%1).").arg(datei.errorString())};
    return TabelleAusInhalt(inhalt, zahlenformat);
}

// ---- writing ----

namespace {

QString MappenFehler(lxw_error fehler)
{
    return QStringLiteral("Die Arbeitsmappe konnte nicht erstellt werden (%1).")
        .arg(QString::fromUtf8(lxw_strerror(fehler)));
}

// The library writes to a file only: the workbook goes to a private folder and comes back as
// bytes, which the caller then writes where it belongs.
Arbeitsmappe MappeErstellen(const std::function<lxw_error(lxw_workbook *)> &fuellen)
{
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return {{}, QStringLiteral("Im Ordner für temporäre Dateien lässt sich kein Arbeitsordner anlegen.")};
    const QString pfad = ordner.filePath(QStringLiteral("mappe.xlsx"));
    QByteArray ablage = QFile::encodeName(ordner.path());
    lxw_workbook_options optionen{};
    optionen.tmpdir = ablage.data();
    lxw_workbook *mappe = workbook_new_opt(QFile::encodeName(pfad).constData(), &optionen);
    if (!mappe)
        return {{}, MappenFehler(LXW_ERROR_MEMORY_MALLOC_FAILED)};
    const lxw_error beimFuellen = fuellen(mappe);
    const lxw_error beimSchliessen = workbook_close(mappe); // frees the workbook in any case
    if (beimFuellen != LXW_NO_ERROR)
        return {{}, MappenFehler(beimFuellen)};
    if (beimSchliessen != LXW_NO_ERROR)
        return {{}, MappenFehler(beimSchliessen)};
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Die erstellte Arbeitsmappe lässt sich nicht lesen (%1).").arg(datei.errorString())};
    Arbeitsmappe ergebnis{datei.readAll(), {}};
    if (datei.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("Die erstellte Arbeitsmappe lässt sich nicht lesen (%1).").arg(datei.errorString())};
    return ergebnis;
}

// Column widths as a spreadsheet program fits them to the longest entry, in its unit (the
// width of a digit) with a little room on both sides.
double Spaltenbreite(qsizetype zeichen)
{
    return double(zeichen) * 1.1 + 1.0;
}

} // namespace

Arbeitsmappe TippreihenArbeitsmappe(const std::vector<std::vector<int>> &reihen, const QStringList &titel)
{
    return MappeErstellen([&](lxw_workbook *mappe) -> lxw_error {
        lxw_worksheet *blatt = workbook_add_worksheet(mappe, "Tippreihen");
        lxw_format *rechts = workbook_add_format(mappe);
        if (!blatt || !rechts)
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
        format_set_align(rechts, LXW_ALIGN_RIGHT);

        const bool mit = !titel.isEmpty();
        const int versatz = mit ? 1 : 0;
        constexpr int RechtsSpalten = 10; // A..J of the first row
        std::vector<qsizetype> breite;
        std::vector<bool> obenBelegt(RechtsSpalten, false);
        const auto merken = [&](int zeile, int spalte, qsizetype zeichen) {
            if (std::size_t(spalte) >= breite.size())
                breite.resize(std::size_t(spalte) + 1, 0);
            breite[std::size_t(spalte)] = std::max(breite[std::size_t(spalte)], zeichen);
            if (zeile == 0 && spalte < RechtsSpalten)
                obenBelegt[std::size_t(spalte)] = true;
        };
        const auto format = [&](int zeile, int spalte) {
            return zeile == 0 && spalte < RechtsSpalten ? rechts : nullptr;
        };
        lxw_error f = LXW_NO_ERROR;
        for (int c = 0; c < titel.size() && f == LXW_NO_ERROR; ++c) {
            f = worksheet_write_string(blatt, 0, lxw_col_t(c), titel[c].toUtf8().constData(), format(0, c));
            merken(0, c, titel[c].size());
        }
        for (std::size_t r = 0; r < reihen.size() && f == LXW_NO_ERROR; ++r) {
            const int zeile = int(r) + versatz;
            if (mit) {
                f = worksheet_write_number(blatt, lxw_row_t(zeile), 0, double(r + 1), format(zeile, 0));
                merken(zeile, 0, QString::number(r + 1).size());
            }
            for (std::size_t j = 0; j < reihen[r].size() && f == LXW_NO_ERROR; ++j) {
                const int spalte = int(j) + versatz;
                const int zahl = reihen[r][j];
                f = worksheet_write_number(blatt, lxw_row_t(zeile), lxw_col_t(spalte), zahl, format(zeile, spalte));
                merken(zeile, spalte, QString::number(zahl).size());
            }
        }
        // The alignment belongs to the cells A1..J1 also where they stay empty.
        for (int c = 0; c < RechtsSpalten && f == LXW_NO_ERROR; ++c) {
            if (!obenBelegt[std::size_t(c)])
                f = worksheet_write_blank(blatt, 0, lxw_col_t(c), rechts);
        }
        for (std::size_t c = 0; c < breite.size() && f == LXW_NO_ERROR; ++c) {
            if (breite[c] > 0)
                f = worksheet_set_column(blatt, lxw_col_t(c), lxw_col_t(c), Spaltenbreite(breite[c]), nullptr);
        }
        return f;
    });
}

Arbeitsmappe EigeneReihenArbeitsmappe(const std::vector<std::vector<int>> &reihen)
{
    return MappeErstellen([&](lxw_workbook *mappe) -> lxw_error {
        lxw_worksheet *blatt = workbook_add_worksheet(mappe, "Tabelle1");
        if (!blatt)
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
        lxw_error f = LXW_NO_ERROR;
        for (std::size_t r = 0; r < reihen.size() && f == LXW_NO_ERROR; ++r) {
            std::vector<int> reihe = reihen[r];
            std::sort(reihe.begin(), reihe.end());
            for (std::size_t j = 0; j < reihe.size() && f == LXW_NO_ERROR; ++j)
                f = worksheet_write_number(blatt, lxw_row_t(r), lxw_col_t(j), reihe[j], nullptr);
        }
        return f;
    });
}

QString FreierExportpfad(const QString &ordner, const QString &stamm)
{
    const QDir dir(ordner);
    for (int n = 1; n <= 99999; ++n) {
        const QString pfad = dir.filePath(QStringLiteral("%1 %2.xlsx").arg(stamm).arg(n));
        if (!QFileInfo(pfad).exists() && !QFileInfo(pfad).isSymLink())
            return pfad;
    }
    return QString();
}
