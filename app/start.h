#pragma once

#include "datenordner.h"

#include <QWidget>

class QLabel;
class QPushButton;
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

private:
    KbwZustand &m_zustand;
    Datenordner m_datenordner;
    QLabel *m_lSysAnz = nullptr;
    QPushButton *m_bWeiter = nullptr;
    bool m_initializationDone = false;
};
