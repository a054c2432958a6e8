#pragma once

#include <QWidget>

class Ankreuzfeld;
class Optionsgruppe;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class Statistiktafel;
struct AuswahlZustand;
struct EigeneReihenZustand;

// The page "Eigene Reihen": the memo M1 of own rows, its files and the clipboard, the
// reading of the rows, their statistics, and the buttons that test, save and compare them.
class SeiteEigeneReihen : public QWidget
{
    Q_OBJECT

public:
    SeiteEigeneReihen(EigeneReihenZustand &zustand, const AuswahlZustand &auswahl, QWidget *parent = nullptr);

    // Reads the memo into the own-rows state; true exactly when every check passed. Reports
    // its own messages. The memo cannot be edited meanwhile.
    bool Verarbeitungsstart();

    bool memoLeer() const;
    QString memoText() const;
    // Replaces the memo's text (its change rule applies: tabs become commas).
    void memoTextSetzen(const QString &text);
    // The file name label above the memo.
    void dateinameSetzen(const QString &name);
    // "Datei öffnen..." and the other fillers ask this before they overwrite the memo; true
    // when the memo is empty or the user answered Ja.
    bool ueberschreibenErlaubt(const QString &frage);
    static QString UeberschreibenFrage();
    // Empties the memo and everything derived from it (BMemoClear).
    void BMemoClearClick();

    // What the test found, for PGarantie ("?" before and after a stopped test).
    void garantieZeigen(const QString &text);
    // The count of comparable systems found ("Gefunden"); "Anzeigen" is enabled when above 0.
    void vergleicheZeigen(int anzahl);
    // "Als System speichern" shows "System gespeichert" while saved is true.
    void speicherknopfZeigen(bool gespeichert);
    void speicherknopfSperren(bool gesperrt);
    // Gauge2 while the rows of a new own system are built.
    void fortschrittZeigen(int wert, int maximum);

    // The numbers above the lottery's largest have no panels on the board.
    void groessteZahlSetzen(int groesste);
    void doppelPruefungSetzen(bool an) { m_doppeltPruefen = an; }

    void BSaveClick();
    void laden();
    void einfuegen();

signals:
    void testAngefordert(); // "Als System testen"
    void speichernAngefordert(); // "Als System speichern"
    void suchenAngefordert(); // "Suchen"
    void anzeigenAngefordert(); // "Anzeigen"
    void excelImportAngefordert();
    void excelExportAngefordert();
    // The memo's text changed; vorhanden: it is not empty.
    void memoGeaendert(bool vorhanden);

private:
    void M1Change();
    void verteilungAnzeigen();
    void schriftAendern(int schritt);

    EigeneReihenZustand &m_zustand;
    const AuswahlZustand &m_auswahl;
    bool m_doppeltPruefen = true;
    bool m_aendertGerade = false;
    QPlainTextEdit *m_m1 = nullptr;
    QProgressBar *m_gauge2 = nullptr;
    QLabel *m_lDatei = nullptr;
    Optionsgruppe *m_trenner = nullptr;
    Ankreuzfeld *m_detail = nullptr;
    QLabel *m_ptr2 = nullptr;
    QLabel *m_ppz2 = nullptr;
    QLabel *m_pbz22 = nullptr;
    QLabel *m_pGarantie = nullptr;
    QLabel *m_lvs = nullptr;
    QPushButton *m_anzeigen = nullptr;
    QPushButton *m_speichern = nullptr;
    Statistiktafel *m_tafel = nullptr;
};
