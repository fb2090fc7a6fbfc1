#include <QAction>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <cmath>
#include <QToolButton>
#include <string>
#include <vector>

#include "ablak_teszt.h"
#include "model/osztas.h"
#include "support/kezek.h"
#include "table/rajzolas.h"
#include "ui/kattinthato.h"
#include "ui/sugo.h"
#include "ui/tform10.h"
#include "ui/tform2.h"
#include "ui/tform3.h"
#include "ui/utmutato_nezet.h"
#include "ui/tform4.h"
#include "ui/tform5.h"
#include "ui/tform6.h"
#include "ui/tform7.h"
#include "ui/tform8.h"
#include "ui/tform9.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;

QString u8(const char* s) { return QString::fromUtf8(s); }

// --- The frame -------------------------------------------------------------------

TEST_F(AblakTeszt, CaptionAndDefaultClientArea) {
    EXPECT_EQ(f->windowTitle(), "Kotlan");
    EXPECT_EQ(f->Tabla->size(), QSize(792, 504));
    EXPECT_EQ(f->centralWidget(), f->Tabla);
    EXPECT_NE(f->minimumSize(), f->maximumSize()) << "the window grows with the table";
    EXPECT_TRUE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(f->Tabla->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(f->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(f->windowIcon().isNull());
}

TEST_F(AblakTeszt, TenWindowsInOrderWithTheirCaptions) {
    const Urlapok& u = urlapok();
    const struct {
        QWidget* w;
        const char* felirat;
        QSize meret;
    } esetek[] = {
        {u.Form2, "Hellóbelló", {404, 103}},          {u.Form3, "Kártyalap szerkesztő", {638, 576}},
        {u.Form4, "Játékosok", {544, 245}},           {u.Form5, "Licitálás", {153, 391}},
        {u.Form6, "Tromfolósdi", {200, 136}},         {u.Form7, "Jelentések és kontrák", {401, 201}},
        {u.Form8, "Eredménytáblázat", {643, 255}},    {u.Form9, "Névjegy", {414, 328}},
        {u.Form10, "Ütések", {641, 565}},
    };
    for (const auto& e : esetek) {
        ASSERT_NE(e.w, nullptr) << e.felirat;
        EXPECT_EQ(e.w->windowTitle(), u8(e.felirat));
        EXPECT_EQ(e.w->size(), e.meret) << e.felirat;
        EXPECT_FALSE(e.w->isVisible()) << e.felirat << " is a dialog, hidden until used";
        EXPECT_EQ(e.w->parentWidget(), f);
    }
}

// --- Menu ------------------------------------------------------------------------

TEST_F(AblakTeszt, MenuItemsInOrderWithStateAndHint) {
    std::vector<QString> fomenuk;
    for (QAction* m : f->menuBar()->actions()) fomenuk.push_back(m->text());
    EXPECT_EQ(fomenuk, (std::vector<QString>{u8("Játék"), u8("Beállítások"), u8("Segítség")}));

    std::vector<QString> jatek;
    for (QAction* t : f->Jtk1->actions()) jatek.push_back(t->isSeparator() ? "-" : t->text());
    // "Új parti" (F2), "Statisztika", "Tempó", "Ajánlott lap" (H) and "Visszanézés" came
    // with the keys, the pace, the statistics and the review.
    EXPECT_EQ(jatek, (std::vector<QString>{u8("Új játék"), u8("Új parti"), "-", u8("Mentés"),
                                            u8("Betöltés"), "-", u8("Szerkesztés"), u8("Elemzés"),
                                            u8("Variáció"), "-", u8("Visszanézés"), u8("Statisztika"),
                                            "-", u8("Kilépés")}));
    ASSERT_EQ(f->Belltsok1->actions().size(), 3);
    EXPECT_EQ(f->Belltsok1->actions()[1]->text(), u8("Tempó"));
    EXPECT_EQ(f->Belltsok1->actions()[2]->menu(), f->Nagyitas1);
    ASSERT_EQ(f->Segtsg1->actions().size(), 4);
    EXPECT_EQ(f->Segtsg1->actions()[3]->text(), u8("Ajánlott lap"));
    EXPECT_EQ(f->Segtsg1->actions()[3]->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_EQ(f->jjtk1->shortcut(), QKeySequence(QKeySequence::New));

    const struct {
        QAction* t;
        const char* felirat;
        bool engedve;
        const char* tipp;
    } tetelek[] = {
        // Before the first deal: nothing to save or analyse; a deal can be loaded or laid out.
        {f->jjtk1, "Új játék", true, ""},       {f->Ments1, "Mentés", false, "Letiltva"},
        {f->Betlts1, "Betöltés", true, ""},     {f->Szerkeszts1, "Szerkesztés", true, ""},
        {f->Szmll1, "Elemzés", false, "Letiltva"}, {f->Varici1, "Variáció", false, "Letiltva"},
        {f->Kilps1, "Kilépés", true, ""},         {f->Jtkosok1, "Játékosok", true, ""},
        {f->Lers1, "Leírás", true, ""},           {f->Szerz1, "Szerző", true, ""},
    };
    for (const auto& e : tetelek) {
        EXPECT_EQ(e.t->text(), u8(e.felirat));
        EXPECT_EQ(e.t->isEnabled(), e.engedve) << e.felirat;
        EXPECT_EQ(e.t->statusTip(), u8(e.tipp)) << e.felirat;
    }
    EXPECT_EQ(f->Lers1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(f->Belltsok1->actions()[0], f->Jtkosok1);
    EXPECT_EQ(f->Segtsg1->actions()[0], f->Lers1);
}

TEST_F(AblakTeszt, GameMenuFollowsWhatItsCommandsCanDo) {
    // Each item is enabled exactly while its command can act.
    const struct {
        int32_t fazis;
        uint32_t partik;
        bool mentes, betoltes, elemzes;
    } esetek[] = {{F_NINCS_PARTI, 0, false, true, false},
                  {F_LICIT_EMBER, 1, true, false, false},
                  {F_JATEK_EMBER, 1, true, false, true},
                  {F_JATEK_GEP, 1, true, false, true},
                  {F_VEGE, 1, true, false, false},
                  {F_NINCS_PARTI, 1, true, true, false}};
    for (const auto& e : esetek) {
        f->a.fazis = e.fazis;
        f->a.parti_sorszam = e.partik;
        f->nezet_frissites();
        EXPECT_TRUE(f->jjtk1->isEnabled());
        EXPECT_EQ(f->Ments1->isEnabled(), e.mentes) << e.fazis;
        EXPECT_EQ(f->Betlts1->isEnabled(), e.betoltes) << e.fazis;
        EXPECT_EQ(f->Szerkeszts1->isEnabled(), e.betoltes) << e.fazis;
        EXPECT_EQ(f->Szmll1->isEnabled(), e.elemzes) << e.fazis;
        EXPECT_EQ(f->Varici1->isEnabled(), e.elemzes) << e.fazis;
        EXPECT_EQ(f->Szmll1->statusTip(), e.elemzes ? QString() : u8("Letiltva"));
    }
}

// --- Tool bar ----------------------------------------------------------------------

TEST_F(AblakTeszt, ToolBarButtonsPositionsHintsVisibility) {
    EXPECT_EQ(f->ToolBar1->geometry(), QRect(0, 0, 792, 40));
    const struct {
        int i, bal, szel;
        const char* tipp;
        bool lathato;
    } esetek[] = {
        {1, 0, 32, "Új parti", false}, {7, 32, 38, "Átrendezés", true}, {5, 70, 32, "Segítség", true},
        {6, 102, 36, "", false},       {2, 138, 51, "", false},         {3, 189, 52, "", false},
        {4, 241, 37, "", false},
    };
    for (const auto& e : esetek) {
        QToolButton* b = f->SpeedButton[e.i];
        EXPECT_EQ(b->x(), e.bal) << "SpeedButton" << e.i;
        EXPECT_EQ(b->width(), e.szel) << "SpeedButton" << e.i;
        EXPECT_EQ(b->height(), 32);
        EXPECT_EQ(b->toolTip(), u8(e.tipp)) << "SpeedButton" << e.i;
        EXPECT_EQ(b->isVisible(), e.lathato) << "SpeedButton" << e.i;
    }
    EXPECT_EQ(f->SpeedButton[5]->text(), "?");
    EXPECT_EQ(f->SpeedButton[2]->text(), u8("Elemzés"));
    EXPECT_EQ(f->SpeedButton[3]->text(), u8("Variáció"));
    EXPECT_EQ(f->SpeedButton[4]->text(), u8("Kinél"));
    EXPECT_EQ(f->SpeedButton[5]->font().pointSize(), 18);
    EXPECT_FALSE(f->SpeedButton[1]->icon().isNull());
    EXPECT_FALSE(f->SpeedButton[7]->icon().isNull());
}

// --- The table ----------------------------------------------------------------------

TEST_F(AblakTeszt, TableControlsAtTheirPlaces) {
    const struct {
        QWidget* w;
        QRect hely;
    } esetek[] = {
        {f->Image[1], {128, 398, 64, 100}},  {f->Image[10], {497, 398, 64, 100}},
        {f->Image[13], {538, 398, 64, 100}}, {f->Image[14], {579, 398, 64, 100}},
        {f->Image[12], {485, 262, 64, 100}}, {f->Image[11], {526, 262, 64, 100}},
        // The trick: each card where its player sits, the bottom one in full view.
        {f->Image[15], {342, 258, 64, 100}}, {f->Image[16], {410, 200, 64, 100}},
        {f->Image[17], {274, 200, 64, 100}}, {f->Image[18], {400, 64, 64, 100}},
        {f->Image[27], {688, 208, 64, 100}}, {f->Image[28], {304, 64, 64, 100}},
        {f->Image[37], {16, 208, 64, 100}},  {f->Memo2, {128, 368, 433, 25}},
        {f->Memo3, {544, 72, 225, 33}},      {f->Memo4, {8, 72, 225, 33}},
        {f->Label1, {72, 44, 657, 21}},      {f->Memo1, {648, 312, 137, 185}},
    };
    for (const auto& e : esetek) EXPECT_EQ(e.w->geometry(), e.hely) << e.w->objectName().toStdString();
    for (int k = 15; k <= 17; ++k)
        for (int j = 1; j <= 37; ++j)
            EXPECT_TRUE(j == k || !f->Image[k]->geometry().intersects(f->Image[j]->geometry())) << k << " " << j;
    EXPECT_EQ(f->StaticText1->text(), "Talon");
    EXPECT_EQ(f->StaticText1->pos(), QPoint(508, 232));
    EXPECT_TRUE(f->Memo1->isReadOnly());
}

TEST_F(AblakTeszt, PicturesStackInTheGivenOrder) {
    std::vector<int> sorrend = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11, 13, 14, 15, 16, 17};
    for (int k = 18; k <= 37; ++k) sorrend.push_back(k);
    const QObjectList gyerekek = f->Tabla->children();
    int elozo = -1;
    for (int k : sorrend) {
        const int hely = static_cast<int>(gyerekek.indexOf(f->Image[k]));
        EXPECT_GT(hely, elozo) << "Image" << k << " must lie above the picture before it";
        elozo = hely;
    }
}

TEST_F(AblakTeszt, StartUpShowsBacksAndHidesPositionsElevenAndTwelve) {
    for (int k = 1; k <= 12; ++k) {
        EXPECT_TRUE(f->Image[k]->isVisible()) << k;
        EXPECT_EQ(f->Image[k]->betoltott(), "kartya/hat.jpg") << k;
        ASSERT_FALSE(f->Image[k]->pixmap().isNull()) << "kartya/hat.jpg not found in the build tree";
        EXPECT_EQ(f->Image[k]->pixmap().size(), QSize(64, 100));
    }
    EXPECT_FALSE(f->Image[13]->isVisible());
    EXPECT_FALSE(f->Image[14]->isVisible());
    EXPECT_EQ(f->Button1->text(), u8("Új parti"));
    EXPECT_TRUE(f->Button1->isVisible());
    EXPECT_TRUE(f->Memo1->toPlainText().isEmpty());
}

// For a screen scaled by 2 each picture comes from its twice-sized drawing, which
// takes the same room in the window and, scaled down, is the same picture.
TEST_F(AblakTeszt, TwiceSizedPicturesForScaledScreens) {
    QStringList fajlok = {"kartya/nevjegy.jpg", "kartya/gomb_uj.png", "kartya/gomb_rendez.png",
                          "kartya/gomb_6.png"};
    for (int k = 0; k <= HATLAP; ++k) fajlok << kepfajlok[k];
    for (const QString& fajl : fajlok) {
        const QPixmap egy = kep_fajlbol(fajl, 1), ket = kep_fajlbol(fajl, 2);
        ASSERT_FALSE(ket.isNull()) << fajl.toStdString();
        EXPECT_EQ(egy.devicePixelRatio(), 1.0);
        EXPECT_EQ(ket.devicePixelRatio(), 2.0) << fajl.toStdString();
        EXPECT_EQ(ket.size(), egy.size() * 2) << fajl.toStdString();
        EXPECT_EQ(ket.deviceIndependentSize().toSize(), egy.size());
        const QImage kicsi = ket.toImage().scaled(egy.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_ARGB32);
        const QImage eredeti = egy.toImage().convertToFormat(QImage::Format_ARGB32);
        double elteres = 0;
        for (int y = 0; y < eredeti.height(); ++y)
            for (int x = 0; x < eredeti.width(); ++x) {
                const QRgb a = kicsi.pixel(x, y), b = eredeti.pixel(x, y);
                elteres += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            }
        EXPECT_LT(elteres / (3.0 * eredeti.width() * eredeti.height()), 16) << fajl.toStdString();
    }
    // A picture with no twice-sized file is taken as it is.
    EXPECT_EQ(kep_fajlbol("kartya/ikon.png", 2).devicePixelRatio(), 1.0);
}

TEST_F(AblakTeszt, AllCardPicturesExistAtTheirSize) {
    for (int k = 0; k <= HATLAP; ++k) {
        const QPixmap p(kepfajlok[k]);
        ASSERT_FALSE(p.isNull()) << kepfajlok[k];
        EXPECT_EQ(p.size(), QSize(64, 100)) << kepfajlok[k];
    }
}

// The auction with seat 0 on turn, as the deal cycle leaves it.
void licit_elott(TForm1* f) {
    teszt::leosztas(f->a, "Piros Ász, Piros 10, Piros Király, Piros Felső, Piros Alsó, Piros 9, Piros 8, "
                          "Piros 7, Tök Ász, Tök 10",
                    "Tök Király, Tök Felső, Tök Alsó, Tök 9, Tök 8, Tök 7, Zöld Ász, Zöld 10, Zöld Király, "
                    "Zöld Felső",
                    "Zöld Alsó, Zöld 9, Zöld 8, Zöld 7, Makk Ász, Makk 10, Makk Király, Makk Felső, Makk "
                    "Alsó, Makk 9",
                    "Makk 8, Makk 7");
    ablak_indulas(f->a);
    f->a.emberek_szama = 1;
    f->a.fazis = F_LICIT_EMBER;
    f->a.licitek_szama = 1;
    f->a.nezet.button2_lathato = true;
    kez_rajzolas(f->a, 0, 10);
    f->nezet_frissites();
}

void kattint(Kattinthato* k) {
    ASSERT_TRUE(k->isVisible()) << k->objectName().toStdString() << " is hidden";
    QTest::mouseClick(k, Qt::LeftButton);
}

TEST_F(AblakTeszt, TalonClicksReachTheirHandlerAndShowTheResult) {
    licit_elott(f);
    EXPECT_EQ(f->Image[1]->betoltott(), kepfajlok[teszt::lap("Piros Ász").kep]);
    kattint(f->Image[11]);
    EXPECT_EQ(f->a.benyult, 1);
    EXPECT_EQ(f->Image[11]->betoltott(), "kartya/m8.jpg");
    EXPECT_EQ(f->Image[12]->betoltott(), "kartya/m7.jpg");
    EXPECT_FALSE(f->Button2->isVisible());

    kattint(f->Image[12]);
    EXPECT_EQ(f->a.fazis, F_ELSO_DOBAS);
    EXPECT_FALSE(f->Image[11]->isVisible());
    EXPECT_TRUE(f->Image[13]->isVisible());
    EXPECT_TRUE(f->Image[14]->isVisible());

    kattint(f->Image[14]);
    EXPECT_EQ(f->a.fazis, F_MASODIK_DOBAS);
    EXPECT_FALSE(f->Image[14]->isVisible());
    EXPECT_TRUE(f->Image[11]->isVisible());
    kattint(f->Image[13]);
    EXPECT_EQ(f->a.fazis, F_LICIT_EMBER);
    EXPECT_FALSE(f->Image[13]->isVisible());
    EXPECT_TRUE(f->Image[12]->isVisible());
}

TEST_F(AblakTeszt, ResortButtonTogglesTheBottomRow) {
    licit_elott(f);
    const QString masodik = f->Image[2]->betoltott();
    QTest::mouseClick(f->SpeedButton[7], Qt::LeftButton);
    EXPECT_EQ(f->a.adu, NINCS_ADU);
    EXPECT_EQ(f->Image[2]->betoltott(), kepfajlok[teszt::lap("Piros Király").kep]);
    QTest::mouseClick(f->SpeedButton[7], Qt::LeftButton);
    EXPECT_EQ(f->Image[2]->betoltott(), masodik);
}

TEST_F(AblakTeszt, HiddenNewDealButtonAndNewGameMenu) {
    licit_elott(f);
    f->a.fazis = F_JATEK_GEP;
    f->a.nezet.button1_lathato = false;
    f->a.jatekosok[1].egyenleg = 40;
    f->a.jatekosok[2].egyenleg = -40;
    f->nezet_frissites();
    // "Új játék" asks first: "Nem" leaves the deal as it is.
    QString kerdes;
    bool igen = false;
    teszt::ModalFelelo felelo([&](QWidget* w) {
        auto* m = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(m, nullptr);
        kerdes = m->text();
        for (QAbstractButton* b : m->buttons())
            if (b->text() == u8(igen ? "Igen" : "Nem")) b->click();
    });
    f->jjtk1->trigger();
    EXPECT_EQ(kerdes, u8("Új játékot kezd? Az egyenlegek nullára állnak."));
    EXPECT_EQ(f->a.fazis, F_JATEK_GEP);
    EXPECT_EQ(f->a.jatekosok[1].egyenleg, 40);
    // "Igen": the balances back to zero and a new first deal, the human bidding first.
    const uint32_t parti = f->a.parti_sorszam;
    igen = true;
    f->jjtk1->trigger();
    EXPECT_EQ(f->a.parti_sorszam, parti + 1);
    EXPECT_EQ(f->a.fazis, F_ELSO_DOBAS);
    EXPECT_EQ(f->a.oszto, 2);
    for (const Jatekos& j : f->a.jatekosok) EXPECT_EQ(j.egyenleg, 0);
    EXPECT_EQ(f->utmutato->egyenleg(1)->text(), u8("Egyenleg: 0 Ft"));
    EXPECT_TRUE(f->Button1->isVisible());
    EXPECT_EQ(f->Button1->text(), u8("Licitálás"));

    f->a.fazis = F_JATEK_EMBER;
    f->SpeedButton[1]->click();  // hidden on the tool bar: by program only
    EXPECT_EQ(f->a.fazis, F_NINCS_PARTI);
    EXPECT_TRUE(f->Button1->isVisible());
    EXPECT_FALSE(f->Button2->isVisible());
}

TEST_F(AblakTeszt, WindowHintFollowsTheTable) {
    licit_elott(f);
    f->a.nezet.hint = "Az ajánlott lap: Piros Ász";
    f->a.nezet.hint_latszik = true;
    f->nezet_frissites();
    EXPECT_EQ(f->Tabla->toolTip(), u8("Az ajánlott lap: Piros Ász"));
    kattint(f->Image[11]);  // a talon click switches the hint off
    EXPECT_TRUE(f->Tabla->toolTip().isEmpty());
}

TEST_F(AblakTeszt, LogAndTextsAreCopied) {
    f->a.nezet.memo1 = {"Telmi: Passz 1 Ft", "", "Varko: Passz"};
    f->a.nezet.label1 = "Telmi: Piros Ulti 8+2 Ft";
    f->a.nezet.memo3 = "Varko: Kontra Parti";
    f->nezet_frissites();
    EXPECT_EQ(f->Memo1->toPlainText(), u8("Telmi: Passz 1 Ft\n\nVarko: Passz"));
    EXPECT_EQ(f->Label1->text(), u8("Telmi: Piros Ulti 8+2 Ft"));
    EXPECT_EQ(f->Memo3->text(), u8("Varko: Kontra Parti"));
}

// The screen lines of `szoveg` set in `betu` and wrapped at words to `szel` pixels.
QStringList kepernyo_sorok(const QString& szoveg, const QFont& betu, int szel) {
    QTextLayout l(szoveg, betu);
    QTextOption o;
    o.setWrapMode(QTextOption::WordWrap);
    l.setTextOption(o);
    l.beginLayout();
    QStringList sorok;
    for (QTextLine s = l.createLine(); s.isValid(); s = l.createLine()) {
        s.setLineWidth(szel);
        sorok << szoveg.mid(s.textStart(), s.textLength());
    }
    l.endLayout();
    return sorok;
}

// "40-em" and "20-am" stay on one screen line in the log and the name boxes at any
// width, while the table state keeps the texts as written.
TEST_F(AblakTeszt, MeldWordsAreNotSplitAtTheirHyphen) {
    const std::string sor = "Telmi: Van egy 40-em, és két 20-am.";
    f->a.nezet.memo1 = {sor};
    f->a.nezet.memo3 = sor;
    f->nezet_frissites();
    EXPECT_EQ(f->a.nezet.memo1[0], sor);
    EXPECT_EQ(f->a.nezet.memo3, sor);
    EXPECT_EQ(f->Memo3->text().count(QChar('-')) + f->Memo3->text().count(QChar(0x2011)), 2);
    const QString naplo = f->Memo1->document()->firstBlock().text();
    for (int szel = 30; szel <= 240; szel += 3)
        for (const auto& [szoveg, betu] : {std::pair{naplo, f->Memo1->font()},
                                          std::pair{f->Memo3->text(), f->Memo3->font()}})
            for (const QString& s : kepernyo_sorok(szoveg, betu, szel))
                EXPECT_FALSE(s.trimmed().endsWith('-') || s.trimmed().endsWith(QChar(0x2011)))
                    << szel << " px: " << s.toStdString();
    // The log's own layout at its width: "40-em" on one line.
    const QTextLayout* l = f->Memo1->document()->firstBlock().layout();
    const int negyven = naplo.indexOf(u8("40"));
    EXPECT_EQ(l->lineForTextPosition(negyven).lineNumber(), l->lineForTextPosition(negyven + 4).lineNumber());
}

// --- Dialogs ---------------------------------------------------------------------------

// Contrast of two colours as the ratio of their relative luminances (1 to 21).
double kontraszt(const QColor& x, const QColor& y) {
    auto fenyesseg = [](const QColor& c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double a = fenyesseg(x), b = fenyesseg(y);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// A box of "Jelentések és kontrák" that does not apply looks it on the lime: its
// square is hollow, the lime showing through, and its caption is muted but readable,
// where an enabled box has a white square and a black caption.
TEST_F(AblakTeszt, DisabledAnnouncementBoxesLookDisabled) {
    TForm7* d = urlapok().Form7;
    d->CheckBox[9]->setEnabled(true);
    d->CheckBox[10]->setEnabled(false);
    struct Kep {
        QColor negyzet;
        double felirat = 1;  // the caption's strongest contrast with the lime
    };
    auto nez = [](QCheckBox* c) {
        QStyleOptionButton o;
        o.initFrom(c);
        const QRect n = c->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &o, c);
        const QRect felirat = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c);
        const QImage i = c->grab().toImage();
        Kep k;
        k.negyzet = i.pixelColor(n.center());
        for (int y = felirat.top(); y <= felirat.bottom(); ++y)
            for (int x = felirat.left(); x <= felirat.right(); ++x)
                k.felirat = std::max(k.felirat, kontraszt(i.pixelColor(x, y), LIME_HATTER));
        return k;
    };
    const Kep be = nez(d->CheckBox[9]), ki = nez(d->CheckBox[10]);
    EXPECT_EQ(be.negyzet, QColor(Qt::white));
    EXPECT_EQ(ki.negyzet, LIME_HATTER);
    EXPECT_GT(be.felirat, 10);
    EXPECT_GT(ki.felirat, 2.5);  // readable
    EXPECT_LT(ki.felirat, 5);    // but plainly paler than an enabled caption
}

TEST_F(AblakTeszt, MessageDialogShowsTheLineUntilOk) {
    QString cim, szoveg;
    ModalFelelo felelo([&](QWidget* w) {
        cim = w->windowTitle();
        auto* d = qobject_cast<TForm2*>(w);
        ASSERT_NE(d, nullptr);
        szoveg = d->Label1->text();
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    f->felulet.uzenet(f->a, "Renonsz!!!");
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_EQ(cim, u8("Hellóbelló"));
    EXPECT_EQ(szoveg, "Renonsz!!!");
    EXPECT_FALSE(urlapok().Form2->isVisible());

    // The dialog is kept and reused for the next message.
    f->felulet.uzenet(f->a, "Benyúlás után nem lehet passzolni!");
    EXPECT_EQ(felelo.megvalaszolt(), 2);
    EXPECT_EQ(szoveg, u8("Benyúlás után nem lehet passzolni!"));
}

TEST_F(AblakTeszt, AboutDialogIsModal) {
    QString cim;
    QSize kep;
    ModalFelelo felelo([&](QWidget* w) {
        cim = w->windowTitle();
        if (auto* d = qobject_cast<TForm9*>(w)) kep = d->Image1->pixmap().size();
        w->close();
    });
    f->Szerz1->trigger();
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_EQ(cim, u8("Névjegy"));
    EXPECT_EQ(kep, QSize(390, 300));
}

// --- Help ------------------------------------------------------------------------------

TEST_F(AblakTeszt, HelpOpensAtItsTopWithF1) {
    QTest::keyClick(f, Qt::Key_F1);
    ASSERT_NE(f->Sugo, nullptr);
    EXPECT_TRUE(f->Sugo->isVisible());
    const QString szoveg = f->Sugo->Szoveg->toPlainText();
    EXPECT_TRUE(szoveg.contains("Ulti")) << szoveg.left(200).toStdString();
    EXPECT_TRUE(szoveg.contains(u8("Licitálás")));
    EXPECT_EQ(sugo_fajl(), "help/project1.hlp");
    // Scrolled down and opened again: back at the top.
    f->Sugo->Szoveg->verticalScrollBar()->setValue(f->Sugo->Szoveg->verticalScrollBar()->maximum());
    f->Lers1->trigger();
    EXPECT_EQ(f->Sugo->Szoveg->verticalScrollBar()->value(), 0);
}

TEST_F(AblakTeszt, MissingHelpFileIsSaidInTheWindow) {
    QTemporaryDir ures;
    const QString vissza = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ures.path()));
    f->Lers1->trigger();
    QDir::setCurrent(vissza);
    ASSERT_NE(f->Sugo, nullptr);
    EXPECT_TRUE(f->Sugo->isVisible());
    EXPECT_TRUE(f->Sugo->Szoveg->toPlainText().contains(u8("nem található")));
}

// --- Leaving the program -----------------------------------------------------------------

TEST_F(AblakTeszt, QuitEndsAtOnceWithMinusOne) {
    EXPECT_EXIT(f->Kilps1->trigger(), testing::ExitedWithCode(255), "");
}

// An event handler that fails, standing for any fault that escapes to the loop.
class Hibas : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("elromlott valami"); }
};

TEST_F(AblakTeszt, ExceptionInTheLoopIsShownThenTheProgramEnds) {
    EXPECT_EXIT(
        {
            ModalFelelo felelo([](QWidget* w) {
                if (w->windowTitle() == "Kotlan") std::fprintf(stderr, "box shown\n");
                w->close();
            });
            Hibas h;
            QEvent e(QEvent::User);
            QCoreApplication::sendEvent(&h, &e);
        },
        testing::ExitedWithCode(1), "box shown");
}

}  // namespace
