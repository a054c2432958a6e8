#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Systemtest" of the main window.
class SeiteSystemtest : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteSystemtest(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
