#pragma once

class QLabel;
class QWidget;
struct Auswahlkontext;

// Chooses the system at index (the caller has set Systemindex already) and shows it in the
// description label and the two count panels of the "Zahlenwahl" page. When the system
// cannot be used, shows the error message and leaves the labels as they were.
bool GewaehltesSystem(Auswahlkontext zustand, int index, QLabel *lBeschreibung, QLabel *pPool, QLabel *pBZ,
                      QWidget *eltern);
