#include "seitetippreihen.h"

#include "var_def.h"

#include <QVBoxLayout>

SeiteTippreihen::SeiteTippreihen(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
}
