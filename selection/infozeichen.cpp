#include "infozeichen.h"

#include <QMouseEvent>

Infozeichen::Infozeichen(QWidget *parent) : QLabel(QStringLiteral("i"), parent)
{
    setAlignment(Qt::AlignCenter);
    setFixedSize(18, 18);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(
        QStringLiteral("QLabel { color: white; background-color: #2f6db5; border-radius: 9px; font-weight: bold; }"));
    // A hidden sign keeps its place, so the rows of the page do not jump.
    QSizePolicy p = sizePolicy();
    p.setRetainSizeWhenHidden(true);
    setSizePolicy(p);
}

void Infozeichen::mousePressEvent(QMouseEvent *ev)
{
    if (ev->button() == Qt::LeftButton) {
        m_gedrueckt = true;
        ev->accept();
        return;
    }
    QLabel::mousePressEvent(ev);
}

void Infozeichen::mouseReleaseEvent(QMouseEvent *ev)
{
    if (ev->button() == Qt::LeftButton && m_gedrueckt) {
        m_gedrueckt = false;
        ev->accept();
        if (rect().contains(ev->position().toPoint()))
            emit geklickt();
        return;
    }
    QLabel::mouseReleaseEvent(ev);
}
