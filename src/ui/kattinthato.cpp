#include "ui/kattinthato.h"

#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPixmap>

#include "ui/adat_mappa.h"

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
    const QPixmap kep = kep_fajlbol(utvonal, devicePixelRatioF());
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
