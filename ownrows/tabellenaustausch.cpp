#include "tabellenaustausch.h"

#include "dateidialoge.h"
#include "dateischreiben.h"
#include "meldungen.h"
#include "tabellendatei.h"
#include "tabellenprogramm.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QUrl>

namespace {

TabellenprogrammAttrappe *aktiveAttrappe = nullptr;

bool ProgrammVorhanden()
{
    if (aktiveAttrappe)
        return aktiveAttrappe->vorhanden;
    return TabellenprogrammVorhanden(XdgDatenordner(), XdgKonfigordner());
}

bool Oeffnen(const QString &pfad)
{
    if (aktiveAttrappe) {
        aktiveAttrappe->geoeffnet.append(pfad);
        return aktiveAttrappe->oeffnenGelingt;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

// Reading or writing a large workbook takes a moment.
class Sanduhr
{
public:
    Sanduhr() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~Sanduhr() { QGuiApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr &) = delete;
    Sanduhr &operator=(const Sanduhr &) = delete;
};

// Writes the workbook under a new name in the data folder and opens it.
bool Ausgeben(QWidget *eltern, const Arbeitsmappe &mappe, const QString &datenordner, const QString &stamm)
{
    if (!mappe.ok()) {
        Meldungen::Fehler(eltern, mappe.fehler + QStringLiteral("\n\nIch breche ab."));
        return false;
    }
    const QString pfad = FreierExportpfad(datenordner, stamm);
    if (pfad.isEmpty()) {
        Meldungen::Fehler(eltern,
                          QStringLiteral("Im Ordner „%1“ ist kein Name für einen weiteren Export frei. Bitte "
                                         "räumen Sie alte Exporte fort.\n\nIch breche ab.")
                              .arg(QDir::toNativeSeparators(datenordner)));
        return false;
    }
    const SchreibErgebnis ergebnis = DateiSicherSchreiben(pfad, mappe.inhalt);
    if (!ergebnis.ok()) {
        Meldungen::Fehler(eltern, SchreibFehlerText(pfad, ergebnis) + QStringLiteral("\n\nIch breche ab."));
        return false;
    }
    if (!Oeffnen(pfad)) {
        Meldungen::Fehler(eltern,
                          QStringLiteral("Die Tabelle ist als „%1“ gespeichert, ließ sich aber nicht im "
                                         "Tabellenprogramm öffnen.\n\nBitte öffnen Sie die Datei selbst.")
                              .arg(QDir::toNativeSeparators(pfad)));
        return false;
    }
    return true;
}

} // namespace

QString KeineTippreihenZumExportText()
{
    return QStringLiteral("Es gibt keine Tippreihen, die exportiert werden könnten.\n\nIch breche erst einmal ab.");
}

QString KeinTabellenprogrammText()
{
    return QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\n\n"
                          "Ich breche ab.");
}

bool TippreihenTabelleExportieren(QWidget *eltern, const std::vector<std::vector<int>> &reihen,
                                  const QStringList &titel, const QString &datenordner)
{
    if (reihen.empty() || reihen.front().empty()) {
        Meldungen::Information(eltern, KeineTippreihenZumExportText());
        return false;
    }
    if (!ProgrammVorhanden()) {
        Meldungen::Information(eltern, KeinTabellenprogrammText());
        return false;
    }
    Arbeitsmappe mappe;
    {
        Sanduhr sanduhr;
        mappe = TippreihenArbeitsmappe(reihen, titel);
    }
    return Ausgeben(eltern, mappe, datenordner, QStringLiteral("Tippreihen"));
}

bool EigeneReihenTabelleExportieren(QWidget *eltern, const std::vector<std::vector<int>> &reihen,
                                    const QString &datenordner)
{
    if (reihen.empty() || reihen.front().empty()) {
        Meldungen::Information(eltern, KeineTippreihenZumExportText());
        return false;
    }
    if (!ProgrammVorhanden()) {
        Meldungen::Information(eltern, KeinTabellenprogrammText());
        return false;
    }
    Arbeitsmappe mappe;
    {
        Sanduhr sanduhr;
        mappe = EigeneReihenArbeitsmappe(reihen);
    }
    return Ausgeben(eltern, mappe, datenordner, QStringLiteral("Eigene Reihen"));
}

std::optional<Tabellenimport> EigeneReihenTabelleImportieren(QWidget *eltern, const QString &startordner)
{
    const QString pfad = Dateidialoge::Oeffnen(eltern, QStringLiteral("Excel-Tabelle importieren"), startordner,
                                               QStringLiteral("Excel-Tabelle importieren (*.xl* *.ods)"));
    if (pfad.isEmpty())
        return std::nullopt;
    Tabellenlesung lesung;
    {
        Sanduhr sanduhr;
        lesung = TabelleLesen(pfad, QLocale());
    }
    const QString name = QFileInfo(pfad).fileName();
    if (!lesung.ok()) {
        Meldungen::Fehler(
            eltern,
            QStringLiteral("Die Datei „%1“ kann ich nicht importieren. %2\n\nIch breche ab.").arg(name, lesung.fehler));
        return std::nullopt;
    }
    return Tabellenimport{lesung.zeilen, name};
}

TabellenprogrammAttrappe::TabellenprogrammAttrappe(bool vorhanden) : vorhanden(vorhanden), m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

TabellenprogrammAttrappe::~TabellenprogrammAttrappe()
{
    aktiveAttrappe = m_vorher;
}
