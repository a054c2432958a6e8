#include "seiteeigenesysteme.h"

#include "var_def.h"

#include <QVBoxLayout>

SeiteEigeneSysteme::SeiteEigeneSysteme(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
}
