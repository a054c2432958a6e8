#pragma once

#include <QString>

// What a core routine wants the user to be told. The page shows it through the message helper.
struct Rueckmeldung
{
    enum class Art { Keine, Information, Fehler };

    Art art = Art::Keine;
    QString text;

    static Rueckmeldung Information(const QString &text) { return {Art::Information, text}; }
    static Rueckmeldung Fehler(const QString &text) { return {Art::Fehler, text}; }

    explicit operator bool() const { return art != Art::Keine; }
};
