#pragma once

#include <QWidget>

struct EigeneReihenZustand;

// The page "Eigene Reihen" of the main window.
class SeiteEigeneReihen : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteEigeneReihen(EigeneReihenZustand &zustand, QWidget *parent = nullptr);

private:
    EigeneReihenZustand &m_zustand;
};
