#include "ui/utes_nezo.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

UtesNezo::UtesNezo(QWidget* ablak, QWidget* tabla, std::function<QRect()> terulet,
                   std::function<void()> frissites)
    : QObject(ablak), tabla_(tabla), terulet_(std::move(terulet)), frissites_(std::move(frissites)) {
    // A press on a trick picture reaches the table too: the pictures leave it unused.
    tabla->installEventFilter(this);
    ablak->installEventFilter(this);
}

void UtesNezo::allit(bool tartva) {
    if (tartva_ == tartva) return;
    tartva_ = tartva;
    frissites_();
}

bool UtesNezo::eventFilter(QObject* cel, QEvent* esemeny) {
    switch (esemeny->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            if (cel != tabla_) break;
            const auto* m = static_cast<QMouseEvent*>(esemeny);
            if (m->button() != Qt::LeftButton) break;
            allit(esemeny->type() == QEvent::MouseButtonPress && terulet_().contains(m->position().toPoint()));
            break;
        }
        // A dialog that opens meanwhile takes the release with it.
        case QEvent::WindowBlocked:
        case QEvent::WindowDeactivate:
            allit(false);
            break;
        default:
            break;
    }
    return false;
}
