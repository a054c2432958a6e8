#include "update.h"

#include "aufraeumen.h"
#include "dateischreiben.h"
#include "herunterladen.h"
#include "internet.h"
#include "meldungen.h"
#include "programmstart.h"
#include "versionsdatei.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Versionsdateiname = QStringLiteral("verinfos.kbw");
const QString Installername = QStringLiteral("Update.exe");

QLabel *Anzeige(const char *name, const QString &text, QWidget *eltern)
{
    auto *feld = new QLabel(text, eltern);
    feld->setObjectName(QLatin1String(name));
    feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feld->setAlignment(Qt::AlignCenter);
    feld->setMinimumWidth(110);
    feld->setMinimumHeight(24);
    QFont fett = feld->font();
    fett.setBold(true);
    feld->setFont(fett);
    return feld;
}

QLabel *Hinweis(const QString &text, QWidget *eltern)
{
    auto *label = new QLabel(text, eltern);
    label->setWordWrap(true);
    return label;
}

QString Ordnertext(const QString &ordner)
{
    return QDir::toNativeSeparators(ordner);
}

// The downloaded installer must be executable to be started.
bool Ausfuehrbar(const QString &pfad)
{
    const QFile::Permissions rechte = QFile::permissions(pfad);
    return QFile::setPermissions(pfad, rechte | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace

TFUpdate::TFUpdate(const QString &datenordner, QWidget *parent, Updateadressen adressen)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_datenordner(datenordner),
      m_programmdatei(QCoreApplication::applicationFilePath()),
      m_adressen(std::move(adressen)),
      m_lader(new Herunterlader(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QLatin1String(Anbieter::Programmname));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);

    auto *gruppe = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), this);
    auto *raster = new QGridLayout(gruppe);
    raster->setContentsMargins(12, 10, 12, 12);
    raster->setHorizontalSpacing(12);
    raster->setVerticalSpacing(10);

    m_bCalc = new QPushButton(QStringLiteral("Prüfen"), gruppe);
    m_bCalc->setObjectName(QStringLiteral("BCalc"));
    m_bCalc->setMinimumSize(110, 30);
    raster->addWidget(m_bCalc, 0, 0, 2, 1, Qt::AlignVCenter);
    raster->addWidget(new QLabel(QStringLiteral("Installierte Version"), gruppe), 0, 1);
    m_piVersion = Anzeige("PiVersion", ProgrammVersion(), gruppe);
    raster->addWidget(m_piVersion, 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Verfügbare Version"), gruppe), 1, 1);
    m_pvVersion = Anzeige("PvVersion", QString(), gruppe);
    raster->addWidget(m_pvVersion, 1, 2);

    m_bDown = new QPushButton(QStringLiteral("Download"), gruppe);
    m_bDown->setObjectName(QStringLiteral("BDown"));
    m_bDown->setMinimumSize(110, 30);
    m_bDown->setEnabled(false);
    raster->addWidget(m_bDown, 2, 0, Qt::AlignTop);
    raster->addWidget(
        Hinweis(QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv."),
                gruppe),
        2, 1, 1, 2);
    m_gauge3 = new QProgressBar(gruppe);
    m_gauge3->setObjectName(QStringLiteral("Gauge3"));
    m_gauge3->setRange(0, 100);
    m_gauge3->setValue(0);
    raster->addWidget(m_gauge3, 3, 0, 1, 3);

    m_bSetup = new QPushButton(QStringLiteral("Installation"), gruppe);
    m_bSetup->setObjectName(QStringLiteral("BSetup"));
    m_bSetup->setMinimumSize(110, 30);
    m_bSetup->setEnabled(false);
    raster->addWidget(m_bSetup, 4, 0, Qt::AlignTop);
    raster->addWidget(Hinweis(QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), gruppe), 4, 1,
                      1, 2);
    raster->setColumnStretch(1, 1);
    layout->addWidget(gruppe);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    schliessen->setMinimumSize(100, 30);
    unten->addWidget(schliessen);
    layout->addLayout(unten);

    connect(m_bCalc, &QPushButton::clicked, this, &TFUpdate::BCalcClick);
    connect(m_bDown, &QPushButton::clicked, this, &TFUpdate::BDownClick);
    connect(m_bSetup, &QPushButton::clicked, this, &TFUpdate::BSetupClick);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(m_lader, &Herunterlader::fertig, this, &TFUpdate::ladenBeendet);
    connect(m_lader, &Herunterlader::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        if (m_vorgang == Vorgang::Download && gesamt > 0)
            m_gauge3->setValue(int(std::min<qint64>(100, empfangen * 100 / gesamt)));
    });

    setMinimumWidth(540);
    adjustSize();
}

TFUpdate::~TFUpdate()
{
    warten(false);
}

void TFUpdate::zeitlimitSetzen(int millisekunden)
{
    m_lader->zeitlimitSetzen(millisekunden);
}

bool TFUpdate::laedt() const
{
    return m_vorgang != Vorgang::Keiner;
}

QString TFUpdate::versionsdatei() const
{
    return QDir(m_datenordner).filePath(Versionsdateiname);
}

QString TFUpdate::installer() const
{
    return QDir(m_datenordner).filePath(Installername);
}

QString TFUpdate::DownloadFehlerText()
{
    return QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder laden Sie das "
                          "Update von \"%1\" herunter.")
        .arg(Anbieter::Webadresse());
}

void TFUpdate::warten(bool an)
{
    if (an == m_wartet)
        return;
    m_wartet = an;
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TFUpdate::BCalcClick()
{
    if (laedt())
        return;
    if (!InternetVerbunden()) {
        Meldungen::Information(this,
                               QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    // An old copy must not pass for the answer of this check.
    QFile::remove(versionsdatei());
    m_pvVersion->clear();
    m_bDown->setEnabled(false);
    m_bCalc->setEnabled(false);
    m_vorgang = Vorgang::Pruefen;
    warten(true);
    m_lader->starten(m_adressen.versionsdatei, versionsdatei());
}

void TFUpdate::BDownClick()
{
    if (laedt())
        return;
    if (!InternetVerbunden()) {
        Meldungen::Information(this,
                               QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung "
                                              "zum Internet bestehen.\n\nIch breche ab."));
        return;
    }
    QFile::remove(installer());
    m_bSetup->setEnabled(false);
    m_bCalc->setEnabled(false);
    m_bDown->setEnabled(false);
    m_gauge3->setValue(0);
    m_vorgang = Vorgang::Download;
    warten(true);
    m_lader->starten(m_adressen.installer, installer());
}

void TFUpdate::ladenBeendet(bool ok)
{
    const Vorgang vorgang = m_vorgang;
    m_vorgang = Vorgang::Keiner;
    warten(false);
    m_bCalc->setEnabled(true);
    if (vorgang == Vorgang::Pruefen)
        pruefungAuswerten(ok);
    else if (vorgang == Vorgang::Download)
        downloadAuswerten(ok);
    emit fertig();
}

void TFUpdate::pruefungAuswerten(bool ok)
{
    const QString fehlschlag = QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\n");
    if (!ok) {
        Meldungen::Information(this, fehlschlag);
        return;
    }
    QFile datei(versionsdatei());
    const Versionsangabe angabe =
        datei.open(QIODevice::ReadOnly) ? VersionsdateiLesen(datei.readAll()) : Versionsangabe{};
    if (!datei.isOpen() || !angabe.ok()) {
        Meldungen::Information(this, fehlschlag);
        return;
    }
    m_pvVersion->setText(angabe.version);
    // Any difference counts, an older version on the server too.
    m_bDown->setEnabled(angabe.version != ProgrammVersion());
}

void TFUpdate::downloadAuswerten(bool ok)
{
    if (!ok) {
        m_gauge3->setValue(0);
        // The version check stays valid: the download may be tried again.
        m_bDown->setEnabled(!m_pvVersion->text().isEmpty() && m_pvVersion->text() != ProgrammVersion());
        const Ladeergebnis &e = m_lader->ergebnis();
        if (e.fehler == LadeFehler::Schreiben)
            Meldungen::Fehler(this, SchreibFehlerText(installer(), e.schreiben));
        else
            Meldungen::Information(this, DownloadFehlerText());
        return;
    }
    m_gauge3->setValue(100);
    m_bDown->setEnabled(true);
    m_bSetup->setEnabled(true);
}

void TFUpdate::BSetupClick()
{
    const QString datenordner = Ordnertext(m_datenordner);
    const Meldungen::Antwort antwort = Meldungen::FrageJaNein(
        this,
        QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. "
                       "Die Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, "
                       "bitte das Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis "
                       "%1 starten.\n\nSoll fortgefahren werden?")
            .arg(datenordner));
    if (antwort != Meldungen::Antwort::Ja) {
        const QFileInfo programm(m_programmdatei);
        Meldungen::Information(
            this,
            QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell "
                           "durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis %1 starten.\n\n"
                           "Zuvor muss das Programm geschlossen und die Datei \"%2\" im Verzeichnis %3 "
                           "gelöscht werden.")
                .arg(datenordner, programm.fileName(), Ordnertext(programm.absolutePath())));
        return;
    }
    const QString pfad = installer();
    if (!QFileInfo::exists(pfad) || !Ausfuehrbar(pfad) || !Programmstart::Starten(pfad, {}, m_datenordner)) {
        Meldungen::Information(this,
                               QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie den "
                                              "Kombiwerk und starten Sie das Update manuell durch Doppelklick "
                                              "auf die Datei \"Update.exe\" im Verzeichnis %1.")
                                   .arg(datenordner));
        return;
    }
    // The old program file goes once this process has ended; a program in a system folder or
    // of another user stays (its package manager replaces it).
    const QString skript = AufraeumSkriptAnlegen(QCoreApplication::applicationPid(), m_programmdatei);
    if (!skript.isEmpty())
        Programmstart::Starten(QStringLiteral("/bin/sh"), {skript}, QDir::tempPath());
    Programmstart::Beenden();
}
