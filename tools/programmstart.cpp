#include "programmstart.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>

namespace {

ProgrammstartAttrappe *aktiveAttrappe = nullptr;

} // namespace

namespace Programmstart {

bool Starten(const QString &programm, const QStringList &argumente, const QString &ordner)
{
    if (aktiveAttrappe && !aktiveAttrappe->echt)
        return aktiveAttrappe->starten({programm, argumente, ordner});
    if (aktiveAttrappe)
        aktiveAttrappe->starts.push_back({programm, argumente, ordner});
    return QProcess::startDetached(programm, argumente, ordner);
}

bool Oeffnen(const QUrl &adresse)
{
    if (aktiveAttrappe) {
        aktiveAttrappe->adressen.push_back(adresse);
        return true;
    }
    return QDesktopServices::openUrl(adresse);
}

void Beenden()
{
    if (aktiveAttrappe) {
        ++aktiveAttrappe->beendet;
        return;
    }
    // exit() rather than quit(): quit() would first ask the main window to close, and its
    // closing step saves the settings.
    QCoreApplication::exit(0);
}

} // namespace Programmstart

ProgrammstartAttrappe::ProgrammstartAttrappe() : m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

ProgrammstartAttrappe::~ProgrammstartAttrappe()
{
    aktiveAttrappe = m_vorher;
}

bool ProgrammstartAttrappe::starten(Start start)
{
    starts.push_back(std::move(start));
    if (m_antworten.empty())
        return true;
    const bool gelingt = m_antworten.front();
    m_antworten.pop_front();
    return gelingt;
}
