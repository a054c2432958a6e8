#include "ergebnisliste.h"

Ergebnisliste::Ergebnisliste(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Lines are never cut off: the list scrolls sideways when a line is wider than it.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void Ergebnisliste::mouseDoubleClickEvent(QMouseEvent *ereignis)
{
    QListWidget::mouseDoubleClickEvent(ereignis);
    emit doppelklick();
}
