// Writes the pictures of the game: the 32 faces and the back of the Hungarian deck
// (64 x 100 JPEG, drawn by the deck's drawing in src/rajz/ that the program uses
// too), the about picture, the window icon and the tool-bar faces. Run at build
// time: `kartyagyar <folder>`.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "rajz/kartyarajz.h"

namespace {

using namespace kartyarajz;

// --- About picture, window icon and tool-bar faces ----------------------------------

void lap_forgatva(QPainter& p, const QImage& lap, QPointF hol, double fok, double nagyitas = 1.0) {
    p.save();
    p.translate(hol);
    p.rotate(fok);
    p.scale(nagyitas, nagyitas);
    // Cut the green corners off so the card lies on any background.
    QPainterPath kor;
    kor.addRoundedRect(QRectF(-SZ / 2.0, -MA, SZ, MA), 5, 5);
    p.setClipPath(kor);
    p.drawImage(QPointF(-SZ / 2.0, -MA), lap);
    p.restore();
}

QImage nevjegy(double k = 1) {
    QImage img = vaszon(390, 300, k, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // A piece of the green table with the four Aces fanned out.
    p.setPen(Qt::NoPen);
    p.setBrush(ASZTAL);
    p.drawRoundedRect(QRectF(4, 4, 190, 292), 10, 10);
    const int szinek_sorrend[4] = {0, 1, 2, 3};
    for (int i = 0; i < 4; ++i)
        lap_forgatva(p, lap_kep(szinek_sorrend[i], 7, 2 * k), QPointF(99, 272), -24 + 16 * i, 1.3);
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(40);
    p.setFont(f);
    p.setPen(QColor(255, 240, 190));
    p.drawText(QRectF(4, 18, 190, 56), Qt::AlignCenter, "ULTI");
    // The right half stays white for the texts of the dialog.
    p.setPen(QPen(QColor(0, 110, 0), 2));
    p.drawLine(QPointF(206, 60), QPointF(384, 60));
    return img;
}

QImage ikon() {
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    lap_forgatva(p, lap_kep(0, 7), QPointF(27, 61), -12, 0.48);
    lap_forgatva(p, lap_kep(3, 7), QPointF(37, 61), 12, 0.48);
    return img;
}

// A tool-bar face at `k` times its size.
QImage gomb(const char* nev, double k = 1) {
    const QSize m = gomb_meret(QString::fromLatin1(nev));
    QImage img = vaszon(m.width(), m.height(), k, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    gomb_rajz(p, QString::fromLatin1(nev));
    return img;
}

// --- The application icon of the menus, at the sizes of the hicolor theme ---------

// One card of the icon, drawn as vectors on a 64-unit canvas so every size is sharp:
// an Ász with its big sign in a garland and the index in the corner, standing on
// the middle of its bottom edge and turned by `fok`.
void ikon_lap(QPainter& p, int szin, QPointF talp, double fok) {
    const Szinek c = szinek(szin);
    const QRectF lap(-15, -46, 30, 46);
    p.save();
    p.translate(talp);
    p.rotate(fok);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));  // a soft shadow lifts the card off any background
    p.drawRoundedRect(lap.translated(1.2, 1.2), 3.5, 3.5);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(lap, 3.5, 3.5);
    p.setPen(QPen(c.felirat, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(1.5, -21), 11, 14);
    jel_kozep(p, szin, QPointF(1.5, -21), 18, false);
    QFont f("DejaVu Sans");
    f.setBold(true);
    // The Ász's mark of the cards, at the size of this small card's corner.
    p.translate(-14.6, -45.6);
    p.scale(0.6, 0.6);
    asz_jeloles(p, c.felirat, f);
    p.restore();
}

// The icon at `meret` x `meret` pixels: the Makk and the Piros Ász fanned out.
QImage alkalmazas_ikon(int meret) {
    QImage img(meret, meret, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(meret / 64.0, meret / 64.0);
    ikon_lap(p, 0, QPointF(24, 60), -14);
    ikon_lap(p, 3, QPointF(40, 60), 14);
    return img;
}

bool ment(const QImage& img, const QString& utvonal, const char* formatum) {
    if (!img.save(utvonal, formatum, 92)) {
        std::fprintf(stderr, "kartyagyar: cannot write %s\n", qPrintable(utvonal));
        return false;
    }
    return true;
}


// The icons of the menus, "ikon_<size>.png", at the sizes the package installs.
bool ikonok_mentese(const QString& mappa) {
    bool jo = true;
    for (int meret : {48, 64, 128, 256})
        jo = ment(alkalmazas_ikon(meret), QString("%1/ikon_%2.png").arg(mappa).arg(meret), "PNG") && jo;
    return jo;
}

// The path of the twice-sized picture beside `utvonal`: "kartya/pd.jpg" gives
// "kartya/pd@2x.jpg", the name Qt gives a device pixel ratio of 2.
QString ketszeres(const QString& utvonal) {
    const qsizetype pont = utvonal.lastIndexOf('.');
    return utvonal.left(pont) + "@2x" + utvonal.mid(pont);
}

// Every picture but the window icon again at twice the size, for screens scaled by
// 2; the program uses them where the device pixel ratio is above 1.
bool ketszeres_kepek(const QString& mappa) {
    bool jo = true;
    for (int szin = 0; szin < 4; ++szin)
        for (int ertek = 0; ertek < 8; ++ertek) {
            const QString nev = mappa + "/" + fajlnev(szin, ertek);
            jo = ment(lap_kep(szin, ertek, 2), ketszeres(nev), "JPG") && jo;
        }
    jo = ment(hatlap(2), ketszeres(mappa + "/hat.jpg"), "JPG") && jo;
    jo = ment(nevjegy(2), ketszeres(mappa + "/nevjegy.jpg"), "JPG") && jo;
    jo = ment(gomb("gomb_uj", 2), ketszeres(mappa + "/gomb_uj.png"), "PNG") && jo;
    jo = ment(gomb("gomb_rendez", 2), ketszeres(mappa + "/gomb_rendez.png"), "PNG") && jo;
    jo = ment(gomb("gomb_6", 2), ketszeres(mappa + "/gomb_6.png"), "PNG") && jo;
    return jo;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; fonts come from the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kartyagyar <folder>\n");
        return 2;
    }
    const QString mappa = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(mappa)) {
        std::fprintf(stderr, "kartyagyar: cannot create %s\n", argv[1]);
        return 1;
    }
    bool jo = true;
    for (int szin = 0; szin < 4; ++szin)
        for (int ertek = 0; ertek < 8; ++ertek) {
            jo = ment(lap_kep(szin, ertek), mappa + "/" + fajlnev(szin, ertek), "JPG") && jo;
        }
    jo = ment(hatlap(), mappa + "/hat.jpg", "JPG") && jo;
    jo = ment(nevjegy(), mappa + "/nevjegy.jpg", "JPG") && jo;
    jo = ment(ikon(), mappa + "/ikon.png", "PNG") && jo;
    jo = ment(gomb("gomb_uj"), mappa + "/gomb_uj.png", "PNG") && jo;
    jo = ment(gomb("gomb_rendez"), mappa + "/gomb_rendez.png", "PNG") && jo;
    jo = ment(gomb("gomb_6"), mappa + "/gomb_6.png", "PNG") && jo;
    jo = ikonok_mentese(mappa) && jo;
    jo = ketszeres_kepek(mappa) && jo;
    return jo ? 0 : 1;
}
