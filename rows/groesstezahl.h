#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;
struct AuswahlZustand;

// The strip with the largest draw number of the lottery (biggestZZ, 32..100): scroll bar
// updown1, read-out PZufMax and nine quick buttons. It stays visible above all pages.
class Groesstezahlleiste : public QWidget
{
    Q_OBJECT

public:
    explicit Groesstezahlleiste(AuswahlZustand &zustand, QWidget *parent = nullptr);

    QScrollBar *updown1() const { return m_updown1; }

    // Applies the scroll bar's position: biggestZZ and the read-out, then tells the pages
    // (biggestZZGeaendert). Runs on every change of updown1 and once when the main window
    // has wired its pages.
    void updown1Change();

signals:
    void biggestZZGeaendert(int biggestZZ);

private:
    AuswahlZustand &m_zustand;
    QScrollBar *m_updown1 = nullptr;
    QLabel *m_pZufMax = nullptr;
};
