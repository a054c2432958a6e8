#pragma once

#include <QString>

class QWidget;
class TFAbbild;

// Opening the tool windows from the main window. Each goes through FormularZeigen: an open
// window of its name comes back from its minimised state, else it is made, centred over
// hauptfenster; then it is shown and brought to the front.

QWidget *NueberKZeigen(QWidget *hauptfenster); // "FNueberK", kept when closed
QWidget *KalenderZeigen(QWidget *hauptfenster); // "FKal", kept when closed
QWidget *UpdateZeigen(QWidget *hauptfenster, const QString &datenordner); // "FUpdate"
QWidget *InfoZeigen(QWidget *hauptfenster); // "FInfo"

// The screenshot buttons: a new window "FAbbild" + number with the panel's picture, stamped at
// a, b (see TFAbbild::Aufnehmen); it saves into screenshotordner.
TFAbbild *AbbildZeigen(QWidget *panel, int a, int b, const QString &screenshotordner, QWidget *hauptfenster);

// The logo on the page "Zahlenwahl": the vendor's web page in the browser, when there is a
// connection to the internet.
void WebseiteOeffnen(QWidget *eltern);

// The desktop's calculator program: the first one installed of a few common ones. Says so
// when there is none.
void TaschenrechnerStarten(QWidget *eltern);
