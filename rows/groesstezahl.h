#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;
struct KbwZustand;

// The strip with the largest draw number of the lottery (biggestZZ, 32..100): scroll bar
// updown1, read-out PZufMax and nine quick buttons. It stays visible above all pages.
class Groesstezahlleiste : public QWidget
{
    Q_OBJECT

public:
    explicit Groesstezahlleiste(KbwZustand &zustand, QWidget *parent = nullptr);

    QScrollBar *updown1() const { return m_updown1; }

    // Applies the scroll bar's position: biggestZZ, the pool-size slider's maximum, the
    // read-out and which numbered controls of the window are visible. Runs on every change
    // of updown1 and once when the main window has built its controls.
    void updown1Change();

signals:
    void biggestZZGeaendert(int biggestZZ);

private:
    KbwZustand &m_zustand;
    QScrollBar *m_updown1 = nullptr;
    QLabel *m_pZufMax = nullptr;
};

// Shows every control of `fenster` named "lot"n, "PNummer"n, "PNummerWert"n, "PNummerEin"n or
// "PNummerWertEin"n (n = 1..100) exactly when n <= groesste.
void NummernSichtbarkeitSetzen(QWidget *fenster, int groesste);
