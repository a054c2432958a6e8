#include "start.h"

#include "eigensystemdatei.h"
#include "meldungen.h"
#include "systemliste.h"
#include "var_def.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

TFStart::TFStart(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    setObjectName(QStringLiteral("FStart"));
    setWindowTitle(QStringLiteral("Kombiwerk") + QLatin1Char(' ') + QStringLiteral("1.8.2.0"));
    setFixedSize(400, 300);

    // The start window has a fixed layout, so its controls sit at fixed places.
    m_lSysAnz = new QLabel(this);
    m_lSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    m_lSysAnz->setGeometry(219, 56, 170, 30);
    m_lSysAnz->setAlignment(Qt::AlignCenter);
    m_lSysAnz->setFrameShape(QFrame::Box);
    QFont fett = m_lSysAnz->font();
    fett.setBold(true);
    m_lSysAnz->setFont(fett);

    m_bWeiter = new QPushButton(QStringLiteral("Weiter"), this);
    m_bWeiter->setObjectName(QStringLiteral("BWeiter"));
    m_bWeiter->setGeometry(298, 245, 90, 38);
    connect(m_bWeiter, &QPushButton::clicked, this, &QWidget::close);
    setInitializationDone(false);

    m_datenordner = DatenordnerEinrichten();

    const EsyIndexErgebnis index =
        EsyIndexLesen(QDir(m_datenordner.eigeneSysteme).filePath(QLatin1String(EsyIndexName)));
    if (index.fehler != EsyFehler::Keiner) {
        // Without a readable index the list stays empty; the program still comes up.
        Meldungen::Fehler(this, index.fehlertext);
        return;
    }
    m_zustand.Eigensystemliste = index.eintraege;
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_datenordner.eigeneSysteme);
    SystemeEinlesen();
}

void TFStart::setInitializationDone(bool fertig)
{
    m_initializationDone = fertig;
    m_bWeiter->setEnabled(fertig);
    m_bWeiter->setCursor(fertig ? Qt::PointingHandCursor : Qt::WaitCursor);
}

void TFStart::SystemeEinlesen()
{
    const std::int64_t anzahl = SystemAnzahlStart(m_zustand.Systemliste);
    m_lSysAnz->setText(QStringLiteral("   ") + QLocale().toString(qlonglong(anzahl))
                       + QStringLiteral(" Systeme inside   "));
}
