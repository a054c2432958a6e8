#pragma once

#include <QString>
#include <QStringList>

#include <deque>

class QWidget;

// File open and save dialogs of the program. Tests install a DateidialogAttrappe that
// records the requests and answers with prepared paths.
namespace Dateidialoge {

// Returns the chosen path, or an empty text when the user cancels.
QString Oeffnen(QWidget *eltern, const QString &titel, const QString &ordner, const QString &filter);
// The save dialog asks before overwriting an existing file unless ueberschreibenFragen is false.
QString Speichern(QWidget *eltern, const QString &titel, const QString &ordner, const QString &filter,
                  const QString &vorschlag = QString(), bool ueberschreibenFragen = true);

} // namespace Dateidialoge

class DateidialogAttrappe
{
public:
    DateidialogAttrappe();
    ~DateidialogAttrappe();
    DateidialogAttrappe(const DateidialogAttrappe &) = delete;
    DateidialogAttrappe &operator=(const DateidialogAttrappe &) = delete;

    // The next dialog returns this path (an empty path means: cancelled).
    void antworten(const QString &pfad) { m_antworten.push_back(pfad); }
    // Titles of the dialogs shown so far, and the folder each one started in.
    const QStringList &titel() const { return m_titel; }
    const QStringList &ordner() const { return m_ordner; }

    // internal: called by the Dateidialoge functions
    QString fragen(const QString &titel, const QString &ordner);

private:
    QStringList m_titel;
    QStringList m_ordner;
    std::deque<QString> m_antworten;
    DateidialogAttrappe *m_vorher = nullptr;
};
