#pragma once

#include <QWidget>

class QCalendarWidget;

// The window "FKal": a month calendar that opens on today. Closing only hides it.
class TFKal : public QWidget
{
    Q_OBJECT

public:
    explicit TFKal(QWidget *parent = nullptr);

    QCalendarWidget *kalender() const { return m_kalender; }

private:
    QCalendarWidget *m_kalender = nullptr;
};
