#include "ui/rajzolt_kep.h"

#include <QFileInfo>
#include <QCache>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "rajz/kartyarajz.h"
#include "ui/adat_mappa.h"

QPixmap kartya_rajz(const QString& utvonal, QSize meret, qreal arany) {
    if (meret.isEmpty()) return {};
    // A card's height for its width; the label's own when it is within a rounding of it.
    const int mag = qRound(meret.width() * double(kartyarajz::MA) / kartyarajz::SZ);
    const QSize logikai(meret.width(), std::abs(mag - meret.height()) <= 2 ? meret.height() : mag);
    const QSize kepmeret(qRound(logikai.width() * arany), qRound(logikai.height() * arany));
    // The pictures of the sizes in use, up to 64 MB (two decks of a maximised table
    // on a screen scaled by 2); a window dragged through many sizes drops the oldest.
    static QCache<QString, QPixmap> tar(64 * 1024);
    const QString kulcs = QString("%1 %2x%3").arg(utvonal).arg(kepmeret.width()).arg(kepmeret.height());
    if (const QPixmap* p = tar.object(kulcs)) return *p;
    const QImage kep = kartyarajz::kartya_kep(utvonal, kepmeret);
    if (kep.isNull()) return {};
    QPixmap p = QPixmap::fromImage(kep);
    p.setDevicePixelRatio(arany);
    tar.insert(kulcs, new QPixmap(p), static_cast<qsizetype>(kep.sizeInBytes() / 1024));
    return p;
}

namespace {

// Draws a tool-bar face into whatever rectangle the button gives it, centred and
// keeping its proportions.
class GombRajz : public QIconEngine {
public:
    explicit GombRajz(QString nev) : nev_(std::move(nev)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode mod, QIcon::State) override {
        const QSize m = kartyarajz::gomb_meret(nev_);
        const double s = std::min(r.width() / double(m.width()), r.height() / double(m.height()));
        p->save();
        p->translate(r.x() + (r.width() - m.width() * s) / 2, r.y() + (r.height() - m.height() * s) / 2);
        p->scale(s, s);
        if (mod == QIcon::Disabled) p->setOpacity(0.4);
        kartyarajz::gomb_rajz(*p, nev_);
        p->restore();
    }

    QPixmap pixmap(const QSize& meret, QIcon::Mode mod, QIcon::State allapot) override {
        QPixmap kep(meret);
        kep.fill(Qt::transparent);
        QPainter p(&kep);
        paint(&p, QRect(QPoint(), meret), mod, allapot);
        return kep;
    }

    QIconEngine* clone() const override { return new GombRajz(nev_); }

private:
    QString nev_;
};

}  // namespace

QIcon gomb_ikon(const QString& utvonal) {
    const QString nev = QFileInfo(utvonal).completeBaseName();
    if (kartyarajz::gomb_meret(nev).isEmpty()) return QIcon(adat_utvonal(utvonal));
    return QIcon(new GombRajz(nev));
}
