#include "hilfeaufruf.h"
#include "meldungen.h"
#include "uebersetzung.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstMeldungen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void attrappeZeichnetAufUndAntwortet();
    void attrappenVerschachtelt();
    void deutscheKnoepfe();
    void hilfeknopfOeffnetThema();
};

void TstMeldungen::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(DeutscheUebersetzungLaden(*qApp));
}

void TstMeldungen::attrappeZeichnetAufUndAntwortet()
{
    using namespace Meldungen;
    MeldungenAttrappe attrappe;
    attrappe.antworten(Antwort::Ja);
    attrappe.antworten(Antwort::Abbrechen); // not offered by a Ja/Nein question
    Information(nullptr, "Bitte erst Zahlen wählen.");
    QCOMPARE(FrageJaNein(nullptr, "Überschreiben?"), Antwort::Ja);
    QCOMPARE(FrageJaNein(nullptr, "Noch einmal?"), Antwort::Nein);
    QCOMPARE(FrageJaNeinAbbrechen(nullptr, "Speichern?"), Antwort::Abbrechen); // queue empty: the safe answer
    Fehler(nullptr, "Ungültig.\n\nIch breche ab.");

    QCOMPARE(attrappe.texte(),
             (QStringList{"Bitte erst Zahlen wählen.", "Überschreiben?", "Noch einmal?", "Speichern?",
                          "Ungültig.\n\nIch breche ab."}));
    QCOMPARE(attrappe.eintraege().front().art, Art::Information);
    QCOMPARE(attrappe.eintraege().back().art, Art::Fehler);
    QCOMPARE(attrappe.eintraege()[3].art, Art::FrageJaNeinAbbrechen);
}

void TstMeldungen::attrappenVerschachtelt()
{
    MeldungenAttrappe aussen;
    {
        MeldungenAttrappe innen;
        Meldungen::Information(nullptr, "innen");
        QCOMPARE(innen.texte(), QStringList{"innen"});
    }
    Meldungen::Information(nullptr, "aussen");
    QCOMPARE(aussen.texte(), QStringList{"aussen"});
}

void TstMeldungen::deutscheKnoepfe()
{
    // A real box, closed from inside its own event loop: the buttons carry Qt's German texts.
    QStringList knoepfe;
    QTimer::singleShot(0, this, [&knoepfe] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *b : box->buttons())
            knoepfe << b->text();
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(Meldungen::FrageJaNeinAbbrechen(nullptr, "Frage"), Meldungen::Antwort::Nein);
    knoepfe.sort();
    QCOMPARE(knoepfe, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
}

void TstMeldungen::hilfeknopfOeffnetThema()
{
    HilfeAttrappe hilfe;
    QString knopf;
    QTimer::singleShot(0, this, [&knopf] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        knopf = box->button(QMessageBox::Help)->text();
        box->button(QMessageBox::Help)->click();
    });
    Meldungen::Information(nullptr, "Hinweis", 1040);
    QCOMPARE(knopf, QString("Hilfe"));
    QCOMPARE(hilfe.themen(), std::vector<int>{1040});
}

QTEST_MAIN(TstMeldungen)
#include "tst_meldungen.moc"
