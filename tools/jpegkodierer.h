#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

// Encodes a picture as a progressive JPEG file. The picture is given as rows of RGB bytes
// (three per pixel, zeilenabstand bytes from the start of one row to the next, which may
// include padding). qualitaet is clamped to 1..100; the screenshot window uses 36..100.
struct JpegBild
{
    const unsigned char *rgb = nullptr;
    int breite = 0;
    int hoehe = 0;
    std::ptrdiff_t zeilenabstand = 0;
};

// The file's bytes; nothing with an empty picture or when the library reports an error
// (fehler then holds its text).
std::optional<QByteArray> JpegKodieren(const JpegBild &bild, int qualitaet, QString *fehler = nullptr);
