#include "groesstezahl.h"

#include "auswahlzustand.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int Schnellwahl[] = {35, 39, 42, 45, 49, 50, 54, 70, 90};

// The desktop's style with the scroll bar's handle filled in the highlight colour (light and
// dark themes alike).
class Griffstil : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl element, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(element, option, painter, widget);
        if (element != CC_ScrollBar)
            return;
        const QRect griff = subControlRect(element, option, SC_ScrollBarSlider, widget).adjusted(1, 2, -1, -2);
        if (griff.isEmpty())
            return;
        const QColor farbe = option->palette.color(QPalette::Highlight);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(farbe.darker(140));
        painter->setBrush(farbe);
        painter->drawRoundedRect(QRectF(griff).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        painter->restore();
    }
};

} // namespace

Groesstezahlleiste::Groesstezahlleiste(AuswahlZustand &zustand, QWidget *parent) : QWidget(parent), m_zustand(zustand)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);

    auto *text = new QLabel(QStringLiteral("Für System- und Zufallswahl sowie Optimierung der Tests bitte größte "
                                           "Ziehungszahl angeben:"),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text, 0, 0, 1, 4);

    m_updown1 = new QScrollBar(Qt::Horizontal, this);
    m_updown1->setObjectName(QStringLiteral("updown1"));
    m_updown1->setRange(32, 100);
    m_updown1->setValue(49);
    m_updown1->setPageStep(5);
    m_updown1->setFixedWidth(96);
    m_updown1->setToolTip(QStringLiteral("Größte Ziehungszahl (32 bis 100)"));
    // The plain handle hardly stands out from the groove; draw it in the highlight colour.
    auto *stil = new Griffstil;
    stil->setParent(m_updown1);
    m_updown1->setStyle(stil);
    layout->addWidget(m_updown1, 1, 0);

    m_pZufMax = new QLabel(QStringLiteral("49"), this);
    m_pZufMax->setObjectName(QStringLiteral("PZufMax"));
    m_pZufMax->setAlignment(Qt::AlignCenter);
    m_pZufMax->setFrameShape(QFrame::Panel);
    m_pZufMax->setFrameShadow(QFrame::Sunken);
    m_pZufMax->setMinimumWidth(34);
    QFont fett = m_pZufMax->font();
    fett.setBold(true);
    m_pZufMax->setFont(fett);
    layout->addWidget(m_pZufMax, 1, 1);

    auto *schnell = new QToolBar(this);
    schnell->setObjectName(QStringLiteral("ToolBar1"));
    schnell->setToolButtonStyle(Qt::ToolButtonTextOnly);
    schnell->setIconSize(QSize(16, 16));
    schnell->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; border: none; }"));
    for (int wert : Schnellwahl) {
        auto *knopf = new QToolButton(schnell);
        knopf->setFixedSize(25, 22);
        knopf->setText(QString::number(wert));
        knopf->setProperty("tag", wert);
        knopf->setToolTip(QStringLiteral("Größte Ziehungszahl %1").arg(wert));
        // A raised frame: the quick values must look clickable in every style.
        knopf->setAutoRaise(false);
        schnell->addWidget(knopf);
        connect(knopf, &QToolButton::clicked, this, [this, wert] { m_updown1->setValue(wert); });
    }
    layout->addWidget(schnell, 1, 2);

    auto *zwingend = new QLabel(QStringLiteral("Zwingende Angabe"), this);
    zwingend->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    layout->addWidget(zwingend, 1, 3, Qt::AlignLeft | Qt::AlignVCenter);
    layout->setColumnStretch(3, 1);

    connect(m_updown1, &QScrollBar::valueChanged, this, [this] { updown1Change(); });
}

void Groesstezahlleiste::updown1Change()
{
    m_zustand.biggestZZ = m_updown1->value();
    m_pZufMax->setText(QString::number(m_zustand.biggestZZ));
    emit biggestZZGeaendert(m_zustand.biggestZZ);
}
