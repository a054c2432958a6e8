#pragma once

#include <QDialog>
#include <QTimer>

#include <deque>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
struct AuswahlZustand;
struct ReihenZustand;

// The copy-and-paste tool "FZwischen": reads pool numbers out of a pasted text and puts
// them on the number board of "Zahlenwahl", one after the other.
class TFZwischen : public QDialog
{
    Q_OBJECT

public:
    // auswahl: biggestZZ limits the numbers read, PoolSoll is set by the transfer;
    // reihen: a transfer needs an empty pool.
    TFZwischen(AuswahlZustand &auswahl, const ReihenZustand &reihen, QWidget *parent = nullptr);

    // MPuf: the text before the last "Auslesen" or "Textfeld löschen", for "Rückgängig".
    QString puffer() const { return m_puffer; }
    bool transferLaeuft() const { return m_takt.isActive(); }

    void BAuslesenClick();
    void BTransferClick();
    void BUndoClick();
    void BDelClick();

signals:
    // One number of the transfer, to be chosen on the board as by a click on it.
    void wahlzahlUebertragen(int zahl);
    void transferBeendet();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void M1Change();
    void listeSetzen(const std::vector<int> &zahlen);
    void naechsteZahl();

    AuswahlZustand &m_auswahl;
    const ReihenZustand &m_reihen;
    QPlainTextEdit *m_m1 = nullptr;
    QListWidget *m_l1 = nullptr;
    QLabel *m_anz = nullptr;
    QPushButton *m_auslesen = nullptr;
    QPushButton *m_transfer = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_del = nullptr;
    QString m_puffer;
    QTimer m_takt;
    std::deque<int> m_warteschlange;
};
