#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The window "FNueberK": the binomial coefficient "n über k" of two numbers below 100, exact.
// Closing only hides it.
class TFNueberK : public QWidget
{
    Q_OBJECT

public:
    explicit TFNueberK(QWidget *parent = nullptr);

    void BCalcClick();

private:
    QLineEdit *m_e1 = nullptr;
    QLineEdit *m_e2 = nullptr;
    QLabel *m_p1 = nullptr;
};
