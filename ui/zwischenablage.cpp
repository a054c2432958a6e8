#include "zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

ZwischenablageAttrappe *aktiveAttrappe = nullptr;

} // namespace

namespace Zwischenablage {

QString Text()
{
    if (aktiveAttrappe)
        return aktiveAttrappe->text;
    return QGuiApplication::clipboard()->text();
}

void TextSetzen(const QString &text)
{
    if (aktiveAttrappe)
        aktiveAttrappe->text = text;
    else
        QGuiApplication::clipboard()->setText(text);
}

void BildSetzen(const QImage &bild)
{
    if (aktiveAttrappe)
        aktiveAttrappe->bild = bild;
    else
        QGuiApplication::clipboard()->setImage(bild);
}

} // namespace Zwischenablage

ZwischenablageAttrappe::ZwischenablageAttrappe() : m_vorher(aktiveAttrappe)
{
    aktiveAttrappe = this;
}

ZwischenablageAttrappe::~ZwischenablageAttrappe()
{
    aktiveAttrappe = m_vorher;
}
