#include "jpegkodierer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct Fehlerziel
{
    jpeg_error_mgr basis; // first: the library hands back a pointer to it
    std::jmp_buf zurueck;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void FehlerAusgang(j_common_ptr info)
{
    auto *ziel = reinterpret_cast<Fehlerziel *>(info->err);
    (*info->err->format_message)(info, ziel->text);
    std::longjmp(ziel->zurueck, 1);
}

void KeineWarnungen(j_common_ptr, int) { }

// Plain C state only between setjmp and longjmp: no destructor may be skipped.
bool Kodieren(const JpegBild &bild, int qualitaet, unsigned char **puffer, unsigned long *groesse, char *fehlertext)
{
    jpeg_compress_struct info;
    Fehlerziel fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = FehlerAusgang;
    fehler.basis.emit_message = KeineWarnungen;
    fehler.text[0] = '\0';
    if (setjmp(fehler.zurueck)) {
        std::snprintf(fehlertext, JMSG_LENGTH_MAX, "%s", fehler.text);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, puffer, groesse);
    info.image_width = JDIMENSION(bild.breite);
    info.image_height = JDIMENSION(bild.hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(qualitaet, 1, 100), TRUE);
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto *zeile = const_cast<JSAMPROW>(bild.rgb + std::ptrdiff_t(info.next_scanline) * bild.zeilenabstand);
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::optional<QByteArray> JpegKodieren(const JpegBild &bild, int qualitaet, QString *fehler)
{
    if (!bild.rgb || bild.breite <= 0 || bild.hoehe <= 0 || bild.zeilenabstand < 3 * std::ptrdiff_t(bild.breite)) {
        if (fehler)
            *fehler = QStringLiteral("Kein Bild");
        return std::nullopt;
    }
    // Our own buffer, large enough for any picture of this size: the library's growing buffer
    // is left dangling after an error half-way, ours is not.
    unsigned long groesse = 3ul * unsigned(bild.breite) * unsigned(bild.hoehe) + 65536ul;
    auto *eigener = static_cast<unsigned char *>(std::malloc(groesse));
    if (!eigener) {
        if (fehler)
            *fehler = QStringLiteral("Zu wenig Arbeitsspeicher.");
        return std::nullopt;
    }
    unsigned char *puffer = eigener;
    char text[JMSG_LENGTH_MAX] = {};
    const bool ok = Kodieren(bild, qualitaet, &puffer, &groesse, text);
    std::optional<QByteArray> ergebnis;
    if (ok) {
        ergebnis = QByteArray(reinterpret_cast<const char *>(puffer), qsizetype(groesse));
        if (puffer != eigener)
            std::free(puffer); // the library had to grow it after all
    } else if (fehler) {
        *fehler = QString::fromLocal8Bit(text);
    }
    std::free(eigener);
    return ergebnis;
}
