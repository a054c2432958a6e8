#include "seiteeigenereihen.h"

#include "var_def.h"

#include <QVBoxLayout>

SeiteEigeneReihen::SeiteEigeneReihen(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
}
