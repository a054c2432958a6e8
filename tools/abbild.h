#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QSlider;

// The window "Screenshot" (objects "FAbbild1", "FAbbild2", ...): one picture of a panel of the
// main window with the program's stamp, saved as a JPEG file or copied to the clipboard.
// Every capture opens a window of its own; closing one destroys it.
class TFAbbild : public QWidget
{
    Q_OBJECT

public:
    // The picture below two bars of this height each, with a little room between.
    static constexpr int Balkenhoehe = 40;
    static constexpr int Zusatzhoehe = 84;

    TFAbbild(const QImage &bild, const QString &screenshotordner, QWidget *parent = nullptr);

    // The capture: the panel's picture with "© Kombiwerk" in red, its top left corner a
    // pixels left of the right edge and b pixels above the bottom edge.
    static QImage Aufnehmen(QWidget *panel, int a, int b);
    // Captures the panel and shows the picture in a new window named "FAbbild" + the number
    // of captures so far, over fenster (the main window).
    static TFAbbild *Abbilden(QWidget *panel, const QString &titel, int a, int b, const QString &screenshotordner,
                              QWidget *fenster);
    // Captures since the program started.
    static int Aufnahmen();

    // The chosen name with its extension replaced by ".jpg" (added when it has none).
    static QString MitJpgEndung(const QString &pfad);

    void BSaveClick(); // "Abbild speichern..."
    void bsSkinSpeedButton1Click(); // copy to the clipboard

    const QImage &bild() const { return m_bild; }
    // The whole picture and the two bars.
    QSize sizeHint() const override { return m_soll; }

private:
    QImage m_bild;
    QString m_ordner;
    QSlider *m_slider1 = nullptr;
    QLabel *m_image1 = nullptr;
    QSize m_soll;
};
