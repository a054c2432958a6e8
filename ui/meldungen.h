#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

// Modal message boxes of the program. Tests install a MeldungenAttrappe instead of
// answering real boxes.
namespace Meldungen {

enum class Art { Information, Fehler, FrageJaNein, FrageJaNeinAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

// The user must do something first. With a help topic the box offers "Hilfe" (and F1), which
// opens that topic.
void Information(QWidget *eltern, const QString &text, int hilfethema = 0);
void Fehler(QWidget *eltern, const QString &text); // impossible input or failed operation
Antwort FrageJaNein(QWidget *eltern, const QString &text);
Antwort FrageJaNeinAbbrechen(QWidget *eltern, const QString &text);

} // namespace Meldungen

// While an instance lives, every message is recorded instead of shown, and questions take
// their answers from the queue (Nein, or Abbrechen where offered, when it runs empty).
class MeldungenAttrappe
{
public:
    struct Eintrag
    {
        Meldungen::Art art;
        QString text;
        int hilfethema = 0;
    };

    MeldungenAttrappe();
    ~MeldungenAttrappe();
    MeldungenAttrappe(const MeldungenAttrappe &) = delete;
    MeldungenAttrappe &operator=(const MeldungenAttrappe &) = delete;

    void antworten(Meldungen::Antwort a) { m_antworten.push_back(a); }
    const std::vector<Eintrag> &eintraege() const { return m_eintraege; }
    QStringList texte() const;
    void leeren() { m_eintraege.clear(); }

    // internal: called by the Meldungen functions
    Meldungen::Antwort melden(Meldungen::Art art, const QString &text, int hilfethema = 0);

private:
    std::vector<Eintrag> m_eintraege;
    std::deque<Meldungen::Antwort> m_antworten;
    MeldungenAttrappe *m_vorher = nullptr;
};
