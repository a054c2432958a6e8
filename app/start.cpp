#include "start.h"

#include "eigensystemdatei.h"
#include "katalogmeldungen.h"
#include "kbwversion.h"
#include "kbwzustand.h"
#include "meldungen.h"
#include "startbild.h"
#include "systemliste.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

TFStart::TFStart(KbwZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    setObjectName(QStringLiteral("FStart"));
    // A splash: no frame and no border icons.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Kombiwerk") + QLatin1Char(' ') + QStringLiteral(KBW_VERSION));
    setFixedSize(400, 300);
    setWindowOpacity(1.0);

    // The start window has a fixed layout, so its controls sit at fixed places.
    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(0, 0, 400, 300);
    image1->setPixmap(StartbildZeichnen(devicePixelRatioF()));

    m_lSysAnz = new QLabel(this);
    m_lSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    m_lSysAnz->setGeometry(219, 56, 170, 30);
    m_lSysAnz->setAlignment(Qt::AlignCenter);
    m_lSysAnz->setFrameShape(QFrame::Box);
    m_lSysAnz->setAutoFillBackground(true);
    QFont fett = m_lSysAnz->font();
    fett.setBold(true);
    m_lSysAnz->setFont(fett);

    m_bWeiter = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Weiter"), this);
    m_bWeiter->setObjectName(QStringLiteral("BWeiter"));
    m_bWeiter->setGeometry(298, 245, 90, 38);
    m_bWeiter->setLayoutDirection(Qt::RightToLeft); // the picture on the right
    connect(m_bWeiter, &QPushButton::clicked, this, [this] { weiterKlick(); });
    setInitializationDone(false);

    m_datenordner = DatenordnerEinrichten();
    m_zustand.Datenordner = m_datenordner.basis;
    m_zustand.EigeneSystemeOrdner = m_datenordner.eigeneSysteme;
    indexLesen();
    SystemlisteAufbauen(m_zustand, Vollsystemgrenze, m_datenordner.eigeneSysteme);
    SystemeEinlesen();

    if (const QScreen *bildschirm = screen()) {
        m_zustand.Bildschirmbreite = bildschirm->geometry().width();
        m_zustand.Bildschirmhoehe = bildschirm->geometry().height();
        move(bildschirm->availableGeometry().center() - rect().center());
    }
}

void TFStart::indexLesen()
{
    const QString pfad = QDir(m_datenordner.eigeneSysteme).filePath(QLatin1String(EsyIndexName));
    const EsyIndexErgebnis index = EsyIndexLesen(pfad);
    if (index.fehler != EsyFehler::Keiner) {
        // The built-in systems are still offered; the file stays as it is, also through saves.
        m_zustand.EigensystemeGesperrt = true;
        Meldungen::Fehler(this,
                          QStringLiteral("Das Verzeichnis der eigenen Systeme \"%1\" konnte nicht gelesen "
                                         "werden: %2\n\nDie eigenen Systeme stehen daher nicht zur Auswahl.")
                              .arg(QDir::toNativeSeparators(pfad), EsyIndexLeseGrund(index)));
        return;
    }
    m_zustand.Eigensystemliste = index.eintraege;
    if (index.restBytes > 0) {
        Meldungen::Fehler(this,
                          QStringLiteral("Das Verzeichnis der eigenen Systeme \"%1\" ist unvollständig: Sein "
                                         "letzter Eintrag ist abgeschnitten und wird nicht gelesen.\n\n"
                                         "Die übrigen %2 eigenen Systeme stehen zur Auswahl; die Datei bleibt "
                                         "unverändert.")
                              .arg(QDir::toNativeSeparators(pfad))
                              .arg(NutzbareEigensysteme(index.eintraege, m_datenordner.eigeneSysteme)));
    }
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

void TFStart::weiterKlick()
{
    m_bWeiter->hide();
    m_bWeiter->setEnabled(false);
    close();
}

void TFStart::closeEvent(QCloseEvent *event)
{
    if (m_fertig || !m_hauptfenster) {
        event->accept();
        return;
    }
    if (m_ueberblendung) {
        // A second close request (the window manager's) while fading: no waiting for the fade.
        ueberblendungBeenden();
        event->accept();
        return;
    }
    // Closing starts the cross-fade; the window really closes after its last step.
    event->ignore();
    m_hauptfenster->setWindowOpacity(0.0);
    m_hauptfenster->show();
    m_ueberblendung = new QTimer(this);
    m_ueberblendung->setInterval(1);
    connect(m_ueberblendung, &QTimer::timeout, this, [this] { ueberblendSchritt(); });
    m_ueberblendung->start();
}

void TFStart::ueberblendungBeenden()
{
    if (m_ueberblendung)
        m_ueberblendung->stop();
    m_fertig = true;
    if (m_hauptfenster && m_hauptfenster->isVisible()) {
        m_hauptfenster->setWindowOpacity(1.0);
        m_hauptfenster->activateWindow();
    }
    close();
}

void TFStart::ueberblendSchritt()
{
    ++m_schritt;
    if (m_hauptfenster)
        m_hauptfenster->setWindowOpacity(m_schritt / 255.0);
    // 3 of 255 per step: the start window is gone after 85 steps.
    setWindowOpacity(qMax(0, 255 - 3 * m_schritt) / 255.0);
    if (m_schritt < 255)
        return;
    m_ueberblendung->stop();
    m_fertig = true;
    if (m_hauptfenster)
        m_hauptfenster->activateWindow();
    close();
}
