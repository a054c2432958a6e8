#include "meldungen.h"

#include "hilfeaufruf.h"

#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>

namespace {

MeldungenAttrappe *aktiveAttrappe = nullptr;

const QString Titel = QStringLiteral("Kombiwerk");

Meldungen::Antwort Zeigen(QWidget *eltern, Meldungen::Art art, const QString &text, int hilfethema = 0)
{
    if (aktiveAttrappe)
        return aktiveAttrappe->melden(art, text, hilfethema);

    QMessageBox box(eltern);
    box.setWindowTitle(Titel);
    box.setText(text);
    switch (art) {
    case Meldungen::Art::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(hilfethema > 0 ? QMessageBox::Ok | QMessageBox::Help : QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Meldungen::Art::Fehler:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Meldungen::Art::FrageJaNein:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case Meldungen::Art::FrageJaNeinAbbrechen:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    }
    if (hilfethema > 0) {
        // F1 opens the topic and leaves the message on screen.
        auto *f1 = new QShortcut(QKeySequence::HelpContents, &box);
        QObject::connect(f1, &QShortcut::activated, &box, [hilfethema] { Hilfe::Hilfethema(hilfethema); });
    }
    const int ergebnis = box.exec();
    if (ergebnis == QMessageBox::Help)
        Hilfe::Hilfethema(hilfethema);
    switch (ergebnis) {
    case QMessageBox::Yes:
        return Meldungen::Antwort::Ja;
    case QMessageBox::No:
        return Meldungen::Antwort::Nein;
    case QMessageBox::Cancel:
        return Meldungen::Antwort::Abbrechen;
    default:
        // Closing a question box with Escape or the window button never means Ja.
        return art == Meldungen::Art::FrageJaNein         ? Meldungen::Antwort::Nein
            : art == Meldungen::Art::FrageJaNeinAbbrechen ? Meldungen::Antwort::Abbrechen
                                                          : Meldungen::Antwort::Ok;
    }
}

} // namespace

namespace Meldungen {

void Information(QWidget *eltern, const QString &text, int hilfethema)
{
    Zeigen(eltern, Art::Information, text, hilfethema);
}

void Fehler(QWidget *eltern, const QString &text)
{
    Zeigen(eltern, Art::Fehler, text);
}

Antwort FrageJaNein(QWidget *eltern, const QString &text)
{
    return Zeigen(eltern, Art::FrageJaNein, text);
}

Antwort FrageJaNeinAbbrechen(QWidget *eltern, const QString &text)
{
    return Zeigen(eltern, Art::FrageJaNeinAbbrechen, text);
}

} // namespace Meldungen

MeldungenAttrappe::MeldungenAttrappe() : m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

MeldungenAttrappe::~MeldungenAttrappe()
{
    aktiveAttrappe = m_vorher;
}

QStringList MeldungenAttrappe::texte() const
{
    QStringList l;
    for (const Eintrag &e : m_eintraege)
        l << e.text;
    return l;
}

Meldungen::Antwort MeldungenAttrappe::melden(Meldungen::Art art, const QString &text, int hilfethema)
{
    m_eintraege.push_back({art, text, hilfethema});
    if (art == Meldungen::Art::Information || art == Meldungen::Art::Fehler)
        return Meldungen::Antwort::Ok;
    Meldungen::Antwort a =
        art == Meldungen::Art::FrageJaNein ? Meldungen::Antwort::Nein : Meldungen::Antwort::Abbrechen;
    if (!m_antworten.empty()) {
        a = m_antworten.front();
        m_antworten.pop_front();
    }
    // A box without Abbrechen cannot give it.
    if (art == Meldungen::Art::FrageJaNein && a == Meldungen::Antwort::Abbrechen)
        a = Meldungen::Antwort::Nein;
    return a;
}
