#pragma once

#include <QWidget>

class QGroupBox;
class QTableView;
class Tippreihenmodell;
struct KbwZustand;

// The page "Tippreihen": the rows of the applied system in grid g1 and the ways to pass them on.
class SeiteTippreihen : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteTippreihen(KbwZustand &zustand, QWidget *parent = nullptr);

    // Shows the rows last built (KbwZustand::Tippreihen) in g1 and their count in the caption.
    void reihenAnzeigen();

protected:
    void showEvent(QShowEvent *event) override;

private:
    KbwZustand &m_zustand;
    QGroupBox *m_gruppe = nullptr;
    QTableView *m_g1 = nullptr;
    Tippreihenmodell *m_modell = nullptr;
};
