#pragma once

#include "anbieter.h"

#include <QWidget>

class Herunterlader;
class QLabel;
class QProgressBar;
class QPushButton;

// The window "FUpdate": compares the installed version with the one on the vendor's server,
// downloads the installer when they differ and starts it. Closing the window destroys it.
class TFUpdate : public QWidget
{
    Q_OBJECT

public:
    // datenordner receives "verinfos.kbw" and "Update.exe".
    explicit TFUpdate(const QString &datenordner, QWidget *parent = nullptr,
                      Updateadressen adressen = StandardUpdateadressen());
    ~TFUpdate() override;

    // The program file that the clean-up removes after an installation (default: this program).
    void programmdateiSetzen(const QString &pfad) { m_programmdatei = pfad; }
    // A fetch during which nothing arrives for this long fails.
    void zeitlimitSetzen(int millisekunden);

    void BCalcClick(); // "Prüfen"
    void BDownClick(); // "Download"
    void BSetupClick(); // "Installation"

    bool laedt() const;
    QString versionsdatei() const;
    QString installer() const;

    static QString DownloadFehlerText();

signals:
    // A check or a download has ended, successfully or not (its message has been shown).
    void fertig();

private:
    enum class Vorgang { Keiner, Pruefen, Download };

    void ladenBeendet(bool ok);
    void pruefungAuswerten(bool ok);
    void downloadAuswerten(bool ok);
    void warten(bool an);

    QString m_datenordner;
    QString m_programmdatei;
    Updateadressen m_adressen;
    Herunterlader *m_lader = nullptr;
    Vorgang m_vorgang = Vorgang::Keiner;
    bool m_wartet = false;

    QPushButton *m_bCalc = nullptr;
    QLabel *m_piVersion = nullptr;
    QLabel *m_pvVersion = nullptr;
    QPushButton *m_bDown = nullptr;
    QProgressBar *m_gauge3 = nullptr;
    QPushButton *m_bSetup = nullptr;
};
