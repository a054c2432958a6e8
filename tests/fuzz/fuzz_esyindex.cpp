// libFuzzer harness for the own-system index reader: whatever the file holds, reading it
// must not crash, must agree with the file's size, and a written-back index must read
// back equal, byte for byte.
#include "eigensystemdatei.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

const QTemporaryDir &Ordner()
{
    static const QTemporaryDir ordner;
    return ordner;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString pfad = QDir(Ordner().path()).filePath(QString::fromLatin1(EsyIndexName));
    const QString zurueck = QDir(Ordner().path()).filePath(QStringLiteral("zurueck.esy"));
    const QByteArray eingabe(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(pfad);
        Pruefen(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Pruefen(f.write(eingabe) == eingabe.size());
    }

    const EsyIndexErgebnis r = EsyIndexLesen(pfad);
    const qint64 ganze = qint64(size) / EsyDatensatzGroesse;
    Pruefen(r.fehler == EsyFehler::Keiner || r.fehler == EsyFehler::ZuGross);
    if (r.fehler == EsyFehler::ZuGross) {
        Pruefen(ganze > EsyIndexHoechstzahl && r.eintraege.empty());
        return 0;
    }
    Pruefen(qint64(r.eintraege.size()) == ganze);
    Pruefen(r.restBytes == int(qint64(size) % EsyDatensatzGroesse));
    for (std::size_t i = 0; i < r.eintraege.size(); ++i) {
        const TEigSysteme &e = r.eintraege[i];
        const std::uint8_t *roh = data + i * EsyDatensatzGroesse;
        Pruefen(e.RG == roh[0] && e.WZ == roh[1] && e.GA == roh[2] && e.TR == (roh[4] | (roh[5] << 8)));
        Pruefen(e.fn.size() == roh[16] && std::memcmp(e.fn.data(), roh + 17, e.fn.size()) == 0);
    }

    // Written back, the whole records come out as they went in and read back equal.
    Pruefen(EsyIndexSchreiben(zurueck, r.eintraege).ok());
    QFile f(zurueck);
    Pruefen(f.open(QIODevice::ReadOnly));
    Pruefen(f.readAll() == eingabe.left(qsizetype(ganze) * EsyDatensatzGroesse));
    f.close();
    const EsyIndexErgebnis wieder = EsyIndexLesen(zurueck);
    Pruefen(wieder.fehler == EsyFehler::Keiner && wieder.restBytes == 0);
    Pruefen(wieder.eintraege.size() == r.eintraege.size());
    for (std::size_t i = 0; i < r.eintraege.size(); ++i) {
        const TEigSysteme &a = r.eintraege[i], &b = wieder.eintraege[i];
        Pruefen(a.system() == b.system() && a.fn == b.fn && a.roh == b.roh);
        Pruefen(std::memcmp(&a.gesp, &b.gesp, sizeof a.gesp) == 0); // NaN payloads too
    }
    return 0;
}
