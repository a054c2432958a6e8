#include "internet.h"

#include <QNetworkInformation>

namespace {

std::optional<bool> g_erzwungen;

} // namespace

void InternetVerbundenErzwingen(std::optional<bool> antwort)
{
    g_erzwungen = antwort;
}

bool InternetVerbunden()
{
    if (g_erzwungen)
        return *g_erzwungen;
    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return true; // no way to ask: let the network action try and report its own failure
    }
    const auto erreichbar = QNetworkInformation::instance()->reachability();
    return erreichbar == QNetworkInformation::Reachability::Online
        || erreichbar == QNetworkInformation::Reachability::Unknown;
}
