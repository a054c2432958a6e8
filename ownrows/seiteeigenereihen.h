#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Eigene Reihen" of the main window.
class SeiteEigeneReihen : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteEigeneReihen(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
