#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Systemwahl" of the main window.
class SeiteSystemwahl : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteSystemwahl(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
