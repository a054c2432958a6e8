#pragma once

// The window "Systemtest Pro": tests the chosen system with a free number of drawn numbers
// (4 to 20) and shows, for every k up to that number, how many k-subsets of the pool have
// their best row at 0 to 10 hits and how many comparisons each k costs.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;
class Testlaeufer;
struct AuswahlZustand;
struct KatalogZustand;
struct Trefferergebnis;

// Grid g2 of the window: 39 rows, 14 columns, row 0 and column 0 fixed. Row 2k - 3 holds the
// counts of k = 2..20, row 2k - 2 their percentages; column 1 C(wz, k), column 2 the
// comparisons C(wz, k) * TR, column j + 3 the k-subsets whose best row has j = 0..10 hits.
constexpr int ProZeilen = 39;
constexpr int ProSpalten = 14;
constexpr int ProMaxK = 20;
constexpr int ProMaxJ = 10;
using ProTabelle = std::array<std::array<QString, ProSpalten>, ProZeilen>;

// The captions of the fixed row and column; every other cell empty.
ProTabelle ProTabelleFuellen();
std::array<int, ProSpalten> ProSpaltenbreiten();

// The lowest k of the window: like MindestTreffer, but d compared signed, so a negative d
// gives a value above rg (and nothing is evaluated).
int ProMindestTreffer(int rg, int d);

// tr * C(wz, k) summed over k = kmin..kmax, exact (0 when kmax < kmin).
unsigned __int128 ProRechenoperationen(int tr, int wz, int kmax, int kmin);
// An unsigned 128-bit count with the locale's thousands separator.
QString ProZaehltext(unsigned __int128 anzahl, const QLocale &locale);

// The cells of one k: the figures in columns 1 and 2 always; with verteilung (counts for
// j = 0..10) also the hit columns j = 0..rg, "---" for a count of 0.
void ProZeileEintragen(ProTabelle &tabelle, int k, int wz, int tr, int rg,
                       const std::array<std::uint64_t, ProMaxJ + 1> *verteilung, const QLocale &locale);

class TFSystemtestpro : public QWidget
{
    Q_OBJECT

public:
    // "SysPro-Left"/"SysPro-Top" when not saved.
    static constexpr int KeinePosition = -1000;

    // The runner is shared with the main window's tests (one test at a time).
    TFSystemtestpro(const KatalogZustand &katalog, const AuswahlZustand &auswahl, Testlaeufer &laeufer,
                    QWidget *parent = nullptr);
    ~TFSystemtestpro() override;

    // The saved settings, applied when the window is first shown: d ("AnzGZ", 0 = not saved:
    // the row size of the main window instead) and the top-left corner (KeinePosition: centred
    // on the first monitor).
    void einstellungenSetzen(int anzGZ, QPoint position);
    // Opening it from the main window: d := the row size, the description of the main page.
    void oeffnen(int reihengroesse, const QString &beschreibung);

    // Where the window goes: the saved edge, or centred on the monitor where it is not saved.
    static QPoint Startposition(QPoint gespeichert, QSize fenster, QSize bildschirm);

    int anzahlGewinnzahlen() const;
    void anzahlGewinnzahlenSetzen(int d);

    // "Test starten": starts the test of the chosen system, or stops the running test.
    void BTestenClick();

    // The texts of g2 as last written, and the counts of the last run (k = 2..20, j = 0..10).
    const ProTabelle &tabelle() const { return m_tabelle; }
    std::uint64_t verteilung(int k, int j) const { return m_verteilung[std::size_t(k)][std::size_t(j)]; }

    // The pictures of the tool buttons, set by the program (the icon set lives with it).
    void symbolSetzen(const QString &knopfname, const QIcon &symbol);

    static QString KeinSystemText();

signals:
    // The tool buttons of the tool bar: the main window's tools.
    void taschenrechnerAngefordert();
    void nueberKAngefordert();
    void kalenderAngefordert();
    void updateAngefordert();
    // The window closes (and is then destroyed): d and the top-left corner of its client area
    // to be saved.
    void schliesst(int anzGZ, QPoint position);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void aufbauen();
    QToolButton *werkzeugknopf(const char *name, const QIcon &symbol, const QString &hinweis);
    void tabelleZeigen();
    void startknopfSetzen(bool laeuft);
    void laufEnde(bool abgebrochen);
    void fortschrittZeigen(quint64 erledigt);
    void beendet(quint64 lauf);
    void ergebnisEintragen(const Trefferergebnis &ergebnis);

    const KatalogZustand &m_katalog;
    const AuswahlZustand &m_auswahl;
    Testlaeufer &m_laeufer;

    QLabel *m_beschreibung = nullptr;
    QSpinBox *m_up1 = nullptr;
    QLabel *m_anz = nullptr;
    QLabel *m_kombiAnz = nullptr;
    QPushButton *m_testen = nullptr;
    QProgressBar *m_gauge = nullptr;
    QLabel *m_abbruch = nullptr;
    QTableWidget *m_g2 = nullptr;

    ProTabelle m_tabelle;
    std::array<std::array<std::uint64_t, ProMaxJ + 1>, ProMaxK + 1> m_verteilung{};
    std::uint64_t m_meinLauf = 0; // the runner's number of this window's running test, 0 = none
    std::uint64_t m_teiler = 1; // combinations per gauge unit (the gauge holds an int)
    int m_wz = 0;
    int m_rg = 0;
    int m_tr = 0;
    int m_kmin = 0;
    int m_kmax = 0;
    int m_anzGZ = 0;
    QPoint m_position{KeinePosition, KeinePosition};
    bool m_gezeigt = false;
};
