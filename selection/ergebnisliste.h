#pragma once

#include <QListWidget>

// The result list l1. Reports every double click, also one beside the lines, after the
// list has handled it (so the line under the mouse is selected by then).
class Ergebnisliste : public QListWidget
{
    Q_OBJECT

public:
    explicit Ergebnisliste(QWidget *parent = nullptr);

signals:
    void doppelklick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *ereignis) override;
};
