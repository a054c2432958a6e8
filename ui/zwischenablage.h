#pragma once

#include <QImage>
#include <QString>

// Clipboard access of the program. While a ZwischenablageAttrappe lives, the program reads
// and writes its private contents instead of the system clipboard.
namespace Zwischenablage {

QString Text();
void TextSetzen(const QString &text);
void BildSetzen(const QImage &bild);

} // namespace Zwischenablage

class ZwischenablageAttrappe
{
public:
    ZwischenablageAttrappe();
    ~ZwischenablageAttrappe();
    ZwischenablageAttrappe(const ZwischenablageAttrappe &) = delete;
    ZwischenablageAttrappe &operator=(const ZwischenablageAttrappe &) = delete;

    QString text;
    QImage bild;

private:
    ZwischenablageAttrappe *m_vorher = nullptr;
};
