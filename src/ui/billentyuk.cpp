#include "ui/billentyuk.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "table/billentyuzet.h"
#include "ui/kattinthato.h"
#include "ui/tform1.h"

void billentyu_menuk(TForm1& f) {
    f.jjtk1->setShortcut(QKeySequence(QKeySequence::New));
    // "Új parti": the table's button while it reads so; a running deal stays.
    QAction* uj_parti = new QAction(QString::fromUtf8("Új parti"), f.Jtk1);
    uj_parti->setObjectName("Ujparti1");
    uj_parti->setShortcut(QKeySequence(Qt::Key_F2));
    f.Jtk1->insertAction(f.Jtk1->actions().value(1), uj_parti);
    auto uj_parti_lehet = [&f] {
        return f.a.nezet.button1_lathato && f.a.nezet.button1_felirat == "Új parti";
    };
    QObject::connect(uj_parti, &QAction::triggered, &f, [&f, uj_parti_lehet] {
        if (uj_parti_lehet()) f.Button1->click();
    });
    QObject::connect(f.Jtk1, &QMenu::aboutToShow, uj_parti, [uj_parti, uj_parti_lehet] {
        uj_parti->setEnabled(uj_parti_lehet());
    });
    // Enabled again once the menu is shut, so the key works whenever it can act.
    QObject::connect(f.Jtk1, &QMenu::aboutToHide, uj_parti, [uj_parti] { uj_parti->setEnabled(true); });

    // "Ajánlott lap": the "?" of the tool bar.
    QAction* tipp = new QAction(QString::fromUtf8("Ajánlott lap"), f.Segtsg1);
    tipp->setObjectName("Ajanlottlap1");
    tipp->setShortcut(QKeySequence(Qt::Key_H));
    f.Segtsg1->addSeparator();
    f.Segtsg1->addAction(tipp);
    QObject::connect(tipp, &QAction::triggered, &f, [&f] { f.SpeedButton[5]->click(); });

    f.Tabla->setFocusPolicy(Qt::StrongFocus);
    f.Tabla->setAccessibleName(QString::fromUtf8("Asztal"));
    for (QWidget* w : {static_cast<QWidget*>(f.Button1), static_cast<QWidget*>(f.Button2),
                       static_cast<QWidget*>(f.Memo1)})
        w->setFocusPolicy(Qt::TabFocus);
    f.Tabla->setFocus();
}

int Billentyuk::valasztott() {
    valasztott_ = igazitas(f_.a, valasztott_);
    return valasztott_;
}

bool Billentyuk::billentyu(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const AsztalNezet& n = f_.a.nezet;
    const int kulcs = e->key();
    if (kulcs == Qt::Key_Left || kulcs == Qt::Key_Right) {
        // The first pick starts on the hint's card while it shows.
        if (!valasztott() && n.hint_latszik && szamgomb(n, n.ajanlott_kep % 10))
            valasztott_ = n.ajanlott_kep;
        else
            valasztott_ = leptetes(n, valasztott(), kulcs == Qt::Key_Left ? -1 : 1);
        f_.nezet_frissites();
        return true;
    }
    if (kulcs >= Qt::Key_0 && kulcs <= Qt::Key_9) {
        if (const int k = szamgomb(n, kulcs - Qt::Key_0)) {
            valasztott_ = k;
            f_.nezet_frissites();
        }
        return true;
    }
    const bool enter = kulcs == Qt::Key_Return || kulcs == Qt::Key_Enter;
    if (!enter && kulcs != Qt::Key_Space) return false;
    if (e->isAutoRepeat()) return true;  // a held key plays one card, not a run
    // A button reached with Tab takes Enter itself, as Space.
    auto* gomb = qobject_cast<QAbstractButton*>(f_.focusWidget());
    if (enter && gomb && gomb->isVisible()) {
        gomb->click();
        return true;
    }
    const int cel = enter_celja(f_.a, valasztott());
    // Through the controls themselves, as a click would: the same handlers run.
    if (cel > 0)
        emit f_.Image[cel]->clicked();
    else if (cel == 0 && enter)
        f_.Button1->click();
    return true;
}
