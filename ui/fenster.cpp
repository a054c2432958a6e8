#include "fenster.h"

#include <QApplication>

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
