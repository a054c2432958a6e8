#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <vector>

// Starting other programs, opening addresses with the desktop and ending the program. While a
// ProgrammstartAttrappe lives, every request is recorded instead and answered from its queue.
namespace Programmstart {

// Starts the program detached from this one, in the folder ordner (empty: the current one).
bool Starten(const QString &programm, const QStringList &argumente = {}, const QString &ordner = QString());
// Opens a web page or a mail link with the desktop's program for it.
bool Oeffnen(const QUrl &adresse);
// Ends the program at once: no closing questions, no saving of settings.
void Beenden();

} // namespace Programmstart

class ProgrammstartAttrappe
{
public:
    struct Start
    {
        QString programm;
        QStringList argumente;
        QString ordner;
    };

    ProgrammstartAttrappe();
    ~ProgrammstartAttrappe();
    ProgrammstartAttrappe(const ProgrammstartAttrappe &) = delete;
    ProgrammstartAttrappe &operator=(const ProgrammstartAttrappe &) = delete;

    // The answer to the next start (true when the queue runs empty).
    void startAntworten(bool gelingt) { m_antworten.push_back(gelingt); }

    // With echt set, programs are really started (and still recorded); addresses and the
    // end of the program stay recorded only.
    bool echt = false;
    std::vector<Start> starts;
    std::vector<QUrl> adressen;
    int beendet = 0;

    // internal: called by the Programmstart functions
    bool starten(Start start);

private:
    std::deque<bool> m_antworten;
    ProgrammstartAttrappe *m_vorher = nullptr;
};
