#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one way the program writes a file that holds user data: the new content goes to a
// temporary file beside the target, is flushed and checked, and only then replaces the
// target. On any failure the old file stays as it was and no temporary file is left.

enum class SchreibFehler {
    Keiner,
    DatentraegerVoll,
    KeineBerechtigung, // folder or file not writable (also a read-only file system)
    OrdnerFehlt,
    Sonstiger,
};

struct SchreibErgebnis
{
    SchreibFehler fehler = SchreibFehler::Keiner;
    QString systemtext; // the operating system's own text, for the log and unknown cases
    bool ok() const { return fehler == SchreibFehler::Keiner; }
};

[[nodiscard]] SchreibErgebnis DateiSicherSchreiben(const QString &pfad, const QByteArray &inhalt);

// German reason for a failed write, for example "Der Datenträger ist voll."
QString SchreibFehlerGrund(const SchreibErgebnis &e);
// Full sentence naming the file: "Die Datei „…“ konnte nicht geschrieben werden. <reason>"
QString SchreibFehlerText(const QString &pfad, const SchreibErgebnis &e);

// Test seam: while set, every write fails at the given step with the given error, as a
// device that fails there would (the old file must survive it).
enum class SchreibSchritt { Oeffnen, Schreiben, Leeren, Uebernehmen };
struct SchreibStoerung
{
    SchreibSchritt schritt = SchreibSchritt::Leeren;
    SchreibFehler fehler = SchreibFehler::DatentraegerVoll;
};
void SchreibStoerungSetzen(std::optional<SchreibStoerung> stoerung);
