#pragma once

#include <QString>
#include <QStringList>

// Whether the desktop has a program that opens .xlsx workbooks, as the freedesktop.org rules
// for file associations tell it: an application entry (.desktop file) that lists the type,
// the cache of those lists, or an association the user or the system added.

inline constexpr char XlsxMimetyp[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// datenordner: the XDG data folders, each with a sub-folder "applications";
// konfigordner: the XDG configuration folders with "mimeapps.list".
bool TabellenprogrammVorhanden(const QStringList &datenordner, const QStringList &konfigordner,
                               const QString &mimetyp = QLatin1String(XlsxMimetyp));

// The folders of this session: $XDG_DATA_HOME (or ~/.local/share) and $XDG_DATA_DIRS (or
// /usr/local/share and /usr/share); $XDG_CONFIG_HOME (or ~/.config) and $XDG_CONFIG_DIRS (or
// /etc/xdg).
QStringList XdgDatenordner();
QStringList XdgKonfigordner();
