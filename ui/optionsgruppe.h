#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A radio group with numbered items. Setting the item from the program always runs the
// change reaction, like a user's click on an item.
class Optionsgruppe : public QGroupBox
{
    Q_OBJECT

public:
    Optionsgruppe(const QString &titel, const QStringList &eintraege, QWidget *parent = nullptr,
                  Qt::Orientation richtung = Qt::Horizontal);

    int itemIndex() const; // -1 while no item is selected
    // Selects item i (clamped to the items) and always runs the change reaction once.
    void setItemIndex(int i);
    QRadioButton *eintrag(int i) const;
    int anzahl() const;

signals:
    void reaktion(int itemIndex);

private:
    QButtonGroup *m_gruppe = nullptr;
};
