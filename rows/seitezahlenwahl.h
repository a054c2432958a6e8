#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Zahlenwahl" of the main window.
class SeiteZahlenwahl : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteZahlenwahl(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
