#pragma once

#include <QWidget>

struct KbwZustand;

// The page "Tippreihen" of the main window.
class SeiteTippreihen : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteTippreihen(KbwZustand &zustand, QWidget *parent = nullptr);

private:
    KbwZustand &m_zustand;
};
