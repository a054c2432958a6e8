#include "seitesystemtest.h"

#include "var_def.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

SeiteSystemtest::SeiteSystemtest(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QVBoxLayout(this);

    auto *gruppe = new QGroupBox(QStringLiteral("Zu testendes System"), this);
    auto *raster = new QGridLayout(gruppe);
    auto *beschreibung = new QLabel(QStringLiteral("Systembeschreibung"), gruppe);
    beschreibung->setObjectName(QStringLiteral("LBeschreibung2"));
    beschreibung->setWordWrap(true);
    beschreibung->setMinimumHeight(36);
    raster->addWidget(beschreibung, 0, 0, 1, 2);
    auto *label2 = new QLabel(QStringLiteral("Rechenoperationen:"), gruppe);
    label2->setObjectName(QStringLiteral("Label2"));
    raster->addWidget(label2, 1, 0);
    auto *kombiAnz = new QLabel(gruppe);
    kombiAnz->setObjectName(QStringLiteral("LKombiAnz"));
    kombiAnz->setAlignment(Qt::AlignCenter);
    kombiAnz->setFrameShape(QFrame::Panel);
    kombiAnz->setFrameShadow(QFrame::Sunken);
    kombiAnz->setMinimumWidth(140);
    raster->addWidget(kombiAnz, 1, 1, Qt::AlignLeft);
    raster->setColumnStretch(1, 1);
    layout->addWidget(gruppe);
    layout->addStretch();
}
