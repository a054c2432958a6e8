#include "seitesystemtest.h"

#include "auswahlzustand.h"
#include "katalogzustand.h"
#include "routinen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

SeiteSystemtest::SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, QWidget *parent)
    : QWidget(parent), m_katalog(katalog), m_auswahl(auswahl)
{
    auto *layout = new QVBoxLayout(this);

    auto *gruppe = new QGroupBox(QStringLiteral("Zu testendes System"), this);
    auto *raster = new QGridLayout(gruppe);
    auto *beschreibung = m_beschreibung = new QLabel(QStringLiteral("Systembeschreibung"), gruppe);
    beschreibung->setObjectName(QStringLiteral("LBeschreibung2"));
    beschreibung->setWordWrap(true);
    beschreibung->setMinimumHeight(36);
    raster->addWidget(beschreibung, 0, 0, 1, 2);
    auto *label2 = new QLabel(QStringLiteral("Rechenoperationen:"), gruppe);
    label2->setObjectName(QStringLiteral("Label2"));
    raster->addWidget(label2, 1, 0);
    auto *kombiAnz = m_kombiAnz = new QLabel(gruppe);
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

void SeiteSystemtest::testzahlenSetzen()
{
    const int index = m_auswahl.Systemindex;
    if (index < 0 || index >= int(m_katalog.Systemliste.size()))
        return;
    const TSysteme &s = m_katalog.Systemliste[std::size_t(index)];
    m_kombiAnz->setText(QLocale().toString(qlonglong(RechenoperationenZaehlen(s.TR, s.WZ, s.RG, 2))));
    m_beschreibung->setText(m_auswahl.Systembeschreibung);
}
