#pragma once

#include "trefferanalyse.h"

#include <QAbstractListModel>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QToolButton;

// Text of one combination: its ascending positions, separated by one blank ("1 2 5").
QString KombinationAlsText(std::span<const int> positionen);

// Every combination of one category as text, one line each ended by CR LF, in rank order.
// Nothing (std::nullopt) when the text would exceed grenze characters; the check comes before
// most of the work, so a list far too long costs next to nothing.
std::optional<QString> KombinationslisteAlsText(const Kategorienliste &liste, int kategorie, qsizetype grenze);

// Longest text the copy buttons put on the clipboard (in characters; twice as many bytes, and
// the clipboard keeps another copy).
constexpr qsizetype ZwischenablageGrenze = 50'000'000;

// One category of a category list as lines of text. Each line is made when the view asks for
// it, from the rank of the entry, so a list of millions stays as small as its 2-bit form.
class Kombinationsmodell : public QAbstractListModel
{
    Q_OBJECT

public:
    // Lines shown at most; beyond it the last line says how many more there are (a list view
    // computes with int pixel positions, and nobody scrolls through more by hand).
    static constexpr int Zeilengrenze = 50'000'000;

    explicit Kombinationsmodell(QObject *parent = nullptr);

    // Shows category `kategorie` of `liste` (an empty list shows nothing).
    void setzen(const Kategorienliste &liste, int kategorie);
    const Kategorienliste &liste() const { return m_liste; }
    int kategorie() const { return m_kategorie; }
    // Entries of the category (the whole list, also beyond Zeilengrenze).
    std::uint64_t anzahl() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // How many lines were turned into text since the last setzen (to see that a view asks
    // only for what it shows).
    std::uint64_t erzeugteZeilen() const { return m_erzeugt; }

private:
    Kategorienliste m_liste;
    int m_kategorie = 0;
    int m_zeilen = 0;
    bool m_abgeschnitten = false;
    mutable std::uint64_t m_erzeugt = 0;
};

// The window "Auftreten der Kombinationen": for one size k of combinations, which k-subsets of
// the pool lie in no row, in one, in two or in more than two rows of the last test.
class TFFehlt : public QWidget
{
    Q_OBJECT

public:
    explicit TFFehlt(const QString &titel, QWidget *parent = nullptr);

    // The result the lists are taken from; the window shows it from the next
    // KombinationenAnzeigen on. Enables the check boxes of the sizes the test evaluated below
    // its largest one.
    void ergebnisSetzen(const Trefferergebnis &ergebnis);
    // Shows the four lists and counts of size k (2..9); a size without lists shows them empty.
    void KombinationenAnzeigen(int k);
    // The size whose lists are shown.
    int angezeigteGroesse() const { return m_angezeigt; }

    const Kombinationsmodell &modell(int kategorie) const { return *m_modelle[std::size_t(kategorie)]; }

signals:
    // "Fensterposition speichern": left and top edge of the window.
    void positionSpeichernAngefordert(int links, int oben);

private:
    void aufbauen();
    QWidget *spalteAufbauen(int kategorie);
    void kopieren(int kategorie);

    Trefferergebnis m_ergebnis;
    int m_angezeigt = 2;
    QButtonGroup *m_groessen = nullptr;
    std::array<QCheckBox *, 8> m_cbk{};
    std::array<Kombinationsmodell *, AuftretenKategorien> m_modelle{};
    std::array<QListView *, AuftretenKategorien> m_memos{};
    std::array<QLabel *, AuftretenKategorien> m_anzahlen{};
    QToolButton *m_positionKnopf = nullptr;
};
