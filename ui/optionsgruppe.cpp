#include "optionsgruppe.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

Optionsgruppe::Optionsgruppe(const QString &titel, const QStringList &eintraege, QWidget *parent,
                             Qt::Orientation richtung)
    : QGroupBox(titel, parent), m_gruppe(new QButtonGroup(this))
{
    auto *layout = new QBoxLayout(richtung == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    layout->setContentsMargins(6, titel.isEmpty() ? 2 : 6, 6, 2);
    for (int i = 0; i < eintraege.size(); ++i) {
        auto *knopf = new QRadioButton(eintraege.at(i), this);
        m_gruppe->addButton(knopf, i);
        layout->addWidget(knopf);
    }
    layout->addStretch();
    connect(m_gruppe, &QButtonGroup::idClicked, this, [this](int id) { emit reaktion(id); });
}

int Optionsgruppe::itemIndex() const
{
    return m_gruppe->checkedId();
}

void Optionsgruppe::setItemIndex(int i)
{
    if (anzahl() == 0)
        return;
    i = std::clamp(i, 0, anzahl() - 1);
    m_gruppe->button(i)->setChecked(true);
    emit reaktion(i);
}

QRadioButton *Optionsgruppe::eintrag(int i) const
{
    return qobject_cast<QRadioButton *>(m_gruppe->button(i));
}

int Optionsgruppe::anzahl() const
{
    return int(m_gruppe->buttons().size());
}
