#pragma once

#include <QString>
#include <QUrl>

// The vendor: how the program reaches it and how users reach the vendor. Every address of
// the program is here and nowhere else.
namespace Anbieter {

inline constexpr char Programmname[] = "Kombiwerk";

QString Name();
QString Strasse();
QString PlzOrt();
QString Mail();
QString Telefon();
QString Fax();
// The vendor's web page, opened by the logo and named when a download fails.
QString Webadresse();

// The download server; the two files live below "/downloads/".
QString Updateserver();

// A new mail to the vendor with the program's name as subject.
QUrl MailLink();

} // namespace Anbieter

// The installed version text, "1.8.2.0".
QString ProgrammVersion();

// Where the update check fetches from. Tests point both at a local server.
struct Updateadressen
{
    QUrl versionsdatei;
    QUrl installer;
};
Updateadressen StandardUpdateadressen();
Updateadressen UpdateadressenAuf(const QString &server);
