#pragma once
// The pictures of the deck drawn with QPainter at any size: the build-time generator
// writes them into kartya/, and the program draws each card at the size it shows it,
// so a card on a large table is as sharp as on the default one.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

namespace kartyarajz {

inline constexpr int SZ = 64;   // card width in the card's own units
inline constexpr int MA = 100;  // card height
inline const QColor ASZTAL(0, 128, 0);

// The letters of a picture file's name, "kartya/<suit><rank>.jpg": suits Makk, Zöld,
// Tök, Piros; ranks 7, 8, 9, 10, Alsó, Felső, Király, Ász.
inline constexpr char SZIN_BETU[] = "mztp";
inline constexpr char ERTEK_BETU[] = "7890afkd";
// "pd.jpg" for the Piros Ász (suit 3, rank 7).
QString fajlnev(int szin, int ertek);

// Colours of a suit: the sign's fill, its outline and the index text, and the two
// colours of the court figures' clothes.
struct Szinek {
    QColor kitoltes, korvonal, felirat, kabat, kabat2;
};
Szinek szinek(int szin);

// The suit sign drawn into the square `r`; centred on a point, upside down when `fordit`.
void jel(QPainter& p, int szin, const QRectF& r);
void jel_kozep(QPainter& p, int szin, QPointF kozep, double meret, bool fordit);

// The Ász's corner mark (a white "Á" on a block of the suit's colour, told from the
// Alsó's plain "A" at a glance), in the card's top-left corner.
void asz_jeloles(QPainter& p, const QColor& szin, const QFont& betu);

// The back (a red lattice in a white frame, a medallion in the middle) into `r`.
void hatlap_rajz(QPainter& p, const QRectF& r);

// A face of `meret` pixels (the card's 64 x 100 stretched to it as vectors, so
// nothing is blurred); the corners outside the rounded card are the table's green.
QImage lap_kep(int szin, int ertek, QSize meret);
QImage hatlap(QSize meret);
// The same at `k` times 64 x 100, with device pixel ratio k: drawn into another
// picture it covers 64 x 100 of its units.
QImage lap_kep(int szin, int ertek, double k = 1);
QImage hatlap(double k = 1);

// The picture of a file of the deck ("kartya/pd.jpg", "kartya/hat.jpg") at `meret`
// pixels; a null picture for any other name.
QImage kartya_kep(const QString& fajl, QSize meret);

// The tool-bar faces by their files' names ("gomb_uj", "gomb_rendez", "gomb_6"):
// their size in their own units (empty for another name), and the face drawn in
// those units.
QSize gomb_meret(const QString& nev);
void gomb_rajz(QPainter& p, const QString& nev);

// A picture of w x h units drawn at `k` times its size: the painter keeps working
// in the picture's own units, each k pixels.
QImage vaszon(int w, int h, double k, QImage::Format formatum);

}  // namespace kartyarajz
