#pragma once

#include "systemfilter.h"

#include <QWidget>

class Ankreuzfeld;
class Ergebnisliste;
class Infozeichen;
class Optionsgruppe;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSlider;
#include "systembeschreibung.h"

// The page "Systemwahl" of the main window: the filter scales, "Filtern" and the result
// list. The controls carry their names as objectName; the main window restores and saves
// them by those names, and every set from the program runs the same reaction as a click.
class SeiteSystemwahl : public QWidget
{
    Q_OBJECT

public:
    explicit SeiteSystemwahl(Auswahlkontext zustand, QWidget *parent = nullptr);

    // The controls read as plain values.
    Filtereinstellungen einstellungen() const;
    // The settings ask for a full system.
    bool Zwang() const;
    // Row-count tolerance; with steuerelementeBeachten the "egal" box and the full-system
    // case switch the test off.
    bool TRAbweichung(int tr, int gewuenscht, bool steuerelementeBeachten) const;
    // Shows the fixed row count of a full system instead of the row-count scale, or back.
    void ReiheZwingend(bool ja);
    // "Filtern": fills l1, Filterliste, Tippreihengroesse and LSysAnz.
    void Filtern();
    // The largest draw number bounds the pool-size scale; a lower maximum moves the value.
    void groessteZahlSetzen(int groesste);
    // Lets the pool-size scale reach groesste before saved values are applied, so that a saved
    // pool above the start maximum is not cut down.
    void poolgrenzeAnheben(int groesste);

signals:
    // A line of l1 was chosen (Systemindex is set already); zurZahlenwahl after a double click.
    void systemGewaehlt(int systemlistenIndex, bool zurZahlenwahl);

protected:
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    QGroupBox *gruppeAnlegen(const QString &titel, QHBoxLayout *&zeile);
    void steuerelementeAnlegen();
    void verbinden();

    void vollsystemreihenZeigen();
    void beiSlider1(int wert);
    void beiSlider2(int wert);
    void beiSlider3(int wert);
    void beiSlider4(int wert);
    void beiSlider5(int wert);
    void beiRadio3();
    void beiRadio5();
    void beiCb1(bool an);
    void beiCb3(bool an);
    void beiCb4(bool an);
    void beiCb5(bool an);
    void allesEgal();
    void auffrischen();
    void zeileGewaehlt();
    void doppelklick();
    void lSlider4Setzen(bool egal);

    Auswahlkontext m_zustand;

    QSlider *m_slider1 = nullptr;
    QSlider *m_slider2 = nullptr;
    QSlider *m_slider3 = nullptr;
    QSlider *m_slider4 = nullptr;
    QSlider *m_slider5 = nullptr;
    QLabel *m_lSlider1 = nullptr;
    QLabel *m_lSlider2 = nullptr;
    QLabel *m_lSlider3 = nullptr;
    QLabel *m_lSlider4 = nullptr;
    QLabel *m_lSlider5 = nullptr;
    Ankreuzfeld *m_cb1 = nullptr;
    Ankreuzfeld *m_cb3 = nullptr;
    Ankreuzfeld *m_cb4 = nullptr;
    Ankreuzfeld *m_cb5 = nullptr;
    Optionsgruppe *m_radio3 = nullptr;
    Optionsgruppe *m_radio5 = nullptr;
    QLabel *m_lHinweis4 = nullptr;
    Infozeichen *m_bInfo3 = nullptr;
    Infozeichen *m_bInfo4 = nullptr;
    Infozeichen *m_bInfo5 = nullptr;
    QPushButton *m_bFilternEx = nullptr;
    QPushButton *m_bFiltern = nullptr;
    QLabel *m_lSysAnz = nullptr;
    Ergebnisliste *m_l1 = nullptr;
};
