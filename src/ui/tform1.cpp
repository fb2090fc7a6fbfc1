#include "ui/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "analysis/jelentes.h"
#include "model/kartya.h"
#include "save/mentes.h"
#include "table/folyam.h"
#include "table/jatekosok.h"
#include "table/rajzolas.h"
#include "table/szerkeszto.h"
#include "ui/adat_mappa.h"
#include "ui/elrendezes.h"
#include "ui/kattinthato.h"
#include "ui/rajzolt_kep.h"
#include "ui/statisztika_ablak.h"
#include "ui/sugo.h"
#include "ui/tempo.h"
#include "ui/tform3.h"
#include "ui/tform9.h"
#include "ui/utes_nezo.h"
#include "ui/utmutato_nezet.h"
#include "ui/urlapok.h"
#include "ui/visszanezes_ablak.h"

namespace {

const QColor ZOLD_ASZTAL(0, 128, 0);
const QSize ASZTAL_MERET(792, 504);
const QColor EZUST(192, 192, 192);

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

// Positions of the table's pictures (left, top) in the client area.
QPoint kep_helye(int k) {
    if (k >= 1 && k <= 10) return {128 + 41 * (k - 1), 398};
    if (k >= 18 && k <= 27) return {400 + 32 * (k - 18), 64 + 16 * (k - 18)};
    if (k >= 28 && k <= 37) return {304 - 32 * (k - 28), 64 + 16 * (k - 28)};
    switch (k) {
        case 11: return {526, 262};
        case 12: return {485, 262};
        case 13: return {538, 398};
        case 14: return {579, 398};
        // The trick: each card where its player sits, none over another.
        case 15: return {342, 258};
        case 16: return {410, 200};
        default: return {274, 200};  // 17
    }
}

// A text on the table: table-coloured, read-only, centred.
void asztal_szoveg(QLabel* l) {
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
}

}  // namespace

TForm1::TForm1(QWidget* szulo) : QMainWindow(szulo) {
    // Step 1: the window from its form.
    setObjectName("Form1");
    setWindowTitle("Kotlan");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(adat_utvonal("kartya/ikon.png")));
    setFont(kis_betu());
    setCursor(Qt::PointingHandCursor);

    Tabla = new QWidget(this);
    Tabla->setObjectName("Tabla");
    // Down to half the size; the table scales with the window (elrendezes.h).
    Tabla->setMinimumSize(ASZTAL_MERET / 2);
    Tabla->setAutoFillBackground(true);
    QPalette pal = Tabla->palette();
    pal.setColor(QPalette::Window, ZOLD_ASZTAL);
    Tabla->setPalette(pal);
    setCentralWidget(Tabla);

    menu_epites();
    asztal_epites();
    eszkoztar_epites();
    billentyu_menuk(*this);
    statisztika_menu(*this);
    visszanezes_menu(*this);
    utes_nezo = new UtesNezo(
        this, Tabla,
        [this] { return Image[15]->geometry().united(Image[16]->geometry()).united(Image[17]->geometry()); },
        [this] { nezet_frissites(); });
    utmutato = new UtmutatoNezet(*this);
    elrendezes = new Elrendezes(Tabla, ASZTAL_MERET);
    elrendezes->felso_sav(ToolBar1);
    elrendezes->szoveg_szeles(Tipp);
    nagyitas_beallitas(100);

    connect(&kereses, &HatterKereses::elkeszult, this, &TForm1::kereses_erkezett);

    // Step 2 and after: the table start-up, then the start-up display.
    asztal_indulas(a, static_cast<uint64_t>(std::time(nullptr)));
    // What an earlier run kept; a window put back in its place is not centred.
    kozepre_teve_ = megorzes.visszatoltes();
    rekord_megorzes.visszatoltes(a, this);
    ablak_indulas(a);
    nezet_frissites();
}

void TForm1::menu_epites() {
    auto tetel = [this](QMenu* m, const char* felirat, void (TForm1::*kezelo)(), bool engedve,
                        const char* tipp) {
        QAction* t = m->addAction(QString::fromUtf8(felirat));
        t->setEnabled(engedve);
        if (tipp) {
            t->setToolTip(QString::fromUtf8(tipp));
            t->setStatusTip(QString::fromUtf8(tipp));
        }
        connect(t, &QAction::triggered, this, [this, kezelo] { kezel([this, kezelo] { (this->*kezelo)(); }); });
        return t;
    };
    Jtk1 = menuBar()->addMenu(QString::fromUtf8("Játék"));
    Jtk1->setToolTipsVisible(true);
    jjtk1 = tetel(Jtk1, "Új játék", &TForm1::jjtk1Click, false, nullptr);
    Jtk1->addSeparator();
    Ments1 = tetel(Jtk1, "Mentés", &TForm1::Ments1Click, false, "Letiltva");
    Betlts1 = tetel(Jtk1, "Betöltés", &TForm1::Betlts1Click, false, "Letiltva");
    Jtk1->addSeparator();
    Szerkeszts1 = tetel(Jtk1, "Szerkesztés", &TForm1::Szerkeszts1Click, false, "Letiltva");
    Szmll1 = tetel(Jtk1, "Elemzés", &TForm1::Szmll1Click, false, "Letiltva");
    Varici1 = tetel(Jtk1, "Variáció", &TForm1::Varici1Click, false, "Letiltva");
    Jtk1->addSeparator();
    Kilps1 = tetel(Jtk1, "Kilépés", &TForm1::Kilps1Click, true, nullptr);

    Belltsok1 = menuBar()->addMenu(QString::fromUtf8("Beállítások"));
    Jtkosok1 = tetel(Belltsok1, "Játékosok", &TForm1::Jtkosok1Click, true, nullptr);
    tempo_menu(
        Belltsok1, [this] { return felulet.szunet_ms; },
        [this](int ms) { kezel([this, ms] { felulet.szunet_ms = ms; }); });
    Nagyitas1 = nagyitas_menu(
        Belltsok1, [this] { return nagyitas(); }, [this](int n) { nagyitas_beallitas(n); });

    Segtsg1 = menuBar()->addMenu(QString::fromUtf8("Segítség"));
    Lers1 = tetel(Segtsg1, "Leírás", &TForm1::Lers1Click, true, nullptr);
    Lers1->setShortcut(QKeySequence(Qt::Key_F1));
    Lers1->setShortcutContext(Qt::ApplicationShortcut);
    Szerz1 = tetel(Segtsg1, "Szerző", &TForm1::Szerz1Click, true, nullptr);
}

void TForm1::eszkoztar_epites() {
    ToolBar1 = new QWidget(Tabla);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(0, 0, 792, 40);
    ToolBar1->setAutoFillBackground(true);
    QPalette pal = ToolBar1->palette();
    pal.setColor(QPalette::Window, EZUST);
    pal.setColor(QPalette::Button, EZUST);
    ToolBar1->setPalette(pal);

    struct Gomb {
        int bal, szel;
        const char* kep;
        const char* felirat;
        const char* tipp;
        bool lathato;
    };
    static const Gomb gombok[8] = {
        {},
        {0, 32, "kartya/gomb_uj.png", nullptr, "Új parti", false},
        {138, 51, nullptr, "Elemzés", nullptr, false},
        {189, 52, nullptr, "Variáció", nullptr, false},
        {241, 37, nullptr, "Kinél", nullptr, false},
        {70, 32, nullptr, "?", "Segítség", true},
        {102, 36, "kartya/gomb_6.png", nullptr, nullptr, false},
        {32, 38, "kartya/gomb_rendez.png", nullptr, "Átrendezés", true},
    };
    SpeedButton[0] = nullptr;
    for (int i = 1; i <= 7; ++i) {
        const Gomb& g = gombok[i];
        QToolButton* b = new QToolButton(ToolBar1);
        b->setObjectName(QString("SpeedButton%1").arg(i));
        b->setGeometry(g.bal, 4, g.szel, 32);
        b->setAutoRaise(true);
        if (g.kep) {
            b->setIcon(gomb_ikon(QString::fromLatin1(g.kep)));
            b->setIconSize(QSize(g.szel - 6, 26));
        }
        if (g.felirat) b->setText(QString::fromUtf8(g.felirat));
        if (g.tipp) b->setToolTip(QString::fromUtf8(g.tipp));
        b->setVisible(g.lathato);
        SpeedButton[i] = b;
    }
    // "?" in yellow, bold 18-point Arial Black.
    QFont kerdes;
    kerdes.setFamilies({"Arial Black", "DejaVu Sans"});
    kerdes.setPointSize(18);
    kerdes.setBold(true);
    SpeedButton[5]->setFont(kerdes);
    SpeedButton[5]->setStyleSheet("QToolButton { color: yellow; }");

    // The hint's text beside "?", coloured as a tool tip.
    Tipp = new QLabel(ToolBar1);
    Tipp->setObjectName("Tipp");
    Tipp->setGeometry(106, 8, 200, 24);
    Tipp->setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid black; "
                        "padding: 0 6px; }");
    QFont tipp_betu = font();
    tipp_betu.setPointSize(10);
    tipp_betu.setBold(true);
    Tipp->setFont(tipp_betu);
    Tipp->hide();

    auto kot = [this](QToolButton* b, void (TForm1::*kezelo)()) {
        connect(b, &QToolButton::clicked, this, [this, kezelo] { kezel([this, kezelo] { (this->*kezelo)(); }); });
    };
    kot(SpeedButton[1], &TForm1::SpeedButton1Click);
    kot(SpeedButton[2], &TForm1::SpeedButton2Click);
    kot(SpeedButton[3], &TForm1::SpeedButton3Click);
    kot(SpeedButton[4], &TForm1::SpeedButton4Click);
    kot(SpeedButton[5], &TForm1::SpeedButton5Click);
    kot(SpeedButton[7], &TForm1::SpeedButton7Click);
}

void TForm1::asztal_epites() {
    // Texts first, so the pictures lie above them where they meet.
    StaticText1 = new QLabel("Talon", Tabla);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setGeometry(508, 232, 60, 17);
    asztal_szoveg(StaticText1);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto nevdoboz = [this](const char* nev, int x, int y, int w, int h) {
        Kattinthato* m = new Kattinthato(Tabla);
        m->setObjectName(nev);
        m->setGeometry(x, y, w, h);
        asztal_szoveg(m);
        QFont f = font();
        f.setPointSize(9);
        f.setBold(true);
        m->setFont(f);
        return m;
    };
    Memo2 = nevdoboz("Memo2", 128, 368, 433, 25);
    Memo3 = nevdoboz("Memo3", 544, 72, 225, 33);
    Memo4 = nevdoboz("Memo4", 8, 72, 225, 33);
    connect(Memo2, &Kattinthato::clicked, this, [this] { kezel([this] { Memo2Click(); }); });
    connect(Memo3, &Kattinthato::clicked, this, [this] { kezel([this] { Memo3Click(); }); });
    connect(Memo4, &Kattinthato::clicked, this, [this] { kezel([this] { Memo4Click(); }); });

    Label1 = new QLabel(Tabla);
    Label1->setObjectName("Label1");
    Label1->setGeometry(72, 44, 657, 21);
    asztal_szoveg(Label1);
    QFont nagy = font();
    nagy.setPointSize(12);
    nagy.setBold(true);
    Label1->setFont(nagy);

    Memo1 = new QPlainTextEdit(Tabla);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(648, 312, 137, 185);
    Memo1->setReadOnly(true);

    Button1 = new QPushButton(QString::fromUtf8("Új parti"), Tabla);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 404, 97, 28);
    connect(Button1, &QPushButton::clicked, this, [this] { kezel([this] { Button1Click(); }); });
    Button2 = new QPushButton(QString::fromUtf8("Passz"), Tabla);
    Button2->setObjectName("Button2");
    Button2->setGeometry(16, 440, 97, 28);
    connect(Button2, &QPushButton::clicked, this, [this] { kezel([this] { Button2Click(); }); });

    // Pictures in their stacking order: each later one lies on the earlier ones.
    static const int sorrend[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 11, 13, 14, 15, 16, 17, 18, 19,
                                  20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37};
    Image[0] = nullptr;
    for (int k : sorrend) {
        Kattinthato* kep = new Kattinthato(Tabla);
        kep->setObjectName(QString("Image%1").arg(k));
        kep->setGeometry(QRect(kep_helye(k), QSize(64, 100)));
        Image[k] = kep;
    }
    using H = void (TForm1::*)();
    static const H kezelok[15] = {nullptr,
                                  &TForm1::Image1Click,
                                  &TForm1::Image2Click,
                                  &TForm1::Image3Click,
                                  &TForm1::Image4Click,
                                  &TForm1::Image5Click,
                                  &TForm1::Image6Click,
                                  &TForm1::Image7Click,
                                  &TForm1::Image8Click,
                                  &TForm1::Image9Click,
                                  &TForm1::Image10Click,
                                  &TForm1::Image11Click,
                                  &TForm1::Image12Click,
                                  &TForm1::Image13Click,
                                  &TForm1::Image14Click};
    // The frame of the hint's card: on top of the picture, clicks pass through it.
    auto keret = [this](const char* nev) {
        QWidget* w = new QWidget(Image[1]);
        w->setObjectName(nev);
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        w->setAttribute(Qt::WA_StyledBackground);
        w->setStyleSheet(QString("#%1 { border: 3px solid #ffd700; background: transparent; }").arg(nev));
        w->setGeometry(0, 0, 64, 100);
        w->hide();
        return w;
    };
    Jelolo = keret("Jelolo");
    Valasztas = keret("Valasztas");
    for (int k = 1; k <= 14; ++k) {
        const H h = kezelok[k];
        connect(Image[k], &Kattinthato::clicked, this, [this, h] { kezel([this, h] { (this->*h)(); }); });
    }
}

void TForm1::kezel(const std::function<void()>& kezelo) {
    kezelo();
    kereses.elavultak_leallitasa(a);
    nezet_frissites();
    megorzes.frissites();
    rekord_megorzes.frissites(a);
}

void TForm1::kereses_erkezett() {
    if (!segitseg_kerheto(a)) {
        felulet.kereses_kesz(a);
        return;
    }
    const std::unique_ptr<LapDontes> d = kereses.atvetel(a);
    if (!d) return;
    kezel([&] {
        segitseg_kattintas(a, d.get());
        jeloles_ = a.nezet.hint_latszik;
    });
}

void TForm1::jeloles_frissites() {
    const AsztalNezet& n = a.nezet;
    const int k = (jeloles_ && n.hint_latszik && n.ajanlott_kep >= 1 && n.ajanlott_kep <= 10)
                      ? n.ajanlott_kep
                      : 0;
    if (!k) jeloles_ = false;
    const int v = billentyuk.valasztott();
    // The card stands out of the row on top of its neighbours, framed; the text
    // stands beside "?". Unmarked, each picture lies under the next again.
    for (int i = 10; i >= 1; --i) {
        Image[i]->move(kep_helye(i) - QPoint(0, (i == k || i == v) ? 14 : 0));
        Image[i]->stackUnder(Image[i == 10 ? 12 : i + 1]);
    }
    for (int i : {13, 14}) Image[i]->move(kep_helye(i) - QPoint(0, i == v ? 14 : 0));
    if (v) {
        Image[v]->raise();
        if (Valasztas->parentWidget() != Image[v]) Valasztas->setParent(Image[v]);
    }
    Valasztas->setVisible(v && v != k);
    if (k) {
        Image[k]->raise();
        if (Jelolo->parentWidget() != Image[k]) Jelolo->setParent(Image[k]);
        Jelolo->show();
        Tipp->setText(u8(n.hint));
        Tipp->adjustSize();
        Tipp->resize(Tipp->width(), 24);
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
    Jelolo->setVisible(k);
    Tipp->setVisible(k);
}

bool TForm1::eventFilter(QObject* cel, QEvent* e) {
    if (jeloles_ && e->type() == QEvent::MouseButtonPress) {
        jeloles_ = false;
        jeloles_frissites();
    }
    return QMainWindow::eventFilter(cel, e);
}

void TForm1::nezet_frissites() {
    AsztalNezet tartott;
    const bool utolso_utes = utes_nezo && utes_nezo->tartva() && utolso_utes_nezet(a, tartott);
    const AsztalNezet& n = utolso_utes ? tartott : a.nezet;
    for (int k = 1; k <= 37; ++k) {
        const int kep = (n.image[k].kep >= 0 && n.image[k].kep <= HATLAP) ? n.image[k].kep : HATLAP;
        Image[k]->kep_betoltes(QString::fromLatin1(kepfajlok[kep]));
        Image[k]->setAccessibleName(u8(kep_nev(kep)));
        Image[k]->setVisible(n.image[k].lathato);
    }
    QString naplo;
    for (size_t i = 0; i < n.memo1.size(); ++i) {
        if (i) naplo += '\n';
        naplo += kijelzett(n.memo1[i], Memo1->font());
    }
    // Against the raw text: the plain text turns the non-breaking blanks back.
    QString most = Memo1->document()->toRawText();
    most.replace(QChar::ParagraphSeparator, '\n');
    if (most != naplo) {
        Memo1->setPlainText(naplo);
        Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
    }
    Memo2->setText(kijelzett(n.memo2, Memo2->font()));
    Memo3->setText(kijelzett(n.memo3, Memo3->font()));
    Memo4->setText(kijelzett(n.memo4, Memo4->font()));
    Label1->setText(u8(n.label1));
    Button1->setText(u8(n.button1_felirat));
    Button1->setVisible(n.button1_lathato);
    Button2->setVisible(n.button2_lathato);

    // The window's own hint: a tool tip over the table while hints are shown; the
    // same text stands beside "?" at once.
    const QString tipp = n.hint_latszik ? u8(n.hint) : QString();
    if (Tabla->toolTip() != tipp) {
        Tabla->setToolTip(tipp);
        QToolTip::hideText();
    }
    jeloles_frissites();
    if (utmutato) utmutato->frissites();
}

int TForm1::nagyitas() const { return static_cast<int>(std::lround(elrendezes->arany() * 100)); }

void TForm1::nagyitas_beallitas(int szazalek) { ablak_nagyitas(this, Tabla, ASZTAL_MERET, szazalek); }

void TForm1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (kozepre_teve_) return;
    kozepre_teve_ = true;
    if (const QScreen* s = screen()) {
        QRect keret = frameGeometry();
        keret.moveCenter(s->availableGeometry().center());
        move(keret.topLeft());
    }
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    if (!billentyuk.billentyu(e)) QMainWindow::keyPressEvent(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
    megorzes.ablak_mentes();
    QMainWindow::closeEvent(e);
}

// --- The table -----------------------------------------------------------------

// The computer's card takes over the choice its worker made during the pause.
void TForm1::Button1Click() {
    const std::unique_ptr<LapDontes> kesz = kereses.atvetel(a);
    button1_kattintas(a, felulet, kesz.get());
}
void TForm1::Button2Click() { button2_kattintas(a, felulet); }

void TForm1::Image1Click() { kezkep_kattintas(1); }
void TForm1::Image2Click() { kezkep_kattintas(2); }
void TForm1::Image3Click() { kezkep_kattintas(3); }
void TForm1::Image4Click() { kezkep_kattintas(4); }
void TForm1::Image5Click() { kezkep_kattintas(5); }
void TForm1::Image6Click() { kezkep_kattintas(6); }
void TForm1::Image7Click() { kezkep_kattintas(7); }
void TForm1::Image8Click() { kezkep_kattintas(8); }
void TForm1::Image9Click() { kezkep_kattintas(9); }
void TForm1::Image10Click() { kezkep_kattintas(10); }
void TForm1::kezkep_kattintas(int k) { kep_kattintas(a, felulet, k); }

void TForm1::Image11Click() { talon_kattintas(a); }
void TForm1::Image12Click() { talon_kattintas(a); }
void TForm1::Image13Click() { image13_kattintas(a); }
void TForm1::Image14Click() { image14_kattintas(a); }

void TForm1::Memo2Click() { nevdoboz_kattintas(a, felulet, 0); }
void TForm1::Memo3Click() { nevdoboz_kattintas(a, felulet, 1); }
void TForm1::Memo4Click() { nevdoboz_kattintas(a, felulet, 2); }

// --- Tool bar ------------------------------------------------------------------

void TForm1::SpeedButton1Click() { uj_parti_gomb(a); }
// The analysis tool-bar buttons: the same bodies as their menu items.
void TForm1::SpeedButton2Click() { elemzes_jelentes(a); }
void TForm1::SpeedButton3Click() { variacio_jelentes(a); }
void TForm1::SpeedButton4Click() { kinel_jelentes(a); }
// The hint's choice is made on a worker; it shows when it comes back.
void TForm1::SpeedButton5Click() {
    if (!segitseg_kerese(a)) return;
    kereses.inditas(a);
    utmutato->segitseg_indult();
}
void TForm1::SpeedButton7Click() { atrendezes(a); }

// --- Menu ----------------------------------------------------------------------

// A new game throws the balances away: only after a yes.
void TForm1::jjtk1Click() {
    QMessageBox kerdes(QMessageBox::Question, QString::fromUtf8("Új játék"),
                       QString::fromUtf8("Új játékot kezd? Az egyenlegek nullára állnak."),
                       QMessageBox::NoButton, this);
    QPushButton* igen = kerdes.addButton(QString::fromUtf8("Igen"), QMessageBox::YesRole);
    kerdes.setDefaultButton(kerdes.addButton(QString::fromUtf8("Nem"), QMessageBox::NoRole));
    {
        UtmutatoNezet::Alatt alatt(*utmutato, Parbeszed::uj_jatek, &kerdes);
        kerdes.exec();
    }
    if (kerdes.clickedButton() != igen) return;
    kereses.leallitas();
    uj_jatek_kezdes(a, felulet);
}
// "mentes.txt" in the working directory. A bad file is refused by the loader
// without touching the table, so there is nothing to report here.
void TForm1::Ments1Click() { mentes(a); }
void TForm1::Betlts1Click() { betoltes(a); }

void TForm1::Szerkeszts1Click() {
    if (!szerkeszto_nyitas(a)) return;
    if (TForm3* f = urlapok().Form3) f->szerkesztes(a, felulet);
}

void TForm1::Szmll1Click() { elemzes_jelentes(a); }
void TForm1::Varici1Click() { variacio_jelentes(a); }

// Ends the process at once: nothing is asked or saved.
void TForm1::Kilps1Click() {
    kereses.leallitas();
    // The game is not saved; what the program keeps between runs is already written.
    megorzes.ablak_mentes();
    std::exit(-1);
}

void TForm1::Jtkosok1Click() { jatekosok_menu(a, felulet); }

void TForm1::Lers1Click() {
    sugo_fajl() = QString::fromUtf8(SUGO_FAJL);
    if (!Sugo) Sugo = new SugoAblak(this);
    Sugo->megnyitas(sugo_fajl());
}

void TForm1::Szerz1Click() {
    if (TForm9* f = urlapok().Form9) f->exec();
}
