#include "seiteeigenesysteme.h"

#include "katalogzustand.h"

#include <QVBoxLayout>

SeiteEigeneSysteme::SeiteEigeneSysteme(KatalogZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
}
