#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class Ankreuzfeld;
class QGroupBox;
class QTableView;
class Tippreihenmodell;
struct ReihenZustand;

// The page "Tippreihen": the rows of the applied system in grid g1 and the ways to pass them on.
class SeiteTippreihen : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteTippreihen(const ReihenZustand &zustand, QWidget *parent = nullptr);

    // Shows the rows last built (ReihenZustand::Tippreihen) in g1 and their count in the caption.
    void reihenAnzeigen();
    void gridZeigen(bool sichtbar);
    // "Speichern...": the rows as a semicolon-separated file.
    void BCSVClick();

signals:
    // "Tippreihen bilden" on this page: the rows are built again by the number board.
    void tippreihenBildenAngefordert();
    // "Zum Test": the rows are to be tested on the page "Systemtest".
    void zumSystemtestAngefordert();
    // "Excel- Export": the rows as g1 shows them; with cbMit ticked also its column titles,
    // from the corner above the row numbers to the last number column, else no titles.
    void excelExportAngefordert(const std::vector<std::vector<int>> &reihen, const QStringList &titel);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The grid's numbers without titles and row numbers, and the numbers per row.
    std::vector<QStringList> Zellen() const;
    int Reihenbreite() const;
    void BExcelClick();

    const ReihenZustand &m_zustand;
    QGroupBox *m_gruppe = nullptr;
    QTableView *m_g1 = nullptr;
    Tippreihenmodell *m_modell = nullptr;
    Ankreuzfeld *m_mit = nullptr;
};
