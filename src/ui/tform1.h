#pragma once
// The main window: the green table with its menu and tool bar. It owns the one
// table state of the program; every handler calls the core and then copies what
// the core now says (`a.nezet`) onto the widgets.

#include <QMainWindow>
#include <functional>

#include "model/asztal.h"
#include "ui/billentyuk.h"
#include "ui/hatter_kereses.h"
#include "ui/megorzes.h"
#include "ui/qt_felulet.h"
#include "ui/rekord_fajl.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class Elrendezes;
class Kattinthato;
class SugoAblak;
class UtesNezo;
class UtmutatoNezet;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* szulo = nullptr);

    // The table state and the dialogs' half of the seam.
    Asztal a;
    QtFelulet felulet{*this};
    // The card choices on their worker threads (the computer's turn, the hint).
    HatterKereses kereses;
    // What the program keeps between runs.
    Megorzes megorzes{*this};
    // Picking and playing cards from the keyboard.
    Billentyuk billentyuk{*this};
    // The last deals' records kept between runs.
    RekordMegorzes rekord_megorzes;

    // Copies `a.nezet` onto the widgets: pictures, visibility, texts, buttons, hint.
    void nezet_frissites();
    // Runs a handler, then shows the table as the core left it.
    void kezel(const std::function<void()>& kezelo);

    // The table's scale in percent (100: the table of 792 x 504); setting it gives
    // the window the size of that scale ("Nagyítás").
    int nagyitas() const;
    void nagyitas_beallitas(int szazalek);

    // --- Controls, named as on the form -------------------------------------
    QWidget* Tabla;               // the client area, 792 x 504 at the default scale
    Elrendezes* elrendezes;       // scales the table to the window
    Kattinthato* Image[38];       // Image1 .. Image37 (index 0 unused)
    QLabel* StaticText1;          // "Talon"
    Kattinthato* Memo2;           // name boxes: bottom, right, left seat
    Kattinthato* Memo3;
    Kattinthato* Memo4;
    QPlainTextEdit* Memo1;        // the table log
    QLabel* Label1;               // the contract line
    QPushButton* Button1;         // "Új parti" / "Licitálás" / "Eredmény"
    QPushButton* Button2;         // "Passz"
    QWidget* ToolBar1;
    QToolButton* SpeedButton[8];  // SpeedButton1 .. SpeedButton7 (index 0 unused)
    QLabel* Tipp;                 // the hint beside "?", until the next click
    QWidget* Jelolo;              // the frame on the hint's card, until the next click
    QWidget* Valasztas;           // the same frame on the card picked with the keys

    QMenu* Jtk1;                  // "Játék"
    QMenu* Belltsok1;             // "Beállítások"
    QMenu* Segtsg1;               // "Segítség"
    QMenu* Nagyitas1;             // "Nagyítás"
    QAction* jjtk1;               // "Új játék"
    QAction* Ments1;              // "Mentés"
    QAction* Betlts1;             // "Betöltés"
    QAction* Szerkeszts1;         // "Szerkesztés"
    QAction* Szmll1;              // "Elemzés"
    QAction* Varici1;             // "Variáció"
    QAction* Kilps1;              // "Kilépés"
    QAction* Jtkosok1;            // "Játékosok"
    QAction* Lers1;               // "Leírás"
    QAction* Szerz1;              // "Szerző"

    // The help window, made at the first "Leírás".
    SugoAblak* Sugo = nullptr;
    // Shows the last completed trick while the mouse is held on the trick area.
    UtesNezo* utes_nezo = nullptr;
    // The guide line, the turn and trick marks, the balances, the dialogs' place.
    UtmutatoNezet* utmutato = nullptr;

public slots:
    // --- The table -----------------------------------------------------------
    void Button1Click();
    void Button2Click();
    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void Image10Click();
    void Image11Click();
    void Image12Click();
    void Image13Click();
    void Image14Click();
    void Memo2Click();
    void Memo3Click();
    void Memo4Click();

    // --- Tool bar ------------------------------------------------------------
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton7Click();

    // --- Menu ----------------------------------------------------------------
    void jjtk1Click();
    void Ments1Click();
    void Betlts1Click();
    void Szerkeszts1Click();
    void Szmll1Click();
    void Varici1Click();
    void Kilps1Click();
    void Jtkosok1Click();
    void Lers1Click();
    void Szerz1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // The next press anywhere ends the hint's mark.
    bool eventFilter(QObject* cel, QEvent* e) override;

private:
    // The body behind Image1Click .. Image10Click: hand picture k (1..10).
    void kezkep_kattintas(int k);

    void menu_epites();
    void eszkoztar_epites();
    void asztal_epites();
    // A card choice came back from its worker: the hint, or the computer's card.
    void kereses_erkezett();
    // The hint beside "?" and its card marked, or neither.
    void jeloles_frissites();

    bool kozepre_teve_ = false;
    bool jeloles_ = false;  // the hint's mark shows until the next press
};
