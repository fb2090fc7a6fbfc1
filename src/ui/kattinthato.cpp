#include "ui/kattinthato.h"

#include <QHash>
#include <QMouseEvent>
#include <QPixmap>

#include "ui/adat_mappa.h"

Kattinthato::Kattinthato(QWidget* szulo) : QLabel(szulo) {}

void Kattinthato::kep_betoltes(const QString& utvonal) {
    if (utvonal == utvonal_) return;
    utvonal_ = utvonal;
    // Each file is read once; the deck has 33 pictures.
    static QHash<QString, QPixmap> tar;
    auto it = tar.find(utvonal);
    if (it == tar.end()) it = tar.insert(utvonal, QPixmap(adat_utvonal(utvonal)));
    if (it->isNull()) {
        setPixmap(QPixmap());
        setStyleSheet("background: white; color: black; border: 1px solid black;");
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setText(utvonal);
        return;
    }
    setStyleSheet(QString());
    setPixmap(*it);
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
