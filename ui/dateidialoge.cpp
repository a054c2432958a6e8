#include "dateidialoge.h"

#include <QDir>
#include <QFileDialog>

namespace {

DateidialogAttrappe *aktiveAttrappe = nullptr;

QString StartPfad(const QString &ordner, const QString &vorschlag)
{
    return vorschlag.isEmpty() ? ordner : QDir(ordner).filePath(vorschlag);
}

} // namespace

namespace Dateidialoge {

QString Oeffnen(QWidget *eltern, const QString &titel, const QString &ordner, const QString &filter)
{
    if (aktiveAttrappe)
        return aktiveAttrappe->fragen(titel, ordner);
    return QFileDialog::getOpenFileName(eltern, titel, ordner, filter);
}

QString Speichern(QWidget *eltern, const QString &titel, const QString &ordner, const QString &filter,
                  const QString &vorschlag, bool ueberschreibenFragen)
{
    if (aktiveAttrappe)
        return aktiveAttrappe->fragen(titel, ordner);
    const QFileDialog::Options optionen =
        ueberschreibenFragen ? QFileDialog::Options() : QFileDialog::Options(QFileDialog::DontConfirmOverwrite);
    return QFileDialog::getSaveFileName(eltern, titel, StartPfad(ordner, vorschlag), filter, nullptr, optionen);
}

} // namespace Dateidialoge

DateidialogAttrappe::DateidialogAttrappe() : m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

DateidialogAttrappe::~DateidialogAttrappe()
{
    aktiveAttrappe = m_vorher;
}

QString DateidialogAttrappe::fragen(const QString &titel, const QString &ordner)
{
    m_titel.append(titel);
    m_ordner.append(ordner);
    if (m_antworten.empty())
        return QString();
    QString pfad = m_antworten.front();
    m_antworten.pop_front();
    return pfad;
}
