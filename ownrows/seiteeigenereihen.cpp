#include "seiteeigenereihen.h"

#include "eigenereihenzustand.h"

#include <QVBoxLayout>

SeiteEigeneReihen::SeiteEigeneReihen(EigeneReihenZustand &zustand, QWidget *parent)
    : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
}
