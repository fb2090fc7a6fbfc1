#include "ui/kattinthato.h"

#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPixmap>

#include "ui/adat_mappa.h"
#include "ui/rajzolt_kep.h"

QPixmap kep_fajlbol(const QString& utvonal, qreal arany) {
    // Each file is read once; the deck has 33 pictures (twice over on scaled screens).
    static QHash<QString, QPixmap> tar;
    const bool ketszeres_kell = arany > 1;
    const QString kulcs = ketszeres_kell ? utvonal + "@2x" : utvonal;
    auto it = tar.find(kulcs);
    if (it != tar.end()) return *it;
    QPixmap kep;
    if (ketszeres_kell) {
        const qsizetype pont = utvonal.lastIndexOf('.');
        const QString ketszeres = adat_utvonal(utvonal.left(pont) + "@2x" + utvonal.mid(pont));
        if (QFileInfo::exists(ketszeres) && kep.load(ketszeres)) kep.setDevicePixelRatio(2);
    }
    if (kep.isNull()) kep.load(adat_utvonal(utvonal));
    return *tar.insert(kulcs, kep);
}

Kattinthato::Kattinthato(QWidget* szulo) : QLabel(szulo) {}

void Kattinthato::kep_betoltes(const QString& utvonal) {
    if (utvonal == utvonal_) return;
    utvonal_ = utvonal;
    rajzolt_meret_ = {};
    kep_rajzolas();
}

void Kattinthato::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    kep_rajzolas();
}

// A window shown on another screen may have another pixel ratio.
void Kattinthato::showEvent(QShowEvent* e) {
    QLabel::showEvent(e);
    kep_rajzolas();
}

void Kattinthato::kep_rajzolas() {
    const qreal arany = devicePixelRatioF();
    if (utvonal_.isEmpty() || (rajzolt_meret_ == size() && rajzolt_arany_ == arany)) return;
    rajzolt_meret_ = size();
    rajzolt_arany_ = arany;
    const QString& utvonal = utvonal_;
    QPixmap kep = kartya_rajz(utvonal, size(), arany);
    if (kep.isNull()) kep = kep_fajlbol(utvonal, arany);
    if (kep.isNull()) {
        setPixmap(QPixmap());
        setStyleSheet("background: white; color: black; border: 1px solid black;");
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setText(utvonal);
        return;
    }
    setStyleSheet(QString());
    setPixmap(kep);
}

void Kattinthato::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) lenyomva_ = true;
    QLabel::mousePressEvent(e);
}

// A click is a press and a release over the same control, as with a button.
void Kattinthato::mouseReleaseEvent(QMouseEvent* e) {
    const bool volt = lenyomva_;
    lenyomva_ = false;
    QLabel::mouseReleaseEvent(e);
    if (volt && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}
