#include "werkzeuge.h"

#include "abbild.h"
#include "fenster.h"
#include "info.h"
#include "kal.h"
#include "meldungen.h"
#include "nueberk.h"
#include "programmstart.h"
#include "update.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Over the middle of the main window, but whole on its screen.
void Zentrieren(QWidget *fenster, QWidget *ueber)
{
    fenster->adjustSize();
    const QSize groesse = fenster->size();
    QScreen *bildschirm = ueber ? ueber->screen() : QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect(0, 0, 1280, 1024);
    QPoint ecke =
        (ueber ? ueber->geometry().center() : frei.center()) - QPoint(groesse.width() / 2, groesse.height() / 2);
    ecke.setX(std::clamp(ecke.x(), frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())));
    ecke.setY(std::clamp(ecke.y(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height())));
    fenster->move(ecke);
}

template<typename Fenster, typename... Argumente>
QWidget *Zeigen(const char *name, QWidget *hauptfenster, Argumente... argumente)
{
    return FormularZeigen(QLatin1String(name), [&]() -> QWidget * {
        auto *fenster = new Fenster(argumente..., hauptfenster);
        Zentrieren(fenster, hauptfenster);
        return fenster;
    });
}

// Tried in this order: the calculators of the common desktops, the plain X one last.
const char *const Rechner[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};

} // namespace

QWidget *NueberKZeigen(QWidget *hauptfenster)
{
    return Zeigen<TFNueberK>("FNueberK", hauptfenster);
}

QWidget *KalenderZeigen(QWidget *hauptfenster)
{
    return Zeigen<TFKal>("FKal", hauptfenster);
}

QWidget *UpdateZeigen(QWidget *hauptfenster, const QString &datenordner)
{
    return Zeigen<TFUpdate>("FUpdate", hauptfenster, datenordner);
}

QWidget *InfoZeigen(QWidget *hauptfenster)
{
    return Zeigen<TFInfo>("FInfo", hauptfenster);
}

TFAbbild *AbbildZeigen(QWidget *panel, int a, int b, const QString &screenshotordner, QWidget *hauptfenster)
{
    TFAbbild *fenster = TFAbbild::Abbilden(panel, QString(), a, b, screenshotordner, hauptfenster);
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

void TaschenrechnerStarten(QWidget *eltern)
{
    QStringList versucht;
    for (const char *programm : Rechner) {
        const QString pfad = QStandardPaths::findExecutable(QLatin1String(programm));
        if (pfad.isEmpty())
            continue;
        if (Programmstart::Starten(pfad))
            return;
        versucht << QLatin1String(programm);
    }
    if (!versucht.isEmpty()) {
        Meldungen::Information(eltern,
                               QStringLiteral("Der Taschenrechner ließ sich nicht starten (versucht: %1).")
                                   .arg(versucht.join(QStringLiteral(", "))));
        return;
    }
    QStringList namen;
    for (const char *programm : Rechner)
        namen << QLatin1String(programm);
    Meldungen::Information(eltern,
                           QStringLiteral("Auf diesem Rechner ist kein Taschenrechner-Programm installiert."
                                          "\n\nKombiwerk startet das erste installierte dieser Programme: %1.")
                               .arg(namen.join(QStringLiteral(", "))));
}
