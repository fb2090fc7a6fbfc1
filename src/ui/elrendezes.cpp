#include "ui/elrendezes.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

int sk(int v, double s) { return static_cast<int>(std::lround(v * s)); }

QFont betu_skalazva(QFont f, double s) {
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * s);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, sk(f.pixelSize(), s)));
    return f;
}

// "border: 3px" at scale 2 is "border: 6px"; no line thinner than a pixel.
QString stilus_skalazva(const QString& stilus, double s) {
    if (s == 1 || stilus.isEmpty()) return stilus;
    static const QRegularExpression px(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString ki;
    qsizetype utolso = 0;
    for (auto it = px.globalMatch(stilus); it.hasNext();) {
        const auto m = it.next();
        const double v = m.captured(1).toDouble();
        ki += stilus.mid(utolso, m.capturedStart() - utolso);
        ki += QString::number(v > 0 ? std::max(1L, std::lround(v * s)) : 0L) + "px";
        utolso = m.capturedEnd();
    }
    return ki + stilus.mid(utolso);
}

// Widgets that place their own children (a text field's scroll bars, anything with a
// layout) are scaled as one piece.
bool belso_is(QWidget* w) {
    return !qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QAbstractSpinBox*>(w) &&
           !qobject_cast<QComboBox*>(w) && !w->layout();
}

QSize ikon_meret(QWidget* w) {
    auto* b = qobject_cast<QAbstractButton*>(w);
    return b ? b->iconSize() : QSize();
}

}  // namespace

Elrendezes::Elrendezes(QWidget* szoba, QSize alap) : Elrendezes(szoba, alap, nullptr) {}

Elrendezes::Elrendezes(QWidget* szoba, QSize alap, const Elrendezes* forras)
    : QObject(szoba), szoba_(szoba), alap_(alap), forras_(forras) {
    szoba_->installEventFilter(this);
    gyujtes(szoba_);
    igazitas();
}

void Elrendezes::gyujtes(QWidget* szulo) {
    for (QObject* o : szulo->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (!hol_.contains(w)) {
            Elem e;
            e.w = w;
            e.alap = e.tett = w->geometry();
            e.betu = e.tett_betu = w->font();
            e.stilus = e.tett_stilus = w->styleSheet();
            e.ikon = e.tett_ikon = ikon_meret(w);
            // The style's own box, before any style sheet of ours says another.
            if (qobject_cast<QCheckBox*>(w))
                e.jel = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w);
            else if (qobject_cast<QRadioButton*>(w))
                e.jel = w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w);
            hol_.insert(w, elemek_.size());
            elemek_.push_back(e);
            w->installEventFilter(this);
        }
        if (belso_is(w)) gyujtes(w);
    }
}

Elrendezes::Elem* Elrendezes::elem(QWidget* w) {
    auto it = hol_.find(w);
    return it == hol_.end() ? nullptr : &elemek_[*it];
}

void Elrendezes::felso_sav(QWidget* w) {
    if (Elem* e = elem(w)) e->sav = true;
    igazitas();
}

void Elrendezes::szoveg_szeles(QWidget* w) {
    if (Elem* e = elem(w)) e->szoveg = true;
    igazitas();
}

QRect Elrendezes::most(const QRect& a) const {
    return {eltolas_.x() + sk(a.x(), arany_), eltolas_.y() + sk(a.y(), arany_), sk(a.width(), arany_),
            sk(a.height(), arany_)};
}

QRect Elrendezes::alap_hely(QWidget* w) {
    Elem* e = elem(w);
    if (!e || !e->w) return w->geometry();
    if (!bent_) atvetel(*e);
    return e->alap;
}

void Elrendezes::atvetel(Elem& e) {
    QWidget* w = e.w;
    // A side the program set anew is in default units; one it left keeps its own.
    const QRect g = w->geometry();
    if (g != e.tett && !e.sav) {
        if (g.x() != e.tett.x()) e.alap.moveLeft(g.x());
        if (g.y() != e.tett.y()) e.alap.moveTop(g.y());
        if (g.width() != e.tett.width()) e.alap.setWidth(g.width());
        if (g.height() != e.tett.height()) e.alap.setHeight(g.height());
    }
    // A font changed but for its size (made bold from the shown one) keeps the
    // default size; one with a size of its own brings it in default units.
    const QFont f = w->font();
    if (f != e.tett_betu) {
        QFont uj = f;
        if (f.pointSizeF() == e.tett_betu.pointSizeF() && f.pixelSize() == e.tett_betu.pixelSize()) {
            if (e.betu.pointSizeF() > 0)
                uj.setPointSizeF(e.betu.pointSizeF());
            else if (e.betu.pixelSize() > 0)
                uj.setPixelSize(e.betu.pixelSize());
        }
        e.betu = uj;
    }
    if (w->styleSheet() != e.tett_stilus) e.stilus = w->styleSheet();
    if (ikon_meret(w) != e.tett_ikon) e.ikon = ikon_meret(w);
}

void Elrendezes::elhelyezes(Elem& e) {
    QWidget* w = e.w;
    const double s = arany_;
    const QFont f = betu_skalazva(e.betu, s);
    if (w->font() != f) w->setFont(f);
    QString st = stilus_skalazva(e.stilus, s);
    // The tick boxes and round buttons grow with their captions.
    if (s != 1 && e.jel > 0) {
        if (!st.isEmpty() && !st.contains('{')) st = "* { " + st + " }";
        st += QString(" ::indicator { width: %1px; height: %1px; }").arg(sk(e.jel, s));
    }
    if (w->styleSheet() != st) w->setStyleSheet(st);
    if (e.ikon.isValid()) {
        auto* b = static_cast<QAbstractButton*>(w);
        const QSize ik(sk(e.ikon.width(), s), sk(e.ikon.height(), s));
        if (b->iconSize() != ik) b->setIconSize(ik);
    }
    QRect r;
    if (e.sav)
        r = QRect(0, 0, szoba_->width(), sk(e.alap.height(), s));
    else if (w->parentWidget() == szoba_)
        r = most(e.alap);
    else
        r = QRect(sk(e.alap.x(), s), sk(e.alap.y(), s), sk(e.alap.width(), s), sk(e.alap.height(), s));
    if (e.szoveg) r.setWidth(w->sizeHint().width());
    if (w->geometry() != r) w->setGeometry(r);
}

void Elrendezes::megjegyzes(Elem& e) {
    e.tett = e.w->geometry();
    e.tett_betu = e.w->font();
    e.tett_stilus = e.w->styleSheet();
    e.tett_ikon = ikon_meret(e.w);
}

void Elrendezes::igazitas() {
    if (bent_) return;
    bent_ = true;
    kesobb_ = false;
    gyujtes(szoba_);
    // Widgets gone are forgotten.
    if (std::any_of(elemek_.begin(), elemek_.end(), [](const Elem& e) { return e.w.isNull(); })) {
        std::erase_if(elemek_, [](const Elem& e) { return e.w.isNull(); });
        hol_.clear();
        for (size_t i = 0; i < elemek_.size(); ++i) hol_.insert(elemek_[i].w, i);
    }
    for (Elem& e : elemek_) atvetel(e);

    const double regi = arany_;
    if (!forras_) {
        const QSize m = szoba_->size();
        arany_ = std::min(double(m.width()) / alap_.width(), double(m.height()) / alap_.height());
        if (arany_ <= 0) arany_ = 1;
        eltolas_ = QPoint((m.width() - sk(alap_.width(), arany_)) / 2, (m.height() - sk(alap_.height(), arany_)) / 2);
    }
    for (Elem& e : elemek_) elhelyezes(e);
    // Fonts reach children only once the whole pass is done.
    for (Elem& e : elemek_) megjegyzes(e);
    bent_ = false;
    if (arany_ != regi) emit arany_valtozott(arany_);
}

void Elrendezes::kesobb_igazitas() {
    if (kesobb_) return;
    kesobb_ = true;
    QTimer::singleShot(0, this, [this] {
        if (kesobb_) igazitas();
    });
}

bool Elrendezes::eventFilter(QObject* cel, QEvent* e) {
    if (bent_) return false;
    if (cel == szoba_) {
        if (e->type() == QEvent::Resize && !forras_) igazitas();
        // Its screen may have changed since the table's scale last set its size.
        if (e->type() == QEvent::Show && forras_) kovetes();
    }
    switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            if (cel != szoba_)
                if (Elem* el = elem(static_cast<QWidget*>(cel)); el && el->w) {
                    bent_ = true;
                    atvetel(*el);
                    elhelyezes(*el);
                    megjegyzes(*el);
                    bent_ = false;
                }
            break;
        case QEvent::ChildAdded:
            kesobb_igazitas();
            break;
        default:
            break;
    }
    return false;
}

void Elrendezes::kovet(QWidget* ablak) {
    auto* k = new Elrendezes(ablak, ablak->size(), this);
    // Sized at once, so whoever places the dialog before showing it sees its size.
    connect(this, &Elrendezes::arany_valtozott, k, &Elrendezes::kovetes);
    k->kovetes();
}

void Elrendezes::kovetes() {
    // The source's scale, but the dialog stays on its screen.
    double s = forras_->arany();
    if (const QScreen* k = szoba_->screen()) {
        const QRect hely = k->availableGeometry();
        s = std::min({s, 0.95 * hely.width() / alap_.width(), 0.9 * hely.height() / alap_.height()});
    }
    s = std::max(s, 0.5);
    const QSize meret(sk(alap_.width(), s), sk(alap_.height(), s));
    if (s == arany_ && szoba_->size() == meret) return;
    // A dialog placed by the program keeps its centre; one not placed yet is
    // centred by the dialog itself as it is shown.
    const bool helyezve = szoba_->testAttribute(Qt::WA_Moved);
    const QPoint kozep = szoba_->geometry().center();
    arany_ = s;
    szoba_->setFixedSize(meret);
    if (helyezve) szoba_->move(kozep - QPoint(meret.width() / 2, meret.height() / 2));
    igazitas();
}

// --- Nagyítás -----------------------------------------------------------------------

int kovetkezo_nagyitas(int szazalek, int irany) {
    if (irany > 0) {
        for (int n : NAGYITASOK)
            if (n > szazalek + 1) return n;
        return std::end(NAGYITASOK)[-1];
    }
    for (auto it = std::rbegin(NAGYITASOK); it != std::rend(NAGYITASOK); ++it)
        if (*it < szazalek - 1) return *it;
    return NAGYITASOK[0];
}

void ablak_nagyitas(QWidget* ablak, QWidget* szoba, QSize alap, int szazalek) {
    if (ablak->isMaximized() || ablak->isFullScreen()) ablak->showNormal();
    if (QLayout* l = ablak->layout()) l->activate();
    // What the window holds beside the room (the menu bar) stays as it is.
    const QSize korul = ablak->size() - szoba->size();
    QSize cel(sk(alap.width(), szazalek / 100.0), sk(alap.height(), szazalek / 100.0));
    if (const QScreen* k = ablak->screen()) {
        const QRect hely = k->availableGeometry();
        const QSize keret = ablak->frameGeometry().size() - ablak->size();
        cel = cel.boundedTo(hely.size() - keret - korul);
    }
    ablak->resize(cel + korul);
}

QMenu* nagyitas_menu(QMenu* szulo, std::function<int()> most, std::function<void(int)> beallit) {
    QMenu* m = szulo->addMenu(QString::fromUtf8("Nagyítás"));
    m->setObjectName("Nagyitas1");
    std::vector<QAction*> lepesek;
    for (int n : NAGYITASOK) {
        QAction* t = m->addAction(QString("%1%").arg(n));
        t->setCheckable(true);
        QObject::connect(t, &QAction::triggered, m, [beallit, n] { beallit(n); });
        lepesek.push_back(t);
    }
    m->addSeparator();
    QAction* nagyobb = m->addAction(QString::fromUtf8("Nagyobb"));
    nagyobb->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* kisebb = m->addAction(QString::fromUtf8("Kisebb"));
    kisebb->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    QObject::connect(nagyobb, &QAction::triggered, m, [most, beallit] { beallit(kovetkezo_nagyitas(most(), 1)); });
    QObject::connect(kisebb, &QAction::triggered, m, [most, beallit] { beallit(kovetkezo_nagyitas(most(), -1)); });
    QObject::connect(m, &QMenu::aboutToShow, m, [most, lepesek] {
        const int n = most();
        for (size_t i = 0; i < lepesek.size(); ++i) lepesek[i]->setChecked(std::abs(NAGYITASOK[i] - n) <= 1);
    });
    return m;
}
