#pragma once

#include <QCheckBox>

// A check box whose change reaction runs on every set from the program, also when the state
// stays the same (a plain QCheckBox only signals real changes). User clicks react as usual.
class Ankreuzfeld : public QCheckBox
{
    Q_OBJECT

public:
    explicit Ankreuzfeld(const QString &text, QWidget *parent = nullptr);

    // Sets the state and always runs the change reaction once.
    void setzen(bool an);

signals:
    void reaktion(bool an);

private:
    bool m_setztGerade = false;
};
