#include "ankreuzfeld.h"

Ankreuzfeld::Ankreuzfeld(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
    connect(this, &QCheckBox::toggled, this, [this](bool an) {
        if (!m_setztGerade)
            emit reaktion(an);
    });
}

void Ankreuzfeld::setzen(bool an)
{
    m_setztGerade = true;
    setChecked(an);
    m_setztGerade = false;
    emit reaktion(an);
}
