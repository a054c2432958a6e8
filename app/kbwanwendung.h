#pragma once

#include <QApplication>

// The application object. An error of the runtime that no handler catches ends up in one
// general error message with the runtime's text, and the program goes on.
class KbwAnwendung : public QApplication
{
public:
    KbwAnwendung(int &argc, char **argv);

    bool notify(QObject *empfaenger, QEvent *ereignis) override;
};
