#include "einstellungsbindung.h"

#include "ankreuzfeld.h"
#include "optionsgruppe.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QWidget>

void EinstellungenInSteuerelemente(QWidget *fenster, const Einstellungswerte &werte)
{
    const auto &tabelle = Einstellungstabelle();
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        QWidget *w = fenster->findChild<QWidget *>(QLatin1String(tabelle[i].steuerelement));
        if (!w)
            continue;
        const int wert = werte[i];
        if (auto *regler = qobject_cast<QAbstractSlider *>(w))
            regler->setValue(wert);
        else if (auto *feld = qobject_cast<Ankreuzfeld *>(w))
            feld->setzen(wert != 0);
        else if (auto *kasten = qobject_cast<QCheckBox *>(w))
            kasten->setChecked(wert != 0);
        else if (auto *gruppe = qobject_cast<Optionsgruppe *>(w))
            gruppe->setItemIndex(wert);
    }
}

Einstellungswerte EinstellungenAusSteuerelementen(QWidget *fenster, const Einstellungswerte &vorher)
{
    Einstellungswerte werte = vorher;
    const auto &tabelle = Einstellungstabelle();
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        QWidget *w = fenster->findChild<QWidget *>(QLatin1String(tabelle[i].steuerelement));
        if (!w)
            continue;
        if (auto *regler = qobject_cast<QAbstractSlider *>(w))
            werte[i] = regler->value();
        else if (auto *kasten = qobject_cast<QCheckBox *>(w))
            werte[i] = kasten->isChecked() ? 1 : 0;
        else if (auto *gruppe = qobject_cast<Optionsgruppe *>(w))
            werte[i] = qMax(0, gruppe->itemIndex());
    }
    return werte;
}
