#include "ui/utmutato_nezet.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "ui/elrendezes.h"
#include "ui/kattinthato.h"
#include "ui/tform1.h"

namespace {

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

// A frame laid over a control: it passes clicks through.
QWidget* keret(QWidget* szulo, const char* nev, const char* szin) {
    QWidget* w = new QWidget(szulo);
    w->setObjectName(nev);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAttribute(Qt::WA_StyledBackground);
    w->setStyleSheet(QString("#%1 { border: 3px solid %2; border-radius: 4px; background: transparent; }")
                         .arg(nev, szin));
    w->hide();
    return w;
}

// How long a choice may take before the guide line says someone is thinking.
constexpr int GONDOLKODAS_MS = 300;

}  // namespace

UtmutatoNezet::UtmutatoNezet(TForm1& ablak) : QObject(&ablak), ablak_(ablak) {
    sor_ = new QLabel(ablak.ToolBar1);
    sor_->setObjectName("Utmutato");
    sor_->setGeometry(helyek::UTMUTATO);
    sor_->setWordWrap(true);
    // Its words can be selected and copied (as the end-to-end run reads them).
    sor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sor_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sor_->setStyleSheet("QLabel { background: #fff8dc; color: black; border: 1px solid #808080; padding: 0 6px; }");
    QFont betu = sor_->font();
    betu.setPointSize(9);
    betu.setBold(true);
    sor_->setFont(betu);

    for (int i = 0; i < 3; ++i) {
        QLabel* l = new QLabel(ablak.Tabla);
        l->setObjectName(QString("Egyenleg%1").arg(i + 2));
        l->setGeometry(helyek::EGYENLEG[i]);
        l->setAlignment(Qt::AlignCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(255, 255, 160));
        l->setPalette(p);
        egyenleg_[i] = l;
    }
    soron_jel_ = keret(ablak.Tabla, "SoronJelolo", "#ffd700");
    // Over the name boxes, under every card.
    soron_jel_->stackUnder(ablak.Image[1]);
    // One frame per trick picture, so none moves between pictures as the trick goes.
    for (int i = 0; i < 3; ++i) {
        nyero_jelek_[i] = keret(ablak.Image[15 + i], "NyeroJelolo", "#ff8c00");
        nyero_jelek_[i]->setGeometry(0, 0, 64, 100);
    }

    utes_ = ablak.Image[15]->geometry().united(ablak.Image[16]->geometry()).united(ablak.Image[17]->geometry());
    talon_ = ablak.Image[11]->geometry().united(ablak.Image[12]->geometry());
    kez_ = ablak.Image[1]->geometry().united(ablak.Image[14]->geometry());

    gondolkodas_ = new QTimer(this);
    gondolkodas_->setSingleShot(true);
    gondolkodas_->setInterval(GONDOLKODAS_MS);
    connect(gondolkodas_, &QTimer::timeout, this, &UtmutatoNezet::gondolkodas_lejart);
}

QString UtmutatoNezet::sor() const { return sor_->text(); }

QWidget* UtmutatoNezet::nyero_jelolo() const {
    for (QWidget* w : nyero_jelek_)
        if (w->isVisible()) return w;
    return nyero_jelek_[0];
}

void UtmutatoNezet::segitseg_indult() {
    segitseg_var_ = true;
    gondolkodas_->start();
}

void UtmutatoNezet::gondolkodas_lejart() {
    const Asztal& a = ablak_.a;
    const bool var = (a.fazis == F_JATEK_GEP || (segitseg_var_ && ablak_.kereses.fut(a))) && dontes_helye(a) == hely_;
    if (var && !gondolkodik_) {
        gondolkodik_ = true;
        frissites();
    }
}

void UtmutatoNezet::frissites() {
    const Asztal& a = ablak_.a;
    const Utmutatas u = utmutatas(a);

    // A new place: nobody has been thinking long yet.
    if (!(dontes_helye(a) == hely_)) {
        hely_ = dontes_helye(a);
        gondolkodik_ = false;
        segitseg_var_ = false;
        gondolkodas_->stop();
        if (a.fazis == F_JATEK_GEP) gondolkodas_->start();
    }
    if (a.nezet.hint_latszik) segitseg_var_ = false;
    const bool segitseg = segitseg_var_ && gondolkodik_;
    const QString sor = !parbeszed_sor_.isEmpty() ? parbeszed_sor_
                        : gondolkodik_ && (segitseg || a.fazis == F_JATEK_GEP)
                            ? u8(gondolkodas_sor(a, segitseg))
                            : u8(u.sor);
    if (sor_->text() != sor) sor_->setText(sor);
    // "?" stays pressed while its search takes long.
    QToolButton* kerdes = ablak_.SpeedButton[5];
    if (kerdes->isDown() != segitseg) {
        kerdes->setDown(segitseg);
        kerdes->setStyleSheet(segitseg ? "QToolButton { color: orange; }" : "QToolButton { color: yellow; }");
    }

    // The seat on turn and the balances, by the name boxes.
    QWidget* dobozok[3] = {ablak_.Memo2, ablak_.Memo3, ablak_.Memo4};
    jelolt_doboz_ = -1;
    for (int i = 0; i < 3; ++i) {
        egyenleg_[i]->setText(u8(egyenleg_szoveg(a, doboz_ulese(a, i))));
        if (u.soron >= 0 && doboz_ulese(a, i) == u.soron) jelolt_doboz_ = i;
    }
    if (jelolt_doboz_ >= 0) {
        // In the table's default units, as every place of the table is set.
        QWidget* doboz = dobozok[jelolt_doboz_];
        const QRect hely = ablak_.elrendezes ? ablak_.elrendezes->alap_hely(doboz) : doboz->geometry();
        if (soron_jel_->geometry() != hely.adjusted(-3, -3, 3, 3)) soron_jel_->setGeometry(hely.adjusted(-3, -3, 3, 3));
    }
    soron_jel_->setVisible(jelolt_doboz_ >= 0);

    // The card winning the trick so far.
    for (int i = 0; i < 3; ++i) nyero_jelek_[i]->setVisible(u.nyero_kep == 15 + i);

    // The "Játék" menu: each command as it can act now.
    const MenuAllapot m = menu_allapot(a);
    const struct {
        QAction* t;
        bool engedve;
        bool letiltva_tipp;
    } tetelek[] = {{ablak_.jjtk1, m.uj_jatek, false},    {ablak_.Ments1, m.mentes, true},
                   {ablak_.Betlts1, m.betoltes, true},  {ablak_.Szerkeszts1, m.szerkesztes, true},
                   {ablak_.Szmll1, m.elemzes, true},    {ablak_.Varici1, m.elemzes, true}};
    for (const auto& e : tetelek) {
        e.t->setEnabled(e.engedve);
        // "Letiltva" is the hint of a greyed item only.
        const QString tipp = e.letiltva_tipp && !e.engedve ? QString::fromUtf8("Letiltva") : QString();
        e.t->setToolTip(tipp.isEmpty() ? e.t->text() : tipp);
        e.t->setStatusTip(tipp);
    }
}

QRect UtmutatoNezet::most(const QRect& alap) const {
    const QRect r = ablak_.elrendezes ? ablak_.elrendezes->most(alap) : alap;
    return r.translated(ablak_.Tabla->mapToGlobal(QPoint(0, 0)));
}

void UtmutatoNezet::helyre(QWidget* d) const {
    const QScreen* kepernyo = ablak_.Tabla->screen();
    if (!d || !kepernyo) return;
    const QRect ker = kepernyo->availableGeometry();
    // A dialog with a layout (the confirmation) knows its size only once laid out.
    if (d->layout()) d->adjustSize();
    // The dialog's frame, as the main window's frame is.
    const QRect ablak = ablak_.geometry(), ablak_keret = ablak_.frameGeometry();
    const QSize meret = d->size() + QSize(ablak_keret.width() - ablak.width(), ablak_keret.height() - ablak.height());
    // The table as shown, and the top of what must stay in sight, on the screen.
    const QRect tabla = most(QRect(0, 0, 792, 504));
    const int fent = std::min(most(utes_).top(), most(talon_).top());
    const QPoint jelolt[] = {
        // Above the trick, at the table's right edge.
        {tabla.right() + 1 - meret.width(), fent - helyek::RES - meret.height()},
        // Beside the table on the right.
        {tabla.right() + 1 + helyek::RES, std::max(ker.top(), tabla.top())},
    };
    for (const QPoint& p : jelolt)
        if (ker.contains(QRect(p, meret))) {
            d->move(p);
            return;
        }
    // Over the table's right strip, right of the hand.
    QPoint p(most(kez_).right() + 1 + helyek::RES, tabla.top() + helyek::RES);
    p.setX(std::clamp(p.x(), ker.left(), std::max(ker.left(), ker.right() - meret.width())));
    p.setY(std::clamp(p.y(), ker.top(), std::max(ker.top(), ker.bottom() - meret.height())));
    d->move(p);
}

UtmutatoNezet::Alatt::Alatt(UtmutatoNezet& u, Parbeszed p, QWidget* parbeszed) : u_(u), elozo_(u.parbeszed_sor_) {
    u.parbeszed_sor_ = u8(parbeszed_sor(u.ablak_.a, p));
    u.helyre(parbeszed);
    u.frissites();
}

UtmutatoNezet::Alatt::~Alatt() {
    u_.parbeszed_sor_ = elozo_;
    u_.frissites();
}
