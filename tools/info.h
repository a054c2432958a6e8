#pragma once

#include <QWidget>

class QLabel;

// The window "FInfo": the program's name and version and how to reach the vendor; a click on
// the mail address starts a new mail. Closing destroys it.
class TFInfo : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Breite = 400;
    static constexpr int Hoehe = 300;

    explicit TFInfo(QWidget *parent = nullptr);

    // A click on LMail: a new mail to the vendor with the program's name as subject.
    void LMailClick();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    QLabel *m_lMail = nullptr;
};
