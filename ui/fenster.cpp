#include "fenster.h"

#include <QApplication>
#include <QNetworkInformation>

QWidget *FormularSuchen(const QString &name)
{
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget *w : fenster) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

bool FormularVorhanden(const QString &name)
{
    return FormularSuchen(name) != nullptr;
}

QWidget *FormularZeigen(const QString &name, const std::function<QWidget *()> &erzeugen)
{
    QWidget *w = FormularSuchen(name);
    if (w) {
        if (w->isMinimized())
            w->showNormal();
    } else {
        w = erzeugen();
        if (!w)
            return nullptr;
        w->setObjectName(name);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

bool InternetVerbunden()
{
    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        return true; // no way to ask: let the network action try and report its own failure
    }
    const auto erreichbar = QNetworkInformation::instance()->reachability();
    return erreichbar == QNetworkInformation::Reachability::Online
        || erreichbar == QNetworkInformation::Reachability::Unknown;
}
