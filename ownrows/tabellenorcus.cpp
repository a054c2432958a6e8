// Reading .xlsx, .xlsm and .ods workbooks through liborcus. Its own document model would
// need more than the program carries, so a small import handler keeps just the values of the
// first worksheet. The zip container is checked against the bounds first: the library
// allocates what the container's directory announces.

#include "tabellenzellen.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <QHash>

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

namespace {

std::uint32_t Lies32(const QByteArray &d, qint64 pos)
{
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData()) + pos;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t Lies16(const QByteArray &d, qint64 pos)
{
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData()) + pos;
    return std::uint16_t(p[0] | p[1] << 8);
}

// The directory of the zip container as the library reads it: the end record is the last
// one within the final 64 KiB, the entries follow each other from the offset it names. Every
// entry the library could unpack must fit the bounds; an empty reason means it does.
QString ZipPruefen(const QByteArray &d)
{
    constexpr qint64 Endsatz = 22;
    constexpr qint64 Eintragskopf = 46;
    constexpr int HoechstEintraege = 10000;
    const qint64 n = d.size();
    if (n < Endsatz)
        return TabelleBeschaedigtText();
    qint64 ende = -1;
    const qint64 frueheste = std::max<qint64>(0, n - (Endsatz + 0xffff));
    for (qint64 pos = n - 4; pos >= frueheste; --pos) {
        if (Lies32(d, pos) == 0x06054b50) {
            ende = pos;
            break;
        }
    }
    if (ende < 0 || ende + Endsatz > n)
        return TabelleBeschaedigtText();
    qint64 pos = Lies32(d, ende + 16);
    qint64 summe = 0;
    int eintraege = 0;
    while (pos + 4 <= n && Lies32(d, pos) == 0x02014b50) {
        if (pos + Eintragskopf > n || ++eintraege > HoechstEintraege)
            return TabelleBeschaedigtText();
        const qint64 gepackt = Lies32(d, pos + 20);
        const qint64 entpackt = Lies32(d, pos + 24);
        if (gepackt > n)
            return TabelleBeschaedigtText();
        summe += entpackt;
        if (entpackt > TabelleHoechstEntpackt || summe > TabelleHoechstEntpackt)
            return TabelleZuGrossText();
        pos += Eintragskopf + Lies16(d, pos + 28) + Lies16(d, pos + 30) + Lies16(d, pos + 32);
    }
    return eintraege == 0 ? TabelleBeschaedigtText() : QString();
}

QString Text(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

class Zeichenketten : public iface::import_shared_strings
{
public:
    const QString &zeichenkette(ss::string_id_t id) const
    {
        static const QString leer;
        return id < m_texte.size() ? m_texte[id] : leer;
    }

    size_t append(std::string_view s) override
    {
        m_texte.push_back(Text(s));
        return m_texte.size() - 1;
    }
    size_t add(std::string_view s) override
    {
        const QString t = Text(s);
        const auto gefunden = m_index.constFind(t);
        if (gefunden != m_index.constEnd())
            return *gefunden;
        m_texte.push_back(t);
        m_index.insert(t, m_texte.size() - 1);
        return m_texte.size() - 1;
    }
    void set_segment_font(size_t) override { }
    void set_segment_bold(bool) override { }
    void set_segment_italic(bool) override { }
    void set_segment_font_name(std::string_view) override { }
    void set_segment_font_size(double) override { }
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    void append_segment(std::string_view s) override { m_teile += Text(s); }
    size_t commit_segments() override
    {
        m_texte.push_back(m_teile);
        m_teile.clear();
        return m_texte.size() - 1;
    }

private:
    std::vector<QString> m_texte;
    QHash<QString, size_t> m_index;
    QString m_teile;
};

// The formats do not matter for the values; the library only needs somewhere to put them.
class Formate : public iface::import_styles
{
public:
    void set_font_count(size_t) override { }
    void set_font_bold(bool) override { }
    void set_font_italic(bool) override { }
    void set_font_name(std::string_view) override { }
    void set_font_size(double) override { }
    void set_font_underline(ss::underline_t) override { }
    void set_font_underline_width(ss::underline_width_t) override { }
    void set_font_underline_mode(ss::underline_mode_t) override { }
    void set_font_underline_type(ss::underline_type_t) override { }
    void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    void set_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    void set_strikethrough_style(ss::strikethrough_style_t) override { }
    void set_strikethrough_type(ss::strikethrough_type_t) override { }
    void set_strikethrough_width(ss::strikethrough_width_t) override { }
    void set_strikethrough_text(ss::strikethrough_text_t) override { }
    size_t commit_font() override { return m_nr++; }
    void set_fill_count(size_t) override { }
    void set_fill_pattern_type(ss::fill_pattern_t) override { }
    void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override { }
    size_t commit_fill() override { return m_nr++; }
    void set_border_count(size_t) override { }
    void set_border_style(ss::border_direction_t, ss::border_style_t) override { }
    void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                          ss::color_elem_t) override
    { }
    void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override { }
    size_t commit_border() override { return m_nr++; }
    void set_cell_hidden(bool) override { }
    void set_cell_locked(bool) override { }
    void set_cell_print_content(bool) override { }
    void set_cell_formula_hidden(bool) override { }
    size_t commit_cell_protection() override { return m_nr++; }
    void set_number_format_count(size_t) override { }
    void set_number_format_identifier(size_t) override { }
    void set_number_format_code(std::string_view) override { }
    size_t commit_number_format() override { return m_nr++; }
    void set_cell_xf_count(size_t) override { }
    void set_cell_style_xf_count(size_t) override { }
    void set_dxf_count(size_t) override { }
    void set_xf_font(size_t) override { }
    void set_xf_fill(size_t) override { }
    void set_xf_border(size_t) override { }
    void set_xf_protection(size_t) override { }
    void set_xf_number_format(size_t) override { }
    void set_xf_style_xf(size_t) override { }
    void set_xf_apply_alignment(bool) override { }
    void set_xf_horizontal_alignment(ss::hor_alignment_t) override { }
    void set_xf_vertical_alignment(ss::ver_alignment_t) override { }
    size_t commit_cell_xf() override { return m_nr++; }
    size_t commit_cell_style_xf() override { return m_nr++; }
    size_t commit_dxf() override { return m_nr++; }
    void set_cell_style_count(size_t) override { }
    void set_cell_style_name(std::string_view) override { }
    void set_cell_style_xf(size_t) override { }
    void set_cell_style_builtin(size_t) override { }
    void set_cell_style_parent_name(std::string_view) override { }
    size_t commit_cell_style() override { return m_nr++; }

private:
    size_t m_nr = 0;
};

class Einstellungen : public iface::import_global_settings
{
public:
    void set_origin_date(int jahr, int monat, int tag) override { m_ursprung = QDate(jahr, monat, tag); }
    void set_default_formula_grammar(ss::formula_grammar_t g) override { m_grammatik = g; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return m_grammatik; }
    void set_character_set(orcus::character_set_t) override { }

private:
    QDate m_ursprung{1899, 12, 30};
    ss::formula_grammar_t m_grammatik = ss::formula_grammar_t::unknown;
};

// Cell references in A1 notation ("B7", "$C$2", "Tabelle1!A1:C3") for the parts of a workbook
// that name cells; out-of-range parts give an invalid address, which the library rejects.
class Bezuege : public iface::import_reference_resolver
{
public:
    ss::src_address_t resolve_address(std::string_view s) override
    {
        const auto ausrufe = s.rfind('!');
        if (ausrufe != std::string_view::npos)
            s.remove_prefix(ausrufe + 1);
        ss::src_address_t a{0, -1, -1};
        std::size_t i = 0;
        if (i < s.size() && s[i] == '$')
            ++i;
        qint64 spalte = 0;
        std::size_t buchstaben = 0;
        for (; i < s.size(); ++i, ++buchstaben) {
            const char c = char(s[i] & ~0x20);
            if (c < 'A' || c > 'Z' || buchstaben >= 3)
                break;
            spalte = spalte * 26 + (c - 'A' + 1);
        }
        if (i < s.size() && s[i] == '$')
            ++i;
        qint64 zeile = 0;
        std::size_t ziffern = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9' && ziffern < 8; ++i, ++ziffern)
            zeile = zeile * 10 + (s[i] - '0');
        if (buchstaben == 0 || ziffern == 0 || i != s.size() || zeile < 1)
            throw std::invalid_argument("ungültiger Zellbezug");
        a.row = ss::row_t(zeile - 1);
        a.column = ss::col_t(spalte - 1);
        return a;
    }
    ss::src_range_t resolve_range(std::string_view s) override
    {
        const auto doppelpunkt = s.find(':');
        if (doppelpunkt == std::string_view::npos) {
            const ss::src_address_t a = resolve_address(s);
            return {a, a};
        }
        return {resolve_address(s.substr(0, doppelpunkt)), resolve_address(s.substr(doppelpunkt + 1))};
    }
};

class Blatt;

class Formel : public iface::import_formula
{
public:
    explicit Formel(Blatt &blatt) : m_blatt(blatt) { }
    void set_position(ss::row_t zeile, ss::col_t spalte) override
    {
        m_zeile = zeile;
        m_spalte = spalte;
        m_ergebnis.reset();
        m_zahl.reset();
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override { }
    void set_shared_formula_index(size_t) override { }
    void set_result_string(std::string_view s) override { m_ergebnis = Text(s); }
    void set_result_value(double v) override { m_zahl = v; }
    void set_result_bool(bool v) override { m_ergebnis = v ? QStringLiteral("WAHR") : QStringLiteral("FALSCH"); }
    void set_result_empty() override { }
    void commit() override;

private:
    Blatt &m_blatt;
    ss::row_t m_zeile = 0;
    ss::col_t m_spalte = 0;
    std::optional<QString> m_ergebnis;
    std::optional<double> m_zahl;
};

// One worksheet. Only the first one keeps its values; the others are read past.
class Blatt : public iface::import_sheet
{
public:
    Blatt(Zellsammlung *sammlung, const Zeichenketten &texte)
        : m_sammlung(sammlung), m_texte(texte), m_formel(*this) { }

    Zellsammlung *sammlung() const { return m_sammlung; }

    iface::import_formula *get_formula() override { return &m_formel; }
    void set_auto(ss::row_t zeile, ss::col_t spalte, std::string_view s) override
    {
        if (m_sammlung)
            m_sammlung->text(zeile, spalte, Text(s));
    }
    void set_string(ss::row_t zeile, ss::col_t spalte, ss::string_id_t id) override
    {
        if (m_sammlung)
            m_sammlung->text(zeile, spalte, m_texte.zeichenkette(id));
    }
    void set_value(ss::row_t zeile, ss::col_t spalte, double wert) override
    {
        if (m_sammlung)
            m_sammlung->zahl(zeile, spalte, wert);
    }
    void set_bool(ss::row_t zeile, ss::col_t spalte, bool wert) override
    {
        if (m_sammlung)
            m_sammlung->wahrheitswert(zeile, spalte, wert);
    }
    void set_date_time(ss::row_t zeile, ss::col_t spalte, int jahr, int monat, int tag, int stunde, int minute,
                       double sekunde) override
    {
        if (m_sammlung)
            m_sammlung->datumZeit(zeile, spalte, QDate(jahr, monat, tag), QTime(stunde, minute, int(sekunde)));
    }
    void set_format(ss::row_t, ss::col_t, size_t) override { }
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override { }
    void fill_down_cells(ss::row_t zeile, ss::col_t spalte, ss::row_t anzahl) override
    {
        if (m_sammlung)
            m_sammlung->nachUntenFuellen(zeile, spalte, anzahl);
    }
    ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

private:
    Zellsammlung *m_sammlung;
    const Zeichenketten &m_texte;
    Formel m_formel;
};

void Formel::commit()
{
    Zellsammlung *s = m_blatt.sammlung();
    if (!s)
        return;
    if (m_ergebnis)
        s->text(m_zeile, m_spalte, *m_ergebnis);
    else if (m_zahl)
        s->zahl(m_zeile, m_spalte, *m_zahl);
}

class Fabrik : public iface::import_factory
{
public:
    explicit Fabrik(Zellsammlung &sammlung) : m_sammlung(sammlung) { }

    iface::import_global_settings *get_global_settings() override { return &m_einstellungen; }
    iface::import_shared_strings *get_shared_strings() override { return &m_texte; }
    iface::import_styles *get_styles() override { return &m_formate; }
    iface::import_reference_resolver *get_reference_resolver(ss::formula_ref_context_t) override { return &m_bezuege; }
    iface::import_sheet *append_sheet(ss::sheet_t, std::string_view name) override
    {
        // The first worksheet in the workbook's order is the one imported.
        m_blaetter.push_back(std::make_unique<Blatt>(m_blaetter.empty() ? &m_sammlung : nullptr, m_texte));
        m_namen.push_back(Text(name));
        return m_blaetter.back().get();
    }
    iface::import_sheet *get_sheet(std::string_view name) override
    {
        const QString gesucht = Text(name);
        for (std::size_t i = 0; i < m_namen.size(); ++i) {
            if (m_namen[i] == gesucht)
                return m_blaetter[i].get();
        }
        return nullptr;
    }
    iface::import_sheet *get_sheet(ss::sheet_t index) override
    {
        return index >= 0 && std::size_t(index) < m_blaetter.size() ? m_blaetter[std::size_t(index)].get() : nullptr;
    }
    void finalize() override { }

private:
    Zellsammlung &m_sammlung;
    Einstellungen m_einstellungen;
    Zeichenketten m_texte;
    Formate m_formate;
    Bezuege m_bezuege;
    std::vector<std::unique_ptr<Blatt>> m_blaetter;
    std::vector<QString> m_namen;
};

} // namespace

Tabellenlesung MitOrcusLesen(const QByteArray &inhalt, const QLocale &zahlenformat)
{
    const QString grund = ZipPruefen(inhalt);
    if (!grund.isEmpty())
        return {{}, grund};
    Zellsammlung sammlung(zahlenformat);
    Fabrik fabrik(sammlung);
    const auto *bytes = reinterpret_cast<const unsigned char *>(inhalt.constData());
    const std::string_view strom(inhalt.constData(), std::size_t(inhalt.size()));
    try {
        std::unique_ptr<orcus::iface::import_filter> filter;
        if (orcus::orcus_ods::detect(bytes, std::size_t(inhalt.size())))
            filter = std::make_unique<orcus::orcus_ods>(&fabrik);
        else if (orcus::orcus_xlsx::detect(bytes, std::size_t(inhalt.size())))
            filter = std::make_unique<orcus::orcus_xlsx>(&fabrik);
        else
            return {{}, TabelleBeschaedigtText()};
        filter->read_stream(strom);
    } catch (const Tabellengrenze &g) {
        return {{}, g.grund};
    } catch (const std::bad_alloc &) {
        return {{}, TabelleZuGrossText()};
    } catch (const std::exception &) {
        return {{}, TabelleBeschaedigtText()};
    }
    return sammlung.zeilen();
}
