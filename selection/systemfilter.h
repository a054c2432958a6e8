#pragma once

#include "systeme.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Items of the two radio groups of the filter page.
constexpr int GarantieMindestens = 0;
constexpr int GarantieGenau = 1;
constexpr int BankzahlenMaximal = 0;
constexpr int BankzahlenGenau = 1;

// What the filter page's controls say, read as plain values.
struct Filtereinstellungen
{
    int pool = 13; // Slider1: pool size including the bankers
    bool poolEgal = false; // cb1
    int reihengroesse = 6; // Slider2: numbers per tip row including the bankers
    int garantie = 2; // Slider3
    int garantieVergleich = GarantieGenau; // Radio3
    bool garantieEgal = false; // cb3
    int reihen = 24; // Slider4: wished number of rows
    bool reihenEgal = true; // cb4
    bool reihenFest = false; // BInfo4 shown: a full system, its row count is fixed
    int bankzahlen = 2; // Slider5
    int bankzahlenMax = 4; // Slider5's maximum
    int bankzahlenVergleich = BankzahlenGenau; // Radio5
    bool bankzahlenEgal = false; // cb5

    friend bool operator==(const Filtereinstellungen &, const Filtereinstellungen &) = default;
};

// Largest banker count for a tip-row size 4..10 (0 outside).
int MaxBankzahlen(int reihengroesse);

// Rounds to the nearest integer, an exact half to the even neighbour.
std::int64_t RundenHalbGerade(double x);

// True when a system with tr rows lies outside the tolerance around the wished count.
// This form never looks at the page; the filter adds the "egal" and full-system cases.
bool TRAbweichung(int tr, int gewuenscht);
// The filter's form: no deviation while the row count is not filtered.
bool TRAbweichung(int tr, int gewuenscht, const Filtereinstellungen &e);

// One line of the result list for system s taken with the given banker count.
QString FilterEintrag(const TSysteme &s, int bankzahlen);

// The settings ask for a full system (with bankers where chosen).
bool Zwang(const Filtereinstellungen &e);

// Row count of the full system on the pool without bankers.
std::int64_t Vollsystemreihen(const Filtereinstellungen &e);

// "Keine Systeme gefunden", "Ein System gefunden", "<n> Systeme gefunden".
QString GefundenText(int anzahl);

struct Filterergebnis
{
    int tippreihengroesse = 0;
    // The settings the tests ran with: after the guarantee cap, which the page takes over.
    Filtereinstellungen einstellungen;
    bool garantieGekappt = false;
    QStringList zeilen;
    std::vector<int> filterliste; // system list index of every line
};

// Runs the filter over the system list. Systems whose pool plus bankers exceeds
// biggestZZ are never listed.
Filterergebnis SystemeFiltern(const std::vector<TSysteme> &systemliste, int biggestZZ, const Filtereinstellungen &e);
