#include "anbieter.h"

#include "kbwversion.h"

#include <QUrlQuery>

namespace Anbieter {

// All of them made up for the program: the domain is one reserved for examples, the postcode
// and the phone numbers belong to nobody.
QString Name()
{
    return QStringLiteral("Kombiwerk Software");
}

QString Strasse()
{
    return QStringLiteral("Musterstraße 12");
}

QString PlzOrt()
{
    return QStringLiteral("12345 Musterstadt");
}

QString Mail()
{
    return QStringLiteral("info@kombiwerk.example");
}

QString Telefon()
{
    return QStringLiteral("Telefon: 01234 567890");
}

QString Fax()
{
    return QStringLiteral("Fax: 01234 567891");
}

QString Webadresse()
{
    return QStringLiteral("https://www.kombiwerk.example");
}

QString Updateserver()
{
    return QStringLiteral("https://update.kombiwerk.example");
}

QUrl MailLink()
{
    QUrl link;
    link.setScheme(QStringLiteral("mailto"));
    link.setPath(Mail());
    QUrlQuery anfrage;
    anfrage.addQueryItem(QStringLiteral("subject"), QLatin1String(Programmname));
    link.setQuery(anfrage);
    return link;
}

} // namespace Anbieter

QString ProgrammVersion()
{
    return QStringLiteral(KBW_VERSION);
}

Updateadressen UpdateadressenAuf(const QString &server)
{
    const QUrl basis(server);
    return {basis.resolved(QUrl(QStringLiteral("/downloads/verinfos.kbw"))),
            basis.resolved(QUrl(QStringLiteral("/downloads/kbwupdate.exe")))};
}

Updateadressen StandardUpdateadressen()
{
    return UpdateadressenAuf(Anbieter::Updateserver());
}
