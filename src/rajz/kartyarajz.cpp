#include "rajz/kartyarajz.h"

#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstring>
#include <vector>

namespace kartyarajz {

Szinek szinek(int szin) {
    switch (szin) {
        case 0:  // Makk: brown acorn
            return {QColor(196, 128, 52), QColor(62, 36, 14), QColor(84, 48, 18), QColor(60, 90, 170),
                    QColor(200, 160, 60)};
        case 1:  // Zöld: green leaf
            return {QColor(40, 150, 40), QColor(10, 64, 10), QColor(16, 100, 16), QColor(40, 130, 50),
                    QColor(220, 190, 80)};
        case 2:  // Tök: golden bell
            return {QColor(240, 186, 30), QColor(122, 80, 0), QColor(150, 90, 0), QColor(210, 140, 20),
                    QColor(170, 30, 30)};
        default:  // Piros: red heart
            return {QColor(214, 20, 20), QColor(110, 0, 0), QColor(184, 0, 0), QColor(190, 30, 30),
                    QColor(40, 70, 160)};
    }
}

// --- The four suit signs, each drawn into a square -------------------------------

namespace {

QPointF pt(const QRectF& r, double x, double y) {
    return {r.left() + x * r.width(), r.top() + y * r.height()};
}

void sziv(QPainter& p, const QRectF& r, const Szinek& c) {
    QPainterPath h;
    h.moveTo(pt(r, 0.5, 0.98));
    h.cubicTo(pt(r, 0.2, 0.74), pt(r, 0.02, 0.52), pt(r, 0.02, 0.3));
    h.cubicTo(pt(r, 0.02, 0.1), pt(r, 0.16, 0.02), pt(r, 0.28, 0.02));
    h.cubicTo(pt(r, 0.4, 0.02), pt(r, 0.49, 0.1), pt(r, 0.5, 0.22));
    h.cubicTo(pt(r, 0.51, 0.1), pt(r, 0.6, 0.02), pt(r, 0.72, 0.02));
    h.cubicTo(pt(r, 0.84, 0.02), pt(r, 0.98, 0.1), pt(r, 0.98, 0.3));
    h.cubicTo(pt(r, 0.98, 0.52), pt(r, 0.8, 0.74), pt(r, 0.5, 0.98));
    p.setPen(QPen(c.korvonal, std::max(0.8, r.width() / 16)));
    p.setBrush(c.kitoltes);
    p.drawPath(h);
    // A small highlight gives the heart some body.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 150, 170));
    p.drawEllipse(QRectF(pt(r, 0.2, 0.16), QSizeF(r.width() * 0.16, r.height() * 0.12)));
}

void level(QPainter& p, const QRectF& r, const Szinek& c) {
    const double w = r.width();
    // The stem first, so the blade covers its upper end.
    p.setPen(QPen(c.korvonal, std::max(1.2, w / 9), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pt(r, 0.5, 0.7), pt(r, 0.5, 0.98));
    QPainterPath l;
    l.moveTo(pt(r, 0.5, 0.02));
    l.cubicTo(pt(r, 0.72, 0.2), pt(r, 1.0, 0.4), pt(r, 0.9, 0.64));
    l.cubicTo(pt(r, 0.82, 0.82), pt(r, 0.62, 0.84), pt(r, 0.5, 0.74));
    l.cubicTo(pt(r, 0.38, 0.84), pt(r, 0.18, 0.82), pt(r, 0.1, 0.64));
    l.cubicTo(pt(r, 0.0, 0.4), pt(r, 0.28, 0.2), pt(r, 0.5, 0.02));
    p.setPen(QPen(c.korvonal, std::max(0.8, w / 16)));
    p.setBrush(c.kitoltes);
    p.drawPath(l);
    // The midrib and, on larger signs, side veins.
    p.setPen(QPen(QColor(170, 230, 150), std::max(0.7, w / 22)));
    p.drawLine(pt(r, 0.5, 0.14), pt(r, 0.5, 0.72));
    if (w >= 20) {
        for (double y : {0.34, 0.5}) {
            p.drawLine(pt(r, 0.5, y + 0.08), pt(r, 0.28, y));
            p.drawLine(pt(r, 0.5, y + 0.08), pt(r, 0.72, y));
        }
    }
}

void csengo(QPainter& p, const QRectF& r, const Szinek& c) {
    const double w = r.width();
    const QPen korvonal(c.korvonal, std::max(0.8, w / 16));
    p.setPen(korvonal);
    // Clapper under the rim.
    p.setBrush(c.kitoltes.darker(125));
    p.drawEllipse(QRectF(pt(r, 0.38, 0.78), QSizeF(w * 0.24, r.height() * 0.2)));
    // The loop on top.
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(pt(r, 0.4, 0.0), QSizeF(w * 0.2, r.height() * 0.16)));
    // The dome, widening into the rim.
    QPainterPath b;
    b.moveTo(pt(r, 0.06, 0.84));
    b.cubicTo(pt(r, 0.14, 0.74), pt(r, 0.2, 0.6), pt(r, 0.2, 0.42));
    b.cubicTo(pt(r, 0.2, 0.2), pt(r, 0.34, 0.12), pt(r, 0.5, 0.12));
    b.cubicTo(pt(r, 0.66, 0.12), pt(r, 0.8, 0.2), pt(r, 0.8, 0.42));
    b.cubicTo(pt(r, 0.8, 0.6), pt(r, 0.86, 0.74), pt(r, 0.94, 0.84));
    b.cubicTo(pt(r, 0.7, 0.9), pt(r, 0.3, 0.9), pt(r, 0.06, 0.84));
    p.setBrush(c.kitoltes);
    p.drawPath(b);
    // A red band and a slot, as on the bells of the deck.
    p.setPen(QPen(c.kabat2, std::max(1.0, w / 10)));
    QPainterPath sav;
    sav.moveTo(pt(r, 0.16, 0.66));
    sav.cubicTo(pt(r, 0.36, 0.72), pt(r, 0.64, 0.72), pt(r, 0.84, 0.66));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sav);
    if (w >= 16) {
        p.setPen(QPen(c.korvonal, std::max(0.8, w / 20)));
        p.drawLine(pt(r, 0.4, 0.42), pt(r, 0.6, 0.42));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 190, 180));
    p.drawEllipse(QRectF(pt(r, 0.3, 0.22), QSizeF(w * 0.1, r.height() * 0.2)));
}

void makk(QPainter& p, const QRectF& r, const Szinek& c) {
    const double w = r.width();
    const QPen korvonal(c.korvonal, std::max(0.8, w / 16));
    // Stalk.
    p.setPen(QPen(c.korvonal, std::max(1.2, w / 9), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pt(r, 0.5, 0.02), pt(r, 0.56, 0.16));
    // The nut.
    QPainterPath dio;
    dio.moveTo(pt(r, 0.24, 0.42));
    dio.cubicTo(pt(r, 0.2, 0.7), pt(r, 0.36, 0.96), pt(r, 0.5, 0.98));
    dio.cubicTo(pt(r, 0.64, 0.96), pt(r, 0.8, 0.7), pt(r, 0.76, 0.42));
    dio.closeSubpath();
    p.setPen(korvonal);
    p.setBrush(c.kitoltes);
    p.drawPath(dio);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 180, 170));
    p.drawEllipse(QRectF(pt(r, 0.33, 0.52), QSizeF(w * 0.1, r.height() * 0.24)));
    // The cup, darker and cross-hatched.
    QPainterPath kupak;
    kupak.moveTo(pt(r, 0.14, 0.48));
    kupak.cubicTo(pt(r, 0.1, 0.22), pt(r, 0.3, 0.12), pt(r, 0.5, 0.12));
    kupak.cubicTo(pt(r, 0.7, 0.12), pt(r, 0.9, 0.22), pt(r, 0.86, 0.48));
    kupak.cubicTo(pt(r, 0.62, 0.54), pt(r, 0.38, 0.54), pt(r, 0.14, 0.48));
    p.setPen(korvonal);
    p.setBrush(QColor(112, 74, 34));
    p.drawPath(kupak);
    if (w >= 14) {
        p.save();
        p.setClipPath(kupak);
        p.setPen(QPen(QColor(70, 44, 16), std::max(0.6, w / 30)));
        const double lepes = std::max(3.0, w / 7);
        for (double x = r.left() - r.width(); x < r.right(); x += lepes) {
            p.drawLine(QPointF(x, r.top()), QPointF(x + r.height() * 0.6, r.top() + r.height() * 0.6));
            p.drawLine(QPointF(x + r.height() * 0.6, r.top()), QPointF(x, r.top() + r.height() * 0.6));
        }
        p.restore();
    }
}

}  // namespace

void jel(QPainter& p, int szin, const QRectF& r) {
    const Szinek c = szinek(szin);
    p.save();
    switch (szin) {
        case 0: makk(p, r, c); break;
        case 1: level(p, r, c); break;
        case 2: csengo(p, r, c); break;
        default: sziv(p, r, c); break;
    }
    p.restore();
}

void jel_kozep(QPainter& p, int szin, QPointF kozep, double meret, bool fordit) {
    p.save();
    p.translate(kozep);
    if (fordit) p.rotate(180);
    jel(p, szin, QRectF(-meret / 2, -meret / 2, meret, meret));
    p.restore();
}

// --- The card ------------------------------------------------------------------

QImage vaszon(int w, int h, double k, QImage::Format formatum) {
    QImage img(qRound(w * k), qRound(h * k), formatum);
    img.setDevicePixelRatio(k);
    return img;
}

namespace {

// A card of `meret` pixels on the table's green (its corners stay green), the
// painter working in the card's own 64 x 100 units.
QImage ures_lap(QSize meret) {
    QImage img(meret, QImage::Format_RGB32);
    img.fill(ASZTAL);
    return img;
}

void egysegben(QPainter& p, QSize meret) { p.scale(meret.width() / double(SZ), meret.height() / double(MA)); }

void lap_alap(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(QRectF(0.5, 0.5, SZ - 1, MA - 1), 5, 5);
}

const char* const JELOLES[8] = {"7", "8", "9", "10", "A", "F", "K", "Á"};

}  // namespace

void asz_jeloles(QPainter& p, const QColor& szin, const QFont& betu) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(szin);
    p.drawRoundedRect(QRectF(1.5, 0.5, 14, 18.5), 2.5, 2.5);
    QFont f = betu;
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 5, 14, 13.6), Qt::AlignHCenter | Qt::AlignBottom, "A");
    // The accent drawn, not taken from the font: a stroke wide enough to see, clear
    // of the letter.
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.4, 6.4), QPointF(10.4, 3.0));
    p.restore();
}

namespace {

// The rank in the top-left corner with a small sign beneath, and the same turned
// round in the bottom-right corner.
void sarkok(QPainter& p, int szin, int ertek) {
    const Szinek c = szinek(szin);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(ertek == 3 ? 12 : 14);
    if (ertek == 3) f.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    for (int fel = 0; fel < 2; ++fel) {
        p.save();
        if (fel == 1) {
            p.translate(SZ, MA);
            p.rotate(180);
        }
        p.setFont(f);
        p.setPen(c.felirat);
        if (ertek == 7)
            asz_jeloles(p, c.felirat, f);
        else
            p.drawText(QRectF(1, 2, 15, 15), Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(JELOLES[ertek]));
        jel(p, szin, QRectF(3, ertek == 7 ? 20 : 18, 11, 11));
        p.restore();
    }
}

// Pip positions of the number cards, as centres; the lower half turned round.
void szamos_lap(QPainter& p, int szin, int ertek) {
    static const double bal = 26, jobb = 44, kozep = 35;
    std::vector<QPointF> hely;
    auto par = [&](double y) {
        hely.push_back({bal, y});
        hely.push_back({jobb, y});
    };
    switch (ertek) {
        case 0:  // 7
            par(18), par(50), par(82);
            hely.push_back({kozep, 34});
            break;
        case 1:  // 8
            par(17), par(39), par(61), par(83);
            break;
        case 2:  // 9: the middle sign sits in the gap between the pairs
            par(15), par(36), par(64), par(85);
            hely.push_back({kozep, 50});
            break;
        default:  // 10: five pairs
            par(13), par(31.5), par(50), par(68.5), par(87);
            break;
    }
    const double meret = ertek == 3 ? 12 : 13;
    for (const QPointF& h : hely) jel_kozep(p, szin, h, meret, h.y() > 50.5);
}

// One half of a double-headed court card, drawn in the upper half (y 4..50).
void fel_alak(QPainter& p, int szin, int ertek) {
    const Szinek c = szinek(szin);
    const double cx = 37;
    const QColor bor(241, 201, 160), vonal(50, 30, 20);
    p.setPen(QPen(vonal, 0.8));
    // Shoulders and coat, cut by the middle line.
    QPainterPath kabat;
    kabat.moveTo(cx - 17, 50);
    kabat.cubicTo(cx - 17, 38, cx - 12, 32, cx - 6, 31);
    kabat.lineTo(cx + 6, 31);
    kabat.cubicTo(cx + 12, 32, cx + 17, 38, cx + 17, 50);
    kabat.closeSubpath();
    p.setBrush(c.kabat);
    p.drawPath(kabat);
    // Sleeves in a lighter shade, and a sash across the chest.
    p.setBrush(c.kabat.lighter(125));
    p.drawChord(QRectF(cx - 17, 36, 8, 20), 90 * 16, 180 * 16);
    p.drawChord(QRectF(cx + 9, 36, 8, 20), 270 * 16, 180 * 16);
    p.setPen(QPen(c.kabat2, 2.2));
    p.drawLine(QPointF(cx - 9, 33), QPointF(cx + 7, 50));
    p.setPen(QPen(vonal, 0.8));
    // Buttons and a collar in the second colour.
    p.setBrush(c.kabat2);
    p.drawRect(QRectF(cx - 6, 29, 12, 4));
    for (double y : {38.0, 44.0}) p.drawEllipse(QPointF(cx, y), 1.3, 1.3);
    // Head.
    p.setBrush(bor);
    p.drawEllipse(QPointF(cx, 22), 7, 8);
    // Face: eyes and mouth.
    p.setBrush(vonal);
    p.drawEllipse(QPointF(cx - 2.3, 21), 0.8, 0.8);
    p.drawEllipse(QPointF(cx + 2.3, 21), 0.8, 0.8);
    p.drawLine(QPointF(cx - 1.5, 26), QPointF(cx + 1.5, 26));

    if (ertek == 4) {
        // Alsó: a flat cap, the sign held low at the side.
        p.setBrush(c.kabat2.darker(130));
        p.drawChord(QRectF(cx - 8, 10, 16, 12), 0, 180 * 16);
        p.setPen(QPen(vonal, 0.8));
        p.drawLine(QPointF(cx - 9, 16), QPointF(cx + 9, 16));
        jel_kozep(p, szin, QPointF(cx + 13, 43), 12, false);
    } else if (ertek == 5) {
        // Felső: a tall hat with a feather, the sign raised above the shoulder.
        p.setBrush(c.kabat2.darker(120));
        QPainterPath kalap;
        kalap.moveTo(cx - 9, 17);
        kalap.lineTo(cx - 6, 7);
        kalap.lineTo(cx + 6, 7);
        kalap.lineTo(cx + 9, 17);
        kalap.closeSubpath();
        p.drawPath(kalap);
        p.setPen(QPen(QColor(250, 250, 250), 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath toll;
        toll.moveTo(cx + 5, 8);
        toll.cubicTo(cx + 9, 3, cx + 13, 5, cx + 15, 9);
        p.setBrush(Qt::NoBrush);
        p.drawPath(toll);
        p.setPen(QPen(vonal, 0.8));
        jel_kozep(p, szin, QPointF(cx - 14, 14), 12, false);
    } else {
        // Király: beard and a golden crown, the sign in front of the chest.
        p.setBrush(QColor(235, 235, 225));
        QPainterPath szakall;
        szakall.moveTo(cx - 6, 23);
        szakall.cubicTo(cx - 6, 31, cx - 2, 33, cx, 33);
        szakall.cubicTo(cx + 2, 33, cx + 6, 31, cx + 6, 23);
        szakall.cubicTo(cx + 3, 26, cx - 3, 26, cx - 6, 23);
        p.drawPath(szakall);
        p.setBrush(QColor(240, 196, 40));
        QPainterPath korona;
        korona.moveTo(cx - 8, 16);
        korona.lineTo(cx - 9, 6);
        korona.lineTo(cx - 4.5, 11);
        korona.lineTo(cx, 4);
        korona.lineTo(cx + 4.5, 11);
        korona.lineTo(cx + 9, 6);
        korona.lineTo(cx + 8, 16);
        korona.closeSubpath();
        p.drawPath(korona);
        p.setBrush(QColor(200, 20, 20));
        p.drawEllipse(QPointF(cx, 13), 1.3, 1.3);
        jel_kozep(p, szin, QPointF(cx + 13, 40), 11, false);
    }
}

void alakos_lap(QPainter& p, int szin, int ertek) {
    const Szinek c = szinek(szin);
    const QRectF keret(16, 4, 43, 92);
    p.save();
    p.setClipRect(keret);
    p.fillRect(keret, QColor(250, 240, 210));
    fel_alak(p, szin, ertek);
    p.translate(SZ + 10, MA);  // turn round the frame's centre (37, 50)
    p.rotate(180);
    fel_alak(p, szin, ertek);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.felirat, 1));
    p.drawRect(keret);
    p.drawLine(QPointF(keret.left(), 50), QPointF(keret.right(), 50));
}

void asz_lap(QPainter& p, int szin) {
    const Szinek c = szinek(szin);
    // A garland round the big sign.
    p.setPen(QPen(c.felirat, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(35, 50), 22, 27);
    jel_kozep(p, szin, QPointF(35, 50), 36, false);
}

}  // namespace

QImage lap_kep(int szin, int ertek, QSize meret) {
    QImage img = ures_lap(meret);
    QPainter p(&img);
    egysegben(p, meret);
    lap_alap(p);
    if (ertek <= 3)
        szamos_lap(p, szin, ertek);
    else if (ertek <= 6)
        alakos_lap(p, szin, ertek);
    else
        asz_lap(p, szin);
    sarkok(p, szin, ertek);
    return img;
}

void hatlap_rajz(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(250, 246, 236));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    const QRectF belso = r.adjusted(4, 4, -4, -4);
    p.setBrush(QColor(138, 20, 28));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(belso, 3, 3);
    p.save();
    p.setClipRect(belso.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(206, 90, 90), 1));
    for (double d = -r.height(); d < r.width() + r.height(); d += 7) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    // Small dots where the lines cross.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 120));
    p.restore();
    const QPointF k = belso.center();
    p.setPen(QPen(QColor(240, 200, 120), 1.5));
    p.setBrush(QColor(110, 12, 20));
    p.drawEllipse(k, belso.width() * 0.3, belso.height() * 0.22);
    jel_kozep(p, 3, k, belso.width() * 0.32, false);
    p.setPen(QPen(QColor(240, 200, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(belso.adjusted(2, 2, -2, -2), 2, 2);
}

QImage hatlap(QSize meret) {
    QImage img = ures_lap(meret);
    QPainter p(&img);
    egysegben(p, meret);
    hatlap_rajz(p, QRectF(0, 0, SZ, MA));
    return img;
}

namespace {

QSize kszoros(double k) { return {qRound(SZ * k), qRound(MA * k)}; }

}  // namespace

QImage lap_kep(int szin, int ertek, double k) {
    QImage img = lap_kep(szin, ertek, kszoros(k));
    img.setDevicePixelRatio(k);
    return img;
}

QImage hatlap(double k) {
    QImage img = hatlap(kszoros(k));
    img.setDevicePixelRatio(k);
    return img;
}

QString fajlnev(int szin, int ertek) {
    return QString("%1%2.jpg").arg(QChar::fromLatin1(SZIN_BETU[szin])).arg(QChar::fromLatin1(ERTEK_BETU[ertek]));
}

QImage kartya_kep(const QString& fajl, QSize meret) {
    if (meret.isEmpty()) return {};
    const QString nev = QFileInfo(fajl).completeBaseName();
    if (nev == QLatin1String("hat")) return hatlap(meret);
    if (nev.size() != 2) return {};
    const char* sz = std::strchr(SZIN_BETU, nev[0].toLatin1());
    const char* e = std::strchr(ERTEK_BETU, nev[1].toLatin1());
    if (!sz || !e || !*sz || !*e) return {};
    return lap_kep(static_cast<int>(sz - SZIN_BETU), static_cast<int>(e - ERTEK_BETU), meret);
}

// --- The tool-bar faces ---------------------------------------------------------------

namespace {

// "Új parti": a card back with a green plus.
void gomb_uj(QPainter& p) {
    hatlap_rajz(p, QRectF(3, 1, 15, 23));
    p.setPen(QPen(QColor(0, 120, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 14), QPointF(20, 24));
    p.drawLine(QPointF(15, 19), QPointF(25, 19));
}

// "Átrendezés": two small cards and the arrows that swap them.
void gomb_rendez(QPainter& p) {
    for (int i = 0; i < 2; ++i) {
        const QRectF r(3 + 13 * i, 6, 11, 16);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(255, 252, 240));
        p.drawRoundedRect(r, 2, 2);
        jel(p, i == 0 ? 3 : 1, r.adjusted(1.5, 3, -1.5, -3));
    }
    p.setPen(QPen(QColor(20, 60, 160), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 1, 14, 8), 20 * 16, 140 * 16);
    p.drawArc(QRectF(8, 19, 14, 7), 200 * 16, 140 * 16);
    p.setBrush(QColor(20, 60, 160));
    p.drawPolygon(QPolygonF({QPointF(21, 2), QPointF(24, 6), QPointF(19, 6)}));
    p.drawPolygon(QPolygonF({QPointF(9, 25), QPointF(6, 21), QPointF(11, 21)}));
}

// The hidden sixth button: a magnifier over a card.
void gomb_6(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(255, 252, 240));
    p.drawRoundedRect(QRectF(3, 2, 14, 20), 2, 2);
    jel(p, 2, QRectF(5, 6, 10, 10));
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.setBrush(QColor(200, 230, 255, 120));
    p.drawEllipse(QPointF(17, 13), 6, 6);
    p.drawLine(QPointF(21, 17), QPointF(26, 23));
}

}  // namespace

QSize gomb_meret(const QString& nev) {
    if (nev == QLatin1String("gomb_uj")) return {26, 26};
    if (nev == QLatin1String("gomb_rendez")) return {30, 26};
    if (nev == QLatin1String("gomb_6")) return {28, 26};
    return {};
}

void gomb_rajz(QPainter& p, const QString& nev) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (nev == QLatin1String("gomb_uj"))
        gomb_uj(p);
    else if (nev == QLatin1String("gomb_rendez"))
        gomb_rendez(p);
    else if (nev == QLatin1String("gomb_6"))
        gomb_6(p);
    p.restore();
}

}  // namespace kartyarajz
