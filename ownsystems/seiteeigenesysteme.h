#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Eigene Systeme verwalten" of the main window.
class SeiteEigeneSysteme : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteEigeneSysteme(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
