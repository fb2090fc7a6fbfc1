#include "ui/visszanezes_ablak.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "model/asztal.h"
#include "review/rekord.h"
#include "table/rajzolas.h"
#include "ui/elrendezes.h"
#include "ui/kattinthato.h"
#include "ui/rekord_fajl.h"
#include "ui/tform1.h"
#include "ui/urlapok.h"

namespace {

const QSize ALAP(1000, 724);
const QColor ZOLD_ASZTAL(0, 128, 0);
const QColor EZUST(192, 192, 192);
const char* ARANY = "#ffd700";    // as the hint's card on the table
const char* NARANCS = "#ff8c00";  // as the card winning the trick on the table
const QColor NYER(46, 204, 64);
const QColor BUKIK(231, 76, 60);
const QColor NEM_TUDOTT(150, 150, 150);

// Rows from the top, and the trick column and the talon beside them.
constexpr int SOR_Y[3] = {70, 220, 370};
constexpr int LAP_X = 16, LAP_LEPES = 66, UTES_X = 700, TALON_X = 820;

QString u8(const std::string& s) {
    return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size()));
}

QString ezres(int64_t n) {
    QString s = QString::number(n);
    for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3) s.insert(i, QChar(0x00a0));
    return s;
}

// A frame laid over a card; clicks pass through it.
QWidget* keret(QWidget* lap, const char* nev, const char* szin, int beljebb) {
    QWidget* w = new QWidget(lap);
    w->setObjectName(nev);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAttribute(Qt::WA_StyledBackground);
    w->setStyleSheet(
        QString("#%1 { border: 3px solid %2; border-radius: 3px; background: transparent; }")
            .arg(nev, szin));
    w->setGeometry(beljebb, beljebb, 64 - 2 * beljebb, 100 - 2 * beljebb);
    w->hide();
    return w;
}

QLabel* felirat(QWidget* szulo, const QString& szoveg, QRect hely, bool felkover = false,
                int pont = 0) {
    QLabel* l = new QLabel(szoveg, szulo);
    l->setGeometry(hely);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    QFont f = l->font();
    if (pont) f.setPointSize(pont);
    f.setBold(felkover);
    l->setFont(f);
    return l;
}

QPushButton* gomb(QWidget* szulo, const char* nev, const char* szoveg, QRect hely,
                  const char* tipp) {
    QPushButton* b = new QPushButton(QString::fromUtf8(szoveg), szulo);
    b->setObjectName(nev);
    b->setGeometry(hely);
    b->setToolTip(QString::fromUtf8(tipp));
    b->setAutoDefault(false);
    return b;
}

// Hand slots a seat still holds in a table, in slot order.
std::vector<int> kezben(const Asztal& t, int seat) {
    std::vector<int> v;
    const Jatekos& j = t.jatekosok[seat];
    for (int k = 0; k < 10; ++k)
        if (j.hol[j.lapok[k].szin][j.lapok[k].ertek] == seat) v.push_back(k);
    return v;
}

bool jatek_folyik(const Asztal& t) {
    return t.fazis == F_JATEK_EMBER || t.fazis == F_JATEK_GEP || t.fazis == F_VEGE;
}

}  // namespace

// --- The strip of the cards ---------------------------------------------------------

IdoVonal::IdoVonal(QWidget* szulo) : QWidget(szulo) {
    setObjectName("Vonal");
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QString::fromUtf8("Idővonal: a parti lapjai sorban"));
}

void IdoVonal::beallitas(const std::vector<int>& allas, int fordulo, int jelenlegi,
                         const std::vector<QString>& tippek) {
    allas_ = allas;
    fordulo_ = fordulo;
    jelenlegi_ = jelenlegi;
    tippek_ = tippek;
    QString leiras;
    if (fordulo >= 0 && fordulo < static_cast<int>(tippek.size()))
        leiras = QString::fromUtf8("Fordulópont: ") + tippek[fordulo];
    setAccessibleDescription(leiras);
    update();
}

QRect IdoVonal::cella(int k) const {
    const int n = std::max<int>(1, static_cast<int>(allas_.size()));
    // Cells as wide as for ten tricks and the end, whatever the deal's length; the
    // cards in groups of three (the tricks), the end a little apart.
    const double res = width() / 242.0;
    const double w = (width() - res * 11) / 31.0;
    const double x = k * w + res * (k / 3 + (k == n - 1 ? 1 : 0));
    return QRect(static_cast<int>(x), 3, std::max(2, static_cast<int>(w) - 2), height() - 6);
}

int IdoVonal::cella_at(QPoint p) const {
    for (int k = 0; k < static_cast<int>(allas_.size()); ++k)
        if (cella(k).adjusted(-2, -3, 2, 3).contains(p)) return k;
    return -1;
}

void IdoVonal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0, 80, 0));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    for (int k = 0; k < static_cast<int>(allas_.size()); ++k) {
        const QRect r = cella(k);
        const int a = allas_[k];
        p.fillRect(r, a == 1 ? NYER : a == 0 ? BUKIK : NEM_TUDOTT);
        // A sign besides the colour: not everybody tells red from green.
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, a == 1 ? "+" : a == 0 ? QString::fromUtf8("\u2212") : "?");
        if (k == fordulo_) {
            p.setPen(QPen(QColor(ARANY), 3));
            p.drawRect(r.adjusted(-1, -1, 1, 1));
        }
        if (k == jelenlegi_) {
            p.setPen(QPen(Qt::white, 2));
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }
}

void IdoVonal::mousePressEvent(QMouseEvent* e) {
    const int k = cella_at(e->position().toPoint());
    if (k >= 0) emit valasztott(k);
}

bool IdoVonal::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* h = static_cast<QHelpEvent*>(e);
        const int k = cella_at(h->pos());
        if (k >= 0 && k < static_cast<int>(tippek_.size()))
            QToolTip::showText(h->globalPos(), tippek_[k], this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

// --- The window ---------------------------------------------------------------------

VisszanezesAblak::VisszanezesAblak(TForm1& f, QWidget* szulo) : QDialog(szulo), f_(f) {
    setObjectName("Visszanezes");
    setWindowTitle(QString::fromUtf8("Visszanézés"));
    setFont(kis_betu());
    epites();
    connect(&munkak_, &IteletMunkak::lap_kesz, this, &VisszanezesAblak::lap_erkezett);
    connect(&munkak_, &IteletMunkak::teljes_kesz, this, &VisszanezesAblak::teljes_erkezett);
    ora_ = new QTimer(this);
    ora_->setInterval(100);
    connect(ora_, &QTimer::timeout, this, &VisszanezesAblak::haladas_frissites);
    elrendezes_ = new Elrendezes(Szoba, ALAP);
    ablak_nagyitas(this, Szoba, ALAP, f.nagyitas());
}

VisszanezesAblak::~VisszanezesAblak() {
    munkak_.leallitas();
}

void VisszanezesAblak::epites() {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    Szoba = new QWidget(this);
    Szoba->setObjectName("Szoba");
    Szoba->setAutoFillBackground(true);
    QPalette pal = Szoba->palette();
    pal.setColor(QPalette::Window, ZOLD_ASZTAL);
    Szoba->setPalette(pal);
    Szoba->setMinimumSize(ALAP / 2);
    l->addWidget(Szoba);

    auto sav = [this](int y, int h) {
        QWidget* s = new QWidget(Szoba);
        s->setGeometry(0, y, ALAP.width(), h);
        s->setAutoFillBackground(true);
        QPalette p = s->palette();
        p.setColor(QPalette::Window, EZUST);
        s->setPalette(p);
        return s;
    };
    sav(0, 40);
    sav(648, 76);

    QLabel* parti_cim = new QLabel(QString::fromUtf8("Parti:"), Szoba);
    parti_cim->setGeometry(8, 10, 40, 20);
    Parti = new QComboBox(Szoba);
    Parti->setObjectName("Parti");
    Parti->setGeometry(50, 7, 470, 26);
    Parti->setToolTip(QString::fromUtf8(
        "Melyik partit nézze vissza: a mostani játék lezárt partijai, a legutóbbi elöl"));
    Parti->setAccessibleName(QString::fromUtf8("Parti"));
    parti_cim->setBuddy(Parti);
    connect(Parti, &QComboBox::activated, this,
            [this](int i) { parti_valasztas(Parti->itemData(i).toInt()); });
    Megnyitas = gomb(Szoba, "Megnyitas", "Megnyitás…", QRect(528, 7, 100, 26),
                     "Elmentett partik fájlból (rekordok.txt)");
    connect(Megnyitas, &QPushButton::clicked, this, &VisszanezesAblak::MegnyitasClick);
    Lepes = new QLabel(Szoba);
    Lepes->setObjectName("Lepes");
    Lepes->setGeometry(640, 10, 352, 20);
    Lepes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Szerzodes = felirat(Szoba, QString(), QRect(8, 44, 984, 22), true, 12);
    Szerzodes->setObjectName("Szerzodes");
    Szerzodes->setAlignment(Qt::AlignCenter);

    for (int r = 0; r < 3; ++r) {
        const int y = SOR_Y[r];
        Nevek[r] = felirat(Szoba, QString(), QRect(LAP_X, y, 300, 20), true, 9);
        Nevek[r]->setObjectName(QString("Nev%1").arg(r));
        for (int j = 0; j < 10; ++j) {
            Kattinthato* k = new Kattinthato(Szoba);
            k->setObjectName(QString("Lap%1_%2").arg(r).arg(j));
            k->setGeometry(LAP_X + LAP_LEPES * j, y + 22, 64, 100);
            Lapok[r][j] = k;
            Legjobb[r][j] = keret(k, "Legjobb", ARANY, 0);
            Jatszott[r][j] = keret(k, "Jatszott", NARANCS, 4);
            QLabel* sz = felirat(Szoba, QString(),
                                 QRect(LAP_X + LAP_LEPES * j - 1, y + 123, 66, 26), false, 7);
            sz->setObjectName(QString("Szam%1_%2").arg(r).arg(j));
            sz->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            sz->setWordWrap(true);
            Szamok[r][j] = sz;
        }
        Utes[r] = new Kattinthato(Szoba);
        Utes[r]->setObjectName(QString("Utes%1").arg(r));
        Utes[r]->setGeometry(UTES_X, y + 22, 64, 100);
        UtesNyero[r] = keret(Utes[r], "UtesNyero", NARANCS, 0);
    }
    QLabel* utes_cim =
        felirat(Szoba, QString::fromUtf8("Ütés"), QRect(UTES_X, SOR_Y[0], 100, 20), true, 9);
    utes_cim->setToolTip(
        QString::fromUtf8("Az asztalon fekvő lapok, mindegyik a játékosa sorában"));
    felirat(Szoba, "Talon", QRect(TALON_X, SOR_Y[0], 100, 20), true, 9);
    for (int k = 0; k < 2; ++k) {
        Talon[k] = new Kattinthato(Szoba);
        Talon[k]->setObjectName(QString("Talon%1").arg(k));
        Talon[k]->setGeometry(TALON_X + 68 * k, SOR_Y[0] + 22, 64, 100);
    }
    QLabel* jelek = felirat(Szoba, QString(), QRect(TALON_X - 20, SOR_Y[1], 192, 290), false, 8);
    jelek->setWordWrap(true);
    jelek->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    jelek->setText(
        QString::fromUtf8(
            "<p><span style='color:%1'>■</span> arany keret: a legjobb lap (a legtöbb elosztásban "
            "teljesíti az oldala célját)</p>"
            "<p><span style='color:%2'>■</span> narancs keret: a kijátszott lap; az ütésben az, "
            "amelyik viszi</p>"
            "<p>A lap alatti szám: jó elosztások / az összes elosztás, abból, amit a játékos akkor "
            "tudott.</p>")
            .arg(ARANY, NARANCS));

    felirat(Szoba,
            QString::fromUtf8(
                "Idővonal, lapról lapra: + a felvevő még kikényszerítheti a célját, − már nem; "
                "arany keret: a fordulópont. Kattintson egy lapra!"),
            QRect(16, 526, 968, 18), false, 8);
    Vonal = new IdoVonal(Szoba);
    Vonal->setGeometry(16, 544, 968, 28);
    connect(Vonal, &IdoVonal::valasztott, this, [this](int k) {
        if (!p_) return;
        const Ertekeles& e = ert();
        ugras(k < static_cast<int>(e.kartyak.size()) ? e.kartyak[k] - 1
                                                     : static_cast<int>(e.p->size()) - 1);
    });

    Naplo = felirat(Szoba, QString(), QRect(16, 576, 968, 20));
    Naplo->setObjectName("Naplo");
    IteletSor = felirat(Szoba, QString(), QRect(16, 598, 968, 20), true);
    IteletSor->setObjectName("IteletSor");
    IteletSor->setStyleSheet("QLabel { color: #ffff99; }");
    TeljesSor = felirat(Szoba, QString(), QRect(16, 620, 968, 24));
    TeljesSor->setObjectName("TeljesSor");
    TeljesSor->setWordWrap(true);
    for (QLabel* s : {Naplo, IteletSor, TeljesSor})
        s->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Eleje = gomb(Szoba, "Eleje", "|◀ Eleje", QRect(8, 654, 80, 28), "Az osztás (Home)");
    Vissza =
        gomb(Szoba, "Vissza", "◀ Vissza", QRect(92, 654, 90, 28), "Egy lépés vissza (balra nyíl)");
    Elore =
        gomb(Szoba, "Elore", "Előre ▶", QRect(186, 654, 90, 28), "Egy lépés előre (jobbra nyíl)");
    Vege = gomb(Szoba, "Vege", "Vége ▶|", QRect(280, 654, 80, 28), "Az utolsó lap után (End)");
    connect(Eleje, &QPushButton::clicked, this, [this] { ugras(0); });
    connect(Vissza, &QPushButton::clicked, this, [this] { ugras(most_ - 1); });
    connect(Elore, &QPushButton::clicked, this, [this] { ugras(most_ + 1); });
    connect(Vege, &QPushButton::clicked, this, [this] { ugras(static_cast<int>(p_->size()) - 1); });
    const struct {
        Qt::Key k;
        QPushButton* b;
    } billentyuk[] = {
        {Qt::Key_Home, Eleje}, {Qt::Key_Left, Vissza}, {Qt::Key_Right, Elore}, {Qt::Key_End, Vege}};
    for (const auto& b : billentyuk) {
        auto* s = new QShortcut(QKeySequence(b.k), this);
        connect(s, &QShortcut::activated, b.b, &QPushButton::click);
    }

    Itelet = gomb(Szoba, "Itelet", "Ítélet ehhez a laphoz", QRect(380, 654, 170, 28),
                  "A következő lap ítélete abból, amit a játékosa akkor tudott");
    connect(Itelet, &QPushButton::clicked, this, &VisszanezesAblak::ItelekClick);
    Haladas = new QProgressBar(Szoba);
    Haladas->setObjectName("Haladas");
    Haladas->setGeometry(560, 654, 330, 28);
    Haladas->setRange(0, 1000);
    Haladas->setAccessibleName(QString::fromUtf8("Ítéletek számolása"));
    Megse = gomb(Szoba, "Megse", "Mégse", QRect(896, 654, 96, 28),
                 "Az ítéletek számolásának leállítása");
    connect(Megse, &QPushButton::clicked, this, &VisszanezesAblak::MegseClick);

    Elejerol = gomb(Szoba, "Elejerol", "Újrajátszás az elejéről", QRect(8, 690, 190, 28), "");
    connect(Elejerol, &QPushButton::clicked, this, &VisszanezesAblak::ElejerolClick);
    Innen = gomb(Szoba, "Innen", "Újrajátszás innen", QRect(204, 690, 170, 28), "");
    connect(Innen, &QPushButton::clicked, this, &VisszanezesAblak::InnenClick);
    Bezar = gomb(Szoba, "Bezar", "Bezár", QRect(896, 690, 96, 28), "A visszanézés bezárása (Esc)");
    connect(Bezar, &QPushButton::clicked, this, &QDialog::reject);
    setFocusProxy(Elore);
}

int VisszanezesAblak::sor_ulese(int sor) const {
    const PartiRekord* r = rekord();
    const int b = r ? std::clamp(r->ember_helye, 0, 2) : 0;
    return (b + 2 - sor) % 3;  // top: the left seat, then the right seat, the human at the bottom
}

int VisszanezesAblak::ules_sora(int seat) const {
    for (int r = 0; r < 3; ++r)
        if (sor_ulese(r) == seat) return r;
    return 0;
}

const PartiRekord* VisszanezesAblak::rekord() const {
    return valasztott_ >= 0 && valasztott_ < static_cast<int>(rekordok_.size())
               ? &rekordok_[valasztott_]
               : nullptr;
}

void VisszanezesAblak::rekordok_beallitasa(std::vector<PartiRekord> r, int valasztott) {
    munkak_.uj_parti(nullptr);
    rekordok_ = std::move(r);
    ertekelesek_.clear();
    valasztott_ = -1;
    Parti->clear();
    for (int i = static_cast<int>(rekordok_.size()) - 1; i >= 0; --i)
        Parti->addItem(QString("%1. %2").arg(i + 1).arg(u8(rekord_cim(rekordok_[i]))), i);
    parti_valasztas(valasztott);
}

bool VisszanezesAblak::fajl_megnyitasa(const QString& fajl) {
    std::vector<PartiRekord> r;
    std::string hiba;
    if (!rekordok_olvasasa(fajl, r, hiba) || r.empty()) {
        if (hiba.empty()) hiba = "A fájlban nincs parti.";
        QMessageBox::warning(this, QString::fromUtf8("Megnyitás"),
                             QString::fromUtf8("A partik nem tölthetők be (%1):\n%2")
                                 .arg(QFileInfo(fajl).fileName(), u8(hiba)));
        return false;
    }
    // Added to the list; the newest of the file is shown.
    const int elso = static_cast<int>(rekordok_.size());
    const QString nev = QFileInfo(fajl).fileName();
    for (PartiRekord& p : r) rekordok_.push_back(std::move(p));
    for (int i = static_cast<int>(rekordok_.size()) - 1; i >= elso; --i)
        Parti->insertItem(
            0, QString("%1: %2. %3").arg(nev).arg(i - elso + 1).arg(u8(rekord_cim(rekordok_[i]))),
            i);
    parti_valasztas(static_cast<int>(rekordok_.size()) - 1);
    return true;
}

void VisszanezesAblak::parti_valasztas(int index) {
    if (index < 0 || index >= static_cast<int>(rekordok_.size())) return;
    if (!ertekelesek_.count(index)) {
        std::string hiba;
        auto p =
            std::make_shared<const std::vector<Pillanat>>(visszajatszas(rekordok_[index], &hiba));
        if (p->empty()) {
            QMessageBox::warning(
                this, QString::fromUtf8("Visszanézés"),
                QString::fromUtf8("Ez a parti nem játszható vissza: %1").arg(u8(hiba)));
            Parti->setCurrentIndex(Parti->findData(valasztott_));
            return;
        }
        Ertekeles e;
        e.p = p;
        for (int i = 1; i < static_cast<int>(p->size()); ++i)
            if ((*p)[i].lap) e.kartyak.push_back(i);
        ertekelesek_.emplace(index, std::move(e));
    }
    valasztott_ = index;
    Parti->setCurrentIndex(Parti->findData(index));
    p_ = ert().p;
    // The verdicts of the deal shown are counted; those of another deal are kept.
    munkak_.uj_parti(p_);
    leallitva_ = false;
    munkak_.sorba(hianyzo_feladatok());
    most_ = 0;
    mutatas();
    haladas_frissites();
}

std::vector<IteletFeladat> VisszanezesAblak::hianyzo_feladatok() const {
    const Ertekeles& e = ert();
    const PartiRekord* r = rekord();
    std::vector<IteletFeladat> elol, hatul;
    const int n = static_cast<int>(e.kartyak.size());
    for (int k = 0; k <= n; ++k) {
        const int elem = k < n ? e.kartyak[k] : static_cast<int>(e.p->size());
        // Tricks 2-9 take milliseconds; tricks 0-1 may take minutes.
        std::vector<IteletFeladat>& hova = k / 3 >= 2 ? elol : hatul;
        if (n && !e.teljes.count(elem)) hova.push_back({elem, true});
        if (k < n && r && (*e.p)[elem].seat == r->ember_helye && !e.lap.count(elem))
            hova.push_back({elem, false});
    }
    // The full verdicts first in each group: they draw the timeline.
    auto rend = [](std::vector<IteletFeladat>& v) {
        std::stable_partition(v.begin(), v.end(), [](const IteletFeladat& f) { return f.teljes; });
    };
    rend(elol);
    rend(hatul);
    elol.insert(elol.end(), hatul.begin(), hatul.end());
    return elol;
}

void VisszanezesAblak::ugras(int i) {
    if (!p_ || p_->empty()) return;
    most_ = std::clamp(i, 0, static_cast<int>(p_->size()) - 1);
    mutatas();
}

void VisszanezesAblak::mutatas() {
    if (!p_ || valasztott_ < 0) return;
    const std::vector<Pillanat>& p = *p_;
    const Pillanat& m = p[most_];
    const Asztal& t = m.tabla;
    const int n = static_cast<int>(p.size());
    const bool kovetkezo_lap = most_ + 1 < n && p[most_ + 1].lap;
    const int soron = most_ + 1 < n ? p[most_ + 1].seat : -1;

    Lepes->setText(QString::fromUtf8(most_ == 0 ? "Az osztás — lépés: %1 / %2" : "Lépés: %1 / %2")
                       .arg(most_)
                       .arg(n - 1));
    Szerzodes->setText(u8(t.nezet.label1));
    Naplo->setText(QString::fromUtf8("Napló: ") + u8(m.sor));

    // The hands, face up; the verdict's numbers and frames come with the card below.
    for (int r = 0; r < 3; ++r) {
        const int s = sor_ulese(r);
        QString nev = u8(t.jatekosok[s].nev.empty() ? rekord()->nevek[s] : t.jatekosok[s].nev);
        if (jatek_folyik(t))
            nev +=
                s == t.felvevo ? QString::fromUtf8(" — felvevő") : QString::fromUtf8(" — ellenfél");
        if (s == soron)
            nev += QString::fromUtf8(kovetkezo_lap ? "  ◀ ő tesz lapot" : "  ◀ ő következik");
        Nevek[r]->setText(nev);
        Nevek[r]->setStyleSheet(s == soron ? QString("QLabel { color: %1; }").arg(ARANY)
                                           : QString());
        const std::vector<int> kez = kezben(t, s);
        for (int j = 0; j < 10; ++j) {
            Kattinthato* k = Lapok[r][j];
            const bool van = j < static_cast<int>(kez.size());
            k->setVisible(van);
            Legjobb[r][j]->hide();
            Jatszott[r][j]->hide();
            Szamok[r][j]->clear();
            if (!van) continue;
            const Kartyalap& c = t.jatekosok[s].lapok[kez[j]];
            k->kep_betoltes(QString::fromLatin1(kepfajlok[c.kep]));
            k->setAccessibleName(u8(lap_nev(c)));
            k->setToolTip(u8(lap_nev(c)));
            k->setProperty("slot", kez[j]);
        }
    }

    // The trick on the table: the cards of the current trick, each in its player's row;
    // a trick just completed stays in view with its winner until the next card.
    int lapok = 0;
    for (int i = 1; i <= most_; ++i) lapok += p[i].lap ? 1 : 0;
    const int utes = lapok > 0 ? (lapok - 1) / 3 : -1;
    const int benne = lapok > 0 ? lapok - 3 * utes : 0;
    for (int r = 0; r < 3; ++r) {
        Utes[r]->hide();
        UtesNyero[r]->hide();
    }
    if (benne > 0) {
        int db = 0;
        for (int i = 1; i <= most_; ++i) {
            if (!p[i].lap) continue;
            if (db++ < 3 * utes) continue;
            const int s = p[i].seat;
            const int r = ules_sora(s);
            const Kartyalap& c = p[i].tabla.jatekosok[s].lapok[p[i].slot];
            Utes[r]->kep_betoltes(QString::fromLatin1(kepfajlok[c.kep]));
            Utes[r]->setAccessibleName(u8(lap_nev(c)));
            Utes[r]->setToolTip(u8(t.jatekosok[s].nev + ": " + lap_nev(c)));
            Utes[r]->show();
        }
        const int nyero = t.utes_nyero[std::clamp(utes, 0, 9)][benne - 1];
        if (nyero >= 0 && nyero <= 2) UtesNyero[ules_sora(nyero)]->show();
    }
    for (int k = 0; k < 2; ++k) {
        Talon[k]->kep_betoltes(QString::fromLatin1(kepfajlok[t.talon[k].kep]));
        Talon[k]->setAccessibleName(QString::fromUtf8("Talon: ") + u8(lap_nev(t.talon[k])));
        Talon[k]->setToolTip(Talon[k]->accessibleName());
    }

    itelet_mutatas(kovetkezo_lap ? most_ + 1 : -1);
    vonal_frissites();
    gombok_frissites();
    elrendezes_->igazitas();
}

void VisszanezesAblak::itelet_mutatas(int elem) {
    const Ertekeles& e = ert();
    const std::vector<Pillanat>& p = *p_;
    IteletSor->clear();
    TeljesSor->clear();
    if (elem < 0) {
        // After the last card: how the deal ended, with everything known.
        const auto t = e.teljes.find(static_cast<int>(p.size()));
        if (most_ == static_cast<int>(p.size()) - 1 && !e.kartyak.empty() && t != e.teljes.end())
            TeljesSor->setText(
                t->second.felvevo_nyer
                    ? QString::fromUtf8("A parti végén: a felvevő célja teljesült.")
                    : QString::fromUtf8("A parti végén: a felvevő célja nem teljesült."));
        return;
    }
    const Asztal& elotte = p[elem - 1].tabla;
    const int s = p[elem].seat;
    const int r = ules_sora(s);
    const auto l = e.lap.find(elem);
    const auto t = e.teljes.find(elem);
    const QString nev = u8(elotte.jatekosok[s].nev);

    if (l != e.lap.end()) {
        const LapItelet& li = l->second;
        for (int j = 0; j < 10; ++j) {
            if (!Lapok[r][j]->isVisible()) continue;
            const int slot = Lapok[r][j]->property("slot").toInt();
            const auto c = std::find_if(li.lapok.begin(), li.lapok.end(),
                                        [slot](const LapSzamlalas& x) { return x.slot == slot; });
            const bool legjobb =
                std::count(li.legjobb_slotok.begin(), li.legjobb_slotok.end(), slot) > 0;
            const bool jatszott = slot == li.jatszott_slot;
            Legjobb[r][j]->setVisible(legjobb);
            Jatszott[r][j]->setVisible(jatszott);
            QString leiras = u8(lap_nev(elotte.jatekosok[s].lapok[slot]));
            if (c != li.lapok.end()) {
                Szamok[r][j]->setText(QString("%1 / %2").arg(ezres(c->jo), ezres(li.elosztasok)));
                leiras += QString::fromUtf8(": %1 elosztásból %2 jó")
                              .arg(ezres(li.elosztasok), ezres(c->jo));
            } else {
                leiras += QString::fromUtf8(": most nem tehető");
            }
            if (jatszott) leiras += QString::fromUtf8("; ezt tette");
            if (legjobb) leiras += QString::fromUtf8("; a legjobb");
            Lapok[r][j]->setToolTip(leiras);
            Lapok[r][j]->setAccessibleDescription(leiras);
        }
        // The full verdict has a line of its own below.
        IteletSor->setText(u8(itelet_sor(elotte, li, TeljesItelet{})));
    } else if (munkak_.var({elem, false})) {
        IteletSor->setText(QString::fromUtf8("%1 lapjának ítélete: számolás folyik…").arg(nev));
    } else {
        IteletSor->setText(
            QString::fromUtf8("%1 lapjának ítélete: kérje az „Ítélet ehhez a laphoz” gombbal.")
                .arg(nev));
    }
    // Whatever the count of the player says: the lap was played from the slot shown.
    if (l == e.lap.end())
        for (int j = 0; j < 10; ++j)
            if (Lapok[r][j]->isVisible())
                Jatszott[r][j]->setVisible(Lapok[r][j]->property("slot").toInt() == p[elem].slot);

    if (t != e.teljes.end()) {
        TeljesSor->setText(u8(teljes_sor(elotte, t->second)));
    } else {
        TeljesSor->setText(QString::fromUtf8("Minden lapot ismerve: számolás folyik…"));
    }
}

void VisszanezesAblak::vonal_frissites() {
    const Ertekeles& e = ert();
    const std::vector<Pillanat>& p = *p_;
    const int n = static_cast<int>(e.kartyak.size());
    std::vector<int> allas;
    std::vector<QString> tippek;
    std::vector<bool> ismert;
    bool folytonos = true;
    int jelenlegi = -1;
    for (int k = 0; k <= n; ++k) {
        const int elem = k < n ? e.kartyak[k] : static_cast<int>(p.size());
        const auto t = e.teljes.find(elem);
        const int a = t == e.teljes.end() ? -1 : t->second.felvevo_nyer ? 1 : 0;
        allas.push_back(a);
        if (a < 0) folytonos = false;
        if (folytonos) ismert.push_back(a == 1);
        QString tipp;
        if (k < n) {
            const Pillanat& m = p[elem];
            tipp = QString::fromUtf8("%1. ütés, %2. lap: %3, %4")
                       .arg(k / 3 + 1)
                       .arg(k % 3 + 1)
                       .arg(u8(m.tabla.jatekosok[m.seat].nev),
                            u8(lap_nev(p[elem - 1].tabla.jatekosok[m.seat].lapok[m.slot])));
            tipp +=
                a < 0 ? QString::fromUtf8(" — számolás folyik")
                : a ? QString::fromUtf8(" — előtte a felvevő még kikényszeríthette a célját")
                    : QString::fromUtf8(" — előtte a felvevő már nem kényszeríthette ki a célját");
            if (elem == most_ + 1) jelenlegi = k;
        } else {
            tipp = a < 0 ? QString::fromUtf8("A parti vége — számolás folyik")
                   : a   ? QString::fromUtf8("A parti vége: a felvevő célja teljesült")
                         : QString::fromUtf8("A parti vége: a felvevő célja nem teljesült");
            if (most_ == static_cast<int>(p.size()) - 1) jelenlegi = k;
        }
        tippek.push_back(tipp);
    }
    // The first turn within what is known; the rest may still change it.
    const int fordulo = n ? fordulo_lap(ismert) : -1;
    if (fordulo >= 0 && fordulo < n)
        tippek[fordulo] = QString::fromUtf8("Fordulópont — ") + tippek[fordulo];
    fordulo_elem_ = fordulo >= 0 && fordulo < n ? e.kartyak[fordulo] : -1;
    Vonal->beallitas(n ? allas : std::vector<int>{}, fordulo, jelenlegi, tippek);
}

void VisszanezesAblak::gombok_frissites() {
    const std::vector<Pillanat>& p = *p_;
    const int n = static_cast<int>(p.size());
    Eleje->setEnabled(most_ > 0);
    Vissza->setEnabled(most_ > 0);
    Elore->setEnabled(most_ + 1 < n);
    Vege->setEnabled(most_ + 1 < n);

    const bool kovetkezo_lap = most_ + 1 < n && p[most_ + 1].lap;
    const bool van = kovetkezo_lap && ert().lap.count(most_ + 1);
    const bool var = kovetkezo_lap && munkak_.var({most_ + 1, false});
    Itelet->setEnabled(kovetkezo_lap && !van && !var);
    Itelet->setToolTip(
        QString::fromUtf8(!kovetkezo_lap ? "Itt nem lapot tesznek: lépjen egy lap elé"
                          : van          ? "Ennek a lapnak az ítélete már látszik"
                          : var          ? "Ennek a lapnak az ítélete most számolódik"
                                : "A következő lap ítélete abból, amit a játékosa akkor tudott"));

    // Playing again belongs to the table's flow: from the result table, between deals,
    // or instead of a deal just dealt.
    const PartiRekord* r = rekord();
    const bool szabad = eredmenybol_ ? f_.a.fazis == F_VEGE : ujrajatszhato(f_.a);
    const char* miert = "Parti közben nem lehet: előbb fejezze be a mostani partit";
    Elejerol->setEnabled(szabad);
    Elejerol->setToolTip(QString::fromUtf8(
        szabad ? "Ugyanezek a lapok újra kiosztva; a gépek újra döntenek" : miert));
    const bool ember_lapja =
        kovetkezo_lap && r && p[most_ + 1].seat == r->ember_helye && r->emberek_szama == 1;
    Innen->setEnabled(szabad && ember_lapja);
    Innen->setToolTip(
        !szabad       ? QString::fromUtf8(miert)
        : ember_lapja ? QString::fromUtf8("Ebből a helyzetből Ön választ újra lapot")
                      : QString::fromUtf8(
                            "Csak ott, ahol %1 teszi a következő lapot: lépjen egy ilyen lap elé")
                            .arg(r ? u8(r->nevek[std::clamp(r->ember_helye, 0, 2)]) : QString()));
}

void VisszanezesAblak::haladas_frissites() {
    const IteletMunkak::Haladas h = munkak_.haladas();
    const bool fut = munkak_.fut();
    Megse->setEnabled(fut);
    if (fut && !ora_->isActive()) ora_->start();
    if (!fut) ora_->stop();
    if (h.osszes == 0) {
        Haladas->setValue(leallitva_ ? 0 : Haladas->maximum());
        Haladas->setFormat(
            QString::fromUtf8(leallitva_ ? "Leállítva — a hiányzó ítéletek egyenként kérhetők"
                                         : "Minden ítélet kész"));
        return;
    }
    const double resz = h.eloszt_osszes > 0 ? double(h.eloszt_kesz) / double(h.eloszt_osszes) : 0;
    Haladas->setValue(static_cast<int>(1000 * std::min(1.0, (h.kesz + resz) / h.osszes)));
    QString szoveg = QString::fromUtf8("Ítéletek: %1 / %2").arg(h.kesz).arg(h.osszes);
    if (fut && h.eloszt_osszes > 0)
        szoveg += QString::fromUtf8(" — %1 / %2 elosztás")
                      .arg(ezres(h.eloszt_kesz), ezres(h.eloszt_osszes));
    else if (!fut && h.kesz < h.osszes)
        szoveg += QString::fromUtf8(" — leállítva");
    Haladas->setFormat(szoveg);
}

void VisszanezesAblak::lap_erkezett(int elem, const LapItelet& l) {
    ert().lap[elem] = l;
    if (elem == most_ + 1) mutatas();
    haladas_frissites();
}

void VisszanezesAblak::teljes_erkezett(int elem, const TeljesItelet& t) {
    ert().teljes[elem] = t;
    if (elem == most_ + 1 || elem == static_cast<int>(p_->size()))
        mutatas();
    else
        vonal_frissites();
    haladas_frissites();
}

void VisszanezesAblak::ItelekClick() {
    const int elem = most_ + 1;
    if (!p_) return;
    if (elem >= static_cast<int>(p_->size()) || !(*p_)[elem].lap) return;
    std::vector<IteletFeladat> f;
    if (!ert().teljes.count(elem) && !munkak_.var({elem, true})) f.push_back({elem, true});
    f.push_back({elem, false});
    leallitva_ = false;
    munkak_.sorba(f, true);
    mutatas();
    haladas_frissites();
}

void VisszanezesAblak::MegseClick() {
    munkak_.leallitas();
    leallitva_ = true;
    mutatas();
    haladas_frissites();
}

void VisszanezesAblak::ElejerolClick() {
    ujra_ = Ujra::elejerol;
    accept();
}

void VisszanezesAblak::InnenClick() {
    ujra_ = Ujra::innen;
    accept();
}

void VisszanezesAblak::MegnyitasClick() {
    QString mappa =
        rekordok_fajl().isEmpty() ? QDir::homePath() : QFileInfo(rekordok_fajl()).absolutePath();
    const QString fajl =
        QFileDialog::getOpenFileName(this, QString::fromUtf8("Partik megnyitása"), mappa,
                                     QString::fromUtf8("Partik (*.txt);;Minden fájl (*)"));
    if (!fajl.isEmpty()) fajl_megnyitasa(fajl);
}

void VisszanezesAblak::done(int r) {
    // Nothing counts on once the window is shut.
    munkak_.leallitas();
    ora_->stop();
    QDialog::done(r);
}

// --- Opening it ---------------------------------------------------------------------

void visszanezes(TForm1& f, QDialog* eredmenytabla) {
    if (f.a.rekordok.empty()) return;
    VisszanezesAblak w(f, eredmenytabla ? static_cast<QWidget*>(eredmenytabla) : &f);
    w.eredmenytablabol(eredmenytabla != nullptr);
    w.rekordok_beallitasa(f.a.rekordok, static_cast<int>(f.a.rekordok.size()) - 1);
    if (!w.rekord()) return;
    w.exec();
    if (w.ujra() == VisszanezesAblak::Ujra::nincs) return;
    const PartiRekord r = *w.rekord();
    const auto p = w.pillanatok_ptr();
    const int i = w.most();
    f.kereses.leallitas();
    if (eredmenytabla) {
        // The result table closes into the flow, which deals the next deal at once.
        if (w.ujra() == VisszanezesAblak::Ujra::elejerol) {
            ujrajatszas_elejerol(f.a, r);
            eredmenytabla->accept();
            return;
        }
        // The moment replaces that fresh deal once the click is over.
        eredmenytabla->accept();
        QTimer::singleShot(0, &f, [&f, p, i] { f.kezel([&] { ujrajatszas_innen(f.a, *p, i); }); });
        return;
    }
    // From the menu: a deal just dealt goes as the tool bar's "Új parti" drops it.
    if (w.ujra() == VisszanezesAblak::Ujra::elejerol) {
        f.kezel([&] { ujrajatszas_elejerol(f.a, r); });
        f.Button1->click();
    } else {
        f.kezel([&] {
            uj_parti_gomb(f.a);
            ujrajatszas_innen(f.a, *p, i);
        });
    }
}

void visszanezes_menu(TForm1& f) {
    QAction* t = new QAction(QString::fromUtf8("Visszanézés"), f.Jtk1);
    t->setObjectName("Visszanezes1");
    t->setToolTip(QString::fromUtf8("Az utolsó lezárt parti lépésről lépésre, a lapok ítéletével"));
    QAction* elotte = nullptr;
    for (QAction* a : f.Jtk1->actions())
        if (a->objectName() == "Statisztika1") elotte = a;
    f.Jtk1->insertAction(elotte ? elotte : f.Kilps1, t);
    t->setEnabled(!f.a.rekordok.empty());
    QObject::connect(f.Jtk1, &QMenu::aboutToShow, t,
                     [t, &f] { t->setEnabled(!f.a.rekordok.empty()); });
    QObject::connect(t, &QAction::triggered, &f, [&f] { visszanezes(f, nullptr); });
}
