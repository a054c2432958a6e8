#pragma once

#include <QWidget>

class QLabel;
struct AuswahlZustand;
struct KatalogZustand;

// The page "Systemtest" of the main window.
class SeiteSystemtest : public QWidget
{
    Q_OBJECT

public:
    SeiteSystemtest(const KatalogZustand &katalog, const AuswahlZustand &auswahl, QWidget *parent = nullptr);

    // The figures of the chosen system: "Rechenoperationen:" and the description. Without a
    // chosen system they stay as they are.
    void testzahlenSetzen();

private:
    const KatalogZustand &m_katalog;
    const AuswahlZustand &m_auswahl;
    QLabel *m_beschreibung = nullptr;
    QLabel *m_kombiAnz = nullptr;
};
