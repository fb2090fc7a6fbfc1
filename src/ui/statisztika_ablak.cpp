#include "ui/statisztika_ablak.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model/asztal.h"
#include "scoring/statisztika.h"
#include "ui/tform1.h"

namespace {

// One colour per seat, told apart on white and by people who confuse red and green.
const QColor SZINEK[3] = {QColor(0, 90, 200), QColor(220, 110, 0), QColor(120, 40, 140)};

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

}  // namespace

EgyenlegRajz::EgyenlegRajz(QWidget* szulo) : QWidget(szulo) {
    setObjectName("Rajz");
    setMinimumSize(420, 200);
    setAccessibleName(QString::fromUtf8("Egyenlegek partinként"));
}

void EgyenlegRajz::beallitas(const std::vector<std::array<int, 3>>& menet,
                             const std::array<QString, 3>& nevek) {
    menet_ = menet;
    nevek_ = nevek;
    update();
}

void EgyenlegRajz::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QFontMetrics fm = p.fontMetrics();
    // Room for the amounts on the left, the deal numbers below, the legend on top.
    const QRect ter = rect().adjusted(fm.horizontalAdvance("-0000") + 12, fm.height() + 12, -12,
                                      -fm.height() - 10);
    int lo = 0, hi = 0;
    for (const auto& b : menet_)
        for (int v : b) lo = std::min(lo, v), hi = std::max(hi, v);
    if (hi == lo) hi = lo + 1;
    const int n = std::max<int>(1, static_cast<int>(menet_.size()) - 1);
    auto x = [&](int i) { return ter.left() + ter.width() * double(i) / n; };
    auto y = [&](int v) { return ter.bottom() - ter.height() * double(v - lo) / (hi - lo); };

    p.setPen(QColor(160, 160, 160));
    p.drawRect(ter);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(QPointF(ter.left(), y(0)), QPointF(ter.right(), y(0)));
    p.setPen(Qt::black);
    for (int v : {lo, 0, hi})
        p.drawText(QRectF(0, y(v) - fm.height() / 2.0, ter.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    for (int i : {0, n})
        p.drawText(QRectF(x(i) - 30, ter.bottom() + 4, 60, fm.height()), Qt::AlignCenter,
                   QString::number(i));
    p.drawText(QRectF(ter.left(), ter.bottom() + 4, ter.width(), fm.height()), Qt::AlignCenter,
               QString::fromUtf8("parti"));

    int bal = ter.left();
    for (int s = 0; s < 3; ++s) {
        if (menet_.size() > 1) {
            QPainterPath ut(QPointF(x(0), y(menet_[0][s])));
            for (size_t i = 1; i < menet_.size(); ++i) ut.lineTo(x(int(i)), y(menet_[i][s]));
            p.setPen(QPen(SZINEK[s], 2.5));
            p.drawPath(ut);
        }
        const QString felirat = nevek_[s] + ": " + QString::number(menet_.empty() ? 0 : menet_.back()[s]) +
                                QString::fromUtf8("\u00a0Ft");
        p.fillRect(QRect(bal, 6 + fm.height() / 2 - 2, 14, 4), SZINEK[s]);
        p.setPen(Qt::black);
        p.drawText(bal + 18, 6 + fm.ascent(), felirat);
        bal += 18 + fm.horizontalAdvance(felirat) + 18;
    }
}

StatisztikaAblak::StatisztikaAblak(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Statisztika");
    setWindowTitle(QString::fromUtf8("Statisztika"));
    auto* sor = new QVBoxLayout(this);
    Partik = new QLabel(this);
    Partik->setObjectName("Partik");
    QFont f = Partik->font();
    f.setBold(true);
    Partik->setFont(f);
    sor->addWidget(Partik);

    Tablazat = new QTableWidget(LICIT_FLAGEK + 2, 3, this);
    Tablazat->setObjectName("Tablazat");
    Tablazat->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tablazat->setSelectionMode(QAbstractItemView::NoSelection);
    Tablazat->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row in view: sixteen rows of one text line each.
    const int sor_magas = Tablazat->fontMetrics().height() + 6;
    Tablazat->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tablazat->verticalHeader()->setDefaultSectionSize(sor_magas);
    Tablazat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tablazat->setFixedHeight(Tablazat->horizontalHeader()->sizeHint().height() +
                             Tablazat->rowCount() * sor_magas + 2 * Tablazat->frameWidth());
    Tablazat->setAccessibleName(QString::fromUtf8("Bemondások: vállalta / teljesítette"));
    sor->addWidget(new QLabel(QString::fromUtf8("Bemondások: vállalta / teljesítette"), this));
    sor->addWidget(Tablazat);

    sor->addWidget(new QLabel(QString::fromUtf8("Egyenlegek partinként"), this));
    Rajz = new EgyenlegRajz(this);
    sor->addWidget(Rajz, 1);

    auto* kesz = new QPushButton(QString::fromUtf8("Bezár"), this);
    kesz->setObjectName("Button1");
    // The window opens on its button: Enter or Escape closes it, Tab reaches the table.
    Tablazat->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(kesz);
    kesz->setDefault(true);
    connect(kesz, &QPushButton::clicked, this, &QDialog::accept);
    sor->addWidget(kesz, 0, Qt::AlignRight);
    resize(560, sizeHint().height() + 40);
}

void StatisztikaAblak::kitoltes(const Asztal& a) {
    const Statisztika st = statisztika(a.naplo);
    Partik->setText(QString::fromUtf8("Lejátszott partik: %1").arg(st.partik));
    std::array<QString, 3> nevek;
    QStringList fejlec;
    for (int s = 0; s < 3; ++s) fejlec << (nevek[s] = u8(a.jatekosok[s].nev));
    Tablazat->setHorizontalHeaderLabels(fejlec);

    // The kinds as the bidding dialog groups them: colour games, then colourless.
    QStringList sorok;
    int r = 0;
    auto cim = [&](const char* szoveg) {
        sorok << QString();
        Tablazat->setSpan(r, 0, 1, 3);
        auto* c = new QTableWidgetItem(QString::fromUtf8(szoveg));
        QFont f = c->font();
        f.setBold(true);
        c->setFont(f);
        Tablazat->setItem(r++, 0, c);
    };
    cim("Színes bemondások");
    for (int i = 0; i < LICIT_FLAGEK; ++i) {
        if (i == L_BETLI) cim("Színnélküli bemondások");
        sorok << QString::fromUtf8(licit_dialogus_felirat[i]);
        for (int s = 0; s < 3; ++s) {
            auto* c = new QTableWidgetItem(QStringLiteral("%1 / %2").arg(st.vallalt[s][i]).arg(st.teljesitett[s][i]));
            c->setTextAlignment(Qt::AlignCenter);
            Tablazat->setItem(r, s, c);
        }
        ++r;
    }
    Tablazat->setVerticalHeaderLabels(sorok);
    Tablazat->setCurrentCell(-1, -1);

    std::vector<std::array<int, 3>> menet;
    for (const auto& b : egyenleg_menet(a.naplo)) menet.push_back({b[0], b[1], b[2]});
    Rajz->beallitas(menet, nevek);
}

void statisztika_menu(TForm1& f) {
    QAction* t = new QAction(QString::fromUtf8("Statisztika"), f.Jtk1);
    t->setObjectName("Statisztika1");
    f.Jtk1->insertAction(f.Kilps1, t);
    f.Jtk1->insertSeparator(f.Kilps1);
    QObject::connect(t, &QAction::triggered, &f, [&f] {
        auto* ablak = f.findChild<StatisztikaAblak*>("Statisztika");
        if (!ablak) ablak = new StatisztikaAblak(&f);
        ablak->kitoltes(f.a);
        ablak->exec();
    });
}
