#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

// The exchange with the desktop's spreadsheet program as the pages offer it: the export of
// the tip rows and of the own rows (a new workbook in the data folder, opened in that
// program) and the import of a worksheet into the own-rows memo, messages included.

// "Excel- Export" on "Tippreihen": reihen as grid g1 shows them; titel the grid's column
// titles ("Reihe", "  Z. 1", ...) when "mit Reihennummer und Spaltenüberschriften" is ticked,
// else empty. True when the workbook was written and handed to the spreadsheet program.
bool TippreihenTabelleExportieren(QWidget *eltern, const std::vector<std::vector<int>> &reihen,
                                  const QStringList &titel, const QString &datenordner);

// "Excel- Export" on "Eigene Reihen", once the rows are read: each row's numbers go out in
// ascending order. The checks for an empty memo and the reading are the page's.
bool EigeneReihenTabelleExportieren(QWidget *eltern, const std::vector<std::vector<int>> &reihen,
                                    const QString &datenordner);

struct Tabellenimport
{
    QStringList zeilen; // comma-separated, one per sheet row, for the memo
    QString dateiname; // the file's name without its folder, for LDatei
};

// "Excel- Import" on "Eigene Reihen" from the open dialog OD2 on: nothing when the user
// cancels, or, after its message, when the file cannot be read. The question before
// overwriting the memo and the clearing of the page come first and are the page's.
std::optional<Tabellenimport> EigeneReihenTabelleImportieren(QWidget *eltern, const QString &startordner);

// The message texts of the exchange.
QString KeineTippreihenZumExportText();
QString KeinTabellenprogrammText();

// While an instance lives, the exports neither look for a spreadsheet program nor start
// one: `vorhanden` answers the first question, and the files they would open are recorded.
class TabellenprogrammAttrappe
{
public:
    explicit TabellenprogrammAttrappe(bool vorhanden = true);
    ~TabellenprogrammAttrappe();
    TabellenprogrammAttrappe(const TabellenprogrammAttrappe &) = delete;
    TabellenprogrammAttrappe &operator=(const TabellenprogrammAttrappe &) = delete;

    bool vorhanden;
    bool oeffnenGelingt = true;
    QStringList geoeffnet; // paths handed to the program

private:
    TabellenprogrammAttrappe *m_vorher = nullptr;
};
