#pragma once

#include <QLabel>

// The small round "i" beside a filter scale: shows why the scale is limited when clicked.
class Infozeichen : public QLabel
{
    Q_OBJECT

public:
    explicit Infozeichen(QWidget *parent = nullptr);

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent *ev) override;
    void mouseReleaseEvent(QMouseEvent *ev) override;

private:
    bool m_gedrueckt = false;
};
