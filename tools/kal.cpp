#include "kal.h"

#include "anbieter.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

TFKal::TFKal(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(QLatin1String(Anbieter::Programmname));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);

    m_kalender = new QCalendarWidget(this);
    m_kalender->setObjectName(QStringLiteral("MonthCalendar1"));
    m_kalender->setFirstDayOfWeek(Qt::Sunday);
    m_kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalender->setGridVisible(false);
    const QDate heute = QDate::currentDate();
    m_kalender->setSelectedDate(heute);
    // Today stands out in bold red, also once another day is selected.
    QTextCharFormat heuteFormat = m_kalender->dateTextFormat(heute);
    heuteFormat.setFontWeight(QFont::Bold);
    heuteFormat.setForeground(QColor(0xc0, 0x10, 0x10));
    m_kalender->setDateTextFormat(heute, heuteFormat);
    m_kalender->setMinimumSize(380, 260);
    layout->addWidget(m_kalender, 1);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    schliessen->setMinimumSize(100, 30);
    unten->addWidget(schliessen);
    layout->addLayout(unten);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);
    adjustSize();
}
