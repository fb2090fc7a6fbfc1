// The result table and the tricks viewer, on finished deals written trick by trick.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <string>
#include <vector>

#include "ablak_teszt.h"
#include "scoring/elszamolas.h"
#include "scoring/lejatszas.h"
#include "scoring/partik.h"
#include "ui/kattinthato.h"
#include "ui/tform10.h"
#include "ui/tform8.h"

namespace {

using teszt::AblakTeszt;
using teszt::ModalFelelo;
namespace partik = teszt::partik;

QString u8(const char* s) { return QString::fromUtf8(s); }

void tok_ulti(Asztal& a) {
    teszt::lejatszas(a, TOK, 1, partik::tok_ulti, partik::tok_ulti_talon);
    a.jatek = Licit{};
    a.jatek.ulti = 1;
}

void betli(Asztal& a) {
    teszt::lejatszas(a, NINCS_ADU, 0, partik::betli, partik::betli_talon);
    a.jatek = Licit{};
    a.jatek.betli = 1;
}

void korai_betli(Asztal& a) {
    teszt::lejatszas(a, NINCS_ADU, 0, partik::betli_korai, partik::betli_korai_talon,
                     {partik::betli_korai_maradek[0], partik::betli_korai_maradek[1],
                      partik::betli_korai_maradek[2]});
    a.jatek = Licit{};
    a.jatek.betli = 1;
}

// What the viewer showed: per picture 1..90 whether it was visible and its file.
struct Latvany {
    bool lathato[91] = {};
    QString fajl[91];
    QString nev[3];
};

// Opens the viewer from the result table's "Ütések" for the table `a` and reads it.
Latvany utesek_megnyitasa(Asztal& a) {
    TForm8* f8 = urlapok().Form8;
    f8->kitoltes(a, elszamolas(a));
    Latvany l;
    ModalFelelo felelo([&](QWidget* w) {
        auto* f10 = qobject_cast<TForm10*>(w);
        ASSERT_NE(f10, nullptr) << w->windowTitle().toStdString();
        for (int n = 1; n <= 90; ++n) {
            l.lathato[n] = f10->Image[n]->isVisible();
            l.fajl[n] = f10->Image[n]->betoltott();
        }
        l.nev[0] = f10->Label1->text();
        l.nev[1] = f10->Label2->text();
        l.nev[2] = f10->Label3->text();
        QTest::mouseClick(f10->Button1, Qt::LeftButton);
    });
    f8->Button2->click();
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_FALSE(urlapok().Form10->isVisible());
    return l;
}

// Pictures first..last (inclusive) shown, the rest of that column hidden.
void oszlop_ellenorzes(const Latvany& l, int seat, int lathato_db) {
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(l.lathato[30 * seat + i], i <= lathato_db) << "Image" << 30 * seat + i;
}

TEST_F(AblakTeszt, ResultTableShowsTheSettlementAndClosesWithKesz) {
    tok_ulti(f->a);
    const Elszamolas e = elszamolas(f->a);
    QString cim, cimke[3], memo[3];
    ModalFelelo felelo([&](QWidget* w) {
        auto* d = qobject_cast<TForm8*>(w);
        ASSERT_NE(d, nullptr);
        cim = d->windowTitle();
        QLabel* l[3] = {d->Label1, d->Label2, d->Label3};
        QPlainTextEdit* m[3] = {d->Memo1, d->Memo2, d->Memo3};
        for (int s = 0; s < 3; ++s) {
            cimke[s] = l[s]->text();
            memo[s] = m[s]->toPlainText();
        }
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    f->felulet.eredmeny_tabla(f->a, e);
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_EQ(cim, u8("Eredménytáblázat"));
    EXPECT_EQ(cimke[0], u8("Telmi -5 Ft"));
    EXPECT_EQ(cimke[1], u8("Varko +10 Ft"));
    EXPECT_EQ(cimke[2], u8("Rido -5 Ft"));
    EXPECT_EQ(memo[1], u8("Teljesítette a partit 60 30 arányban: +2 Ft\n"
                          "Teljesítette az ultit: +8 Ft\n\nÖsszesen : +10 Ft"));
    EXPECT_EQ(memo[0], u8("Elbukta a partit 30 60 arányban: -1 Ft\n"
                          "Kifizeti az ultit: -4 Ft\n\nÖsszesen : -5 Ft"));
    EXPECT_EQ(memo[2], memo[0]);
    EXPECT_FALSE(urlapok().Form8->isVisible());
}

// The longest lines the settlement writes: the colour deals in Tök and in Piros with
// every colour component, the silent 100s on both sides, and each contra level; the
// colourless deal with every colourless component under one, two and a recontra'd
// contra. Each seat's column gets its own lines.
Elszamolas hosszu_sorok(Asztal& a) {
    Elszamolas ossz;
    auto hozzaad = [&](const Elszamolas& e) {
        for (int s = 0; s < 3; ++s) ossz.sorok[s].insert(ossz.sorok[s].end(), e.sorok[s].begin(), e.sorok[s].end());
    };
    for (int szint = 1; szint <= 3; ++szint) {
        for (const bool piros : {false, true}) {
            for (const bool szaz : {false, true}) {
                const auto t = teszt::szincsere({partik::tok_ulti_talon}, "Tök", piros ? "Piros" : "Tök");
                teszt::lejatszas(a, piros ? PIROS : TOK, 1,
                                 teszt::szincsere(partik::tok_ulti, "Tök", piros ? "Piros" : "Tök"), t[0]);
                a.jatek = Licit{};
                for (int f : {L_PASSZ, L_NEGYVEN_SZAZ, L_HUSZ_SZAZ, L_ULTI, L_NEGY_ASZ, L_DURCHMARS,
                              L_TERITETT_DURCHMARS}) {
                    a.jatek[f] = 1;
                    a.jatekosok[0].kontra[f] = szint >= 2;
                    a.jatekosok[1].kontra[f] = szint == 3;
                }
                a.jatek.piros = piros;
                a.jatekosok[szaz ? 1 : 0].bemondott = 4;  // a forty: someone reaches 100
                hozzaad(elszamolas(a));
            }
        }
        teszt::lejatszas(a, NINCS_ADU, 0, partik::betli, partik::betli_talon);
        a.jatek = Licit{};
        for (int f = L_BETLI; f < LICIT_FLAGEK; ++f) {
            a.jatek[f] = 1;
            a.jatekosok[1].kontra[f] = 1;
            a.jatekosok[2].kontra[f] = szint >= 2;
            a.jatekosok[0].kontra[f] = szint != 2;
        }
        hozzaad(elszamolas(a));
    }
    return ossz;
}

// Whether every line of `m` shows whole: no sideways scrolling, no screen line wider
// than the field, and each amount (sign, figure, "Ft") on the last screen line of
// its line.
void egeszen_latszik(QPlainTextEdit* m, const char* nev) {
    EXPECT_EQ(m->horizontalScrollBar()->maximum(), 0) << nev;
    EXPECT_FALSE(m->horizontalScrollBar()->isVisible()) << nev;
    auto* elrendezes = qobject_cast<QPlainTextDocumentLayout*>(m->document()->documentLayout());
    ASSERT_NE(elrendezes, nullptr);
    static const QRegularExpression osszeg(QStringLiteral("[+-]\\d+\\sFt$"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    for (QTextBlock b = m->document()->begin(); b.isValid(); b = b.next()) {
        elrendezes->ensureBlockLayout(b);
        const QTextLayout* l = b.layout();
        for (int i = 0; i < l->lineCount(); ++i) {
            EXPECT_LE(l->lineAt(i).naturalTextWidth(), l->lineAt(i).width()) << nev << ": " << b.text().toStdString();
            EXPECT_LE(l->lineAt(i).width(), m->viewport()->width()) << nev;
        }
        const int jel = b.text().indexOf(osszeg);
        if (b.text().isEmpty() || b.text() == u8("Pénz az ablakban!")) continue;
        ASSERT_GE(jel, 0) << nev << ": " << b.text().toStdString();
        EXPECT_EQ(l->lineForTextPosition(jel).lineNumber(), l->lineCount() - 1)
            << nev << ": " << b.text().toStdString();
    }
}

TEST_F(AblakTeszt, ResultTableWrapsLongLinesAndKeepsEveryAmountInView) {
    const Elszamolas e = hosszu_sorok(f->a);
    qsizetype leghosszabb = 0;
    for (const auto& sorok : e.sorok)
        for (const std::string& s : sorok) leghosszabb = std::max(leghosszabb, QString::fromUtf8(s).size());
    EXPECT_GE(leghosszabb, 70);  // "Teljesítette az egyszeresen rekontrázott ..."
    int tobbsoros = 0;
    ModalFelelo felelo([&](QWidget* w) {
        auto* d = qobject_cast<TForm8*>(w);
        ASSERT_NE(d, nullptr);
        QPlainTextEdit* m[3] = {d->Memo1, d->Memo2, d->Memo3};
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(m[s]->document()->blockCount(), static_cast<int>(e.sorok[s].size()));
            egeszen_latszik(m[s], qPrintable(m[s]->objectName()));
            for (QTextBlock b = m[s]->document()->begin(); b.isValid(); b = b.next())
                tobbsoros += b.layout()->lineCount() > 1;
        }
        QTest::mouseClick(d->Button1, Qt::LeftButton);
    });
    f->felulet.eredmeny_tabla(f->a, e);
    EXPECT_EQ(felelo.megvalaszolt(), 1);
    EXPECT_GT(tobbsoros, 0);  // the long lines did wrap
}

TEST_F(AblakTeszt, ResultTableLayout) {
    TForm8* d = urlapok().Form8;
    EXPECT_EQ(d->size(), QSize(643, 255));
    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d->Button1->text(), u8("Kész"));
    EXPECT_EQ(d->Button2->text(), u8("Ütések"));
    EXPECT_GT(d->Button1->x(), d->Button2->x());
    QLabel* l[3] = {d->Label1, d->Label2, d->Label3};
    QPlainTextEdit* m[3] = {d->Memo1, d->Memo2, d->Memo3};
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(l[s]->x(), 16 + 208 * s);
        EXPECT_EQ(l[s]->width(), 185);
        EXPECT_EQ(l[s]->font().pixelSize(), 16);
        EXPECT_EQ(m[s]->geometry().topLeft().x(), 8 + 208 * s);
        EXPECT_EQ(m[s]->size(), QSize(201, 145));
        EXPECT_GT(m[s]->y(), l[s]->y());
        EXPECT_TRUE(m[s]->isReadOnly());
    }
}

// "Eredmény" settles, shows the table, and once it is closed the next deal is dealt.
TEST_F(AblakTeszt, EredmenyThenTheNextDealIsAlreadyDealt) {
    tok_ulti(f->a);
    f->a.nezet.button1_felirat = "Eredmény";
    f->nezet_frissites();
    int tablak = 0;
    ModalFelelo felelo([&](QWidget* w) {
        if (auto* d = qobject_cast<TForm8*>(w)) {
            ++tablak;
            QTest::mouseClick(d->Button1, Qt::LeftButton);
        } else {
            ADD_FAILURE() << "unexpected dialog " << w->windowTitle().toStdString();
            w->close();
        }
    });
    QTest::mouseClick(f->Button1, Qt::LeftButton);
    EXPECT_EQ(tablak, 1);
    EXPECT_EQ(f->Button1->text(), u8("Licitálás"));
    EXPECT_NE(f->a.fazis, F_VEGE);
    EXPECT_EQ(f->a.jatekosok[0].egyenleg, -5);
    EXPECT_EQ(f->a.jatekosok[1].egyenleg, 10);
    EXPECT_EQ(f->a.jatekosok[2].egyenleg, -5);
}

// The viewer opens from the result table and the result table stays beneath it.
TEST_F(AblakTeszt, UtesekOpensOverTheResultTable) {
    betli(f->a);
    const Elszamolas e = elszamolas(f->a);
    std::vector<std::string> sorrend;
    bool nezett = false;
    bool fuggo = false;  // a click on the result table is on its way
    ModalFelelo felelo([&](QWidget* w) {
        if (fuggo && qobject_cast<TForm8*>(w)) return;
        sorrend.push_back(w->windowTitle().toStdString());
        if (auto* d10 = qobject_cast<TForm10*>(w)) {
            EXPECT_TRUE(urlapok().Form8->isVisible());
            nezett = true;
            QTest::mouseClick(d10->Button1, Qt::LeftButton);
        } else if (auto* d8 = qobject_cast<TForm8*>(w)) {
            if (fuggo) return;
            // The viewer's own modal loop must start outside this answer.
            fuggo = true;
            QPushButton* gomb = nezett ? d8->Button1 : d8->Button2;
            QTimer::singleShot(0, gomb, [gomb, &fuggo] {
                fuggo = false;
                QTest::mouseClick(gomb, Qt::LeftButton);
            });
        }
    });
    f->felulet.eredmeny_tabla(f->a, e);
    EXPECT_EQ(sorrend, (std::vector<std::string>{"Eredménytáblázat", "Ütések", "Eredménytáblázat"}));
}

TEST_F(AblakTeszt, TricksViewerEmptyColumnUnderTheName) {
    tok_ulti(f->a);
    const Latvany l = utesek_megnyitasa(f->a);
    EXPECT_EQ(l.nev[0], "Telmi");
    EXPECT_EQ(l.nev[1], "Varko");
    EXPECT_EQ(l.nev[2], "Rido");
    oszlop_ellenorzes(l, 0, 0);   // seat 0 took nothing
    oszlop_ellenorzes(l, 1, 21);  // seven tricks
    oszlop_ellenorzes(l, 2, 9);   // three tricks
    // Seat 2's first row is trick 5: Zöld 9, Zöld 10, Zöld Alsó.
    EXPECT_EQ(l.fajl[61], "kartya/z9.jpg");
    EXPECT_EQ(l.fajl[62], "kartya/z0.jpg");
    EXPECT_EQ(l.fajl[63], "kartya/za.jpg");
}

TEST_F(AblakTeszt, TricksViewerFullColumn) {
    betli(f->a);
    const Latvany l = utesek_megnyitasa(f->a);
    oszlop_ellenorzes(l, 0, 0);
    oszlop_ellenorzes(l, 1, 0);
    oszlop_ellenorzes(l, 2, 30);
    EXPECT_EQ(l.fajl[61], "kartya/m7.jpg");
    EXPECT_EQ(l.fajl[62], "kartya/m0.jpg");
    EXPECT_EQ(l.fajl[63], "kartya/mf.jpg");
    EXPECT_EQ(l.fajl[88], "kartya/pk.jpg");
    EXPECT_EQ(l.fajl[89], "kartya/p8.jpg");
    EXPECT_EQ(l.fajl[90], "kartya/pa.jpg");
}

TEST_F(AblakTeszt, TricksViewerAfterAnEarlyBetli) {
    korai_betli(f->a);
    const Latvany l = utesek_megnyitasa(f->a);
    oszlop_ellenorzes(l, 0, 3);
    oszlop_ellenorzes(l, 1, 0);
    oszlop_ellenorzes(l, 2, 6);
    EXPECT_EQ(l.fajl[1], "kartya/t7.jpg");
    EXPECT_EQ(l.fajl[2], "kartya/td.jpg");
    EXPECT_EQ(l.fajl[3], "kartya/t8.jpg");
}

// The second opening hides rows an earlier deal filled, and opening the same deal
// twice shows the same pictures.
TEST_F(AblakTeszt, TricksViewerSecondOpeningWithFewerTricks) {
    betli(f->a);
    const Latvany elso = utesek_megnyitasa(f->a);
    oszlop_ellenorzes(elso, 2, 30);
    const Latvany ujra = utesek_megnyitasa(f->a);
    for (int n = 1; n <= 90; ++n) {
        EXPECT_EQ(ujra.lathato[n], elso.lathato[n]) << n;
        if (elso.lathato[n]) {
            EXPECT_EQ(ujra.fajl[n], elso.fajl[n]) << n;
        }
    }
    korai_betli(f->a);
    const Latvany masodik = utesek_megnyitasa(f->a);
    oszlop_ellenorzes(masodik, 0, 3);
    oszlop_ellenorzes(masodik, 1, 0);
    oszlop_ellenorzes(masodik, 2, 6);
}

TEST_F(AblakTeszt, TricksViewerLayoutFansEachRow) {
    TForm10* d = urlapok().Form10;
    EXPECT_EQ(d->windowTitle(), u8("Ütések"));
    EXPECT_EQ(d->size(), QSize(641, 565));
    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d->Button1->text(), u8("Kész"));
    QLabel* l[3] = {d->Label1, d->Label2, d->Label3};
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(l[s]->x(), 16 + 208 * s);
        EXPECT_EQ(l[s]->width(), 185);
        for (int k = 0; k < 10; ++k)
            for (int j = 0; j < 3; ++j) {
                const int n = 30 * s + 3 * k + j + 1;
                EXPECT_EQ(d->Image[n]->geometry(), QRect(40 + 208 * s + 40 * j, 32 + 40 * k, 64, 100))
                    << "Image" << n;
                EXPECT_EQ(d->Image[n]->objectName(), QString("Image%1").arg(n));
            }
    }
    // Each later picture lies over the earlier one it overlaps.
    betli(f->a);
    TForm8* f8 = urlapok().Form8;
    f8->kitoltes(f->a, elszamolas(f->a));
    QWidget* fent_sorban = nullptr;
    QWidget* fent_sorok_kozt = nullptr;
    ModalFelelo felelo([&](QWidget* w) {
        fent_sorban = w->childAt(500, 50);      // Image61 and Image62 overlap here
        fent_sorok_kozt = w->childAt(470, 100); // Image61 and Image64 overlap here
        w->close();
    });
    f8->Button2->click();
    EXPECT_EQ(fent_sorban, d->Image[62]);
    EXPECT_EQ(fent_sorok_kozt, d->Image[64]);
}

}  // namespace
