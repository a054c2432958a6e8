#pragma once

#include <QWidget>

struct KatalogZustand;

// The page "Eigene Systeme verwalten" of the main window.
class SeiteEigeneSysteme : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteEigeneSysteme(KatalogZustand &zustand, QWidget *parent = nullptr);

private:
    KatalogZustand &m_zustand;
};
