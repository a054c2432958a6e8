#include "katalogschreiben.h"

SchreibErgebnis KatalogSchreiben(const std::string &pfad, const std::vector<KatalogEintrag> &eintraege,
                                 const std::string &kopf)
{
    return DateiSicherSchreiben(QString::fromStdString(pfad), QByteArray::fromStdString(KatalogText(eintraege, kopf)));
}
