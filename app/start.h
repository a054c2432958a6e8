#pragma once

#include "datenordner.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QTimer;
class QPushButton;
class TFMain;
struct KbwZustand;

// The start window: fixes the data folders, reads the own-system index, builds the
// system list and announces how many systems the program holds.
class TFStart : public QWidget
{
    Q_OBJECT

public:
    explicit TFStart(KbwZustand &zustand, QWidget *parent = nullptr);

    const Datenordner &datenordner() const { return m_datenordner; }

    bool initializationDone() const { return m_initializationDone; }
    void setInitializationDone(bool fertig);

    // Shows the number of systems in LSysAnz.
    void SystemeEinlesen();

    // The window that fades in while the start window closes.
    void setHauptfenster(QWidget *hauptfenster) { m_hauptfenster = hauptfenster; }
    bool blendetUeber() const { return m_schritt > 0; }
    int ueberblendSchritte() const { return m_schritt; }
    // Ends a running cross-fade at once: the main window is fully shown (unless it is gone)
    // and the start window closes. Also when no fade has begun.
    void ueberblendungBeenden();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void indexLesen();
    void weiterKlick();
    void ueberblendSchritt();

    KbwZustand &m_zustand;
    Datenordner m_datenordner;
    QLabel *m_lSysAnz = nullptr;
    QPushButton *m_bWeiter = nullptr;
    bool m_initializationDone = false;
    QPointer<QWidget> m_hauptfenster;
    QTimer *m_ueberblendung = nullptr;
    int m_schritt = 0; // 1..255 while cross-fading
    bool m_fertig = false;
};
