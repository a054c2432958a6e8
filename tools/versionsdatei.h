#pragma once

#include <QByteArray>
#include <QString>

// The version file "verinfos.kbw": records of 24 bytes without a header. Bytes 0..7 are
// reserved (the program does not read them), byte 8 holds the length L (0..15) of the version
// text, bytes 9..23 the text in its first L bytes, one byte per character (Latin-1). Only the
// last record counts: the server appends a record for every release.
inline constexpr int VersionssatzGroesse = 24;
inline constexpr int VersionstextMax = 15;

enum class VersionsdateiFehler {
    Keiner,
    KeinSatz, // shorter than one record
    Abgeschnitten, // the last record is incomplete: the transfer broke off
    UngueltigeLaenge, // L of the last record above 15
};

struct Versionsangabe
{
    VersionsdateiFehler fehler = VersionsdateiFehler::Keiner;
    QString version; // the text of the last record
    bool ok() const { return fehler == VersionsdateiFehler::Keiner; }
};

Versionsangabe VersionsdateiLesen(const QByteArray &inhalt);
