#pragma once
// "Kártyalap szerkesztő": a picker of the 32 cards and the rows they go to (first
// bidder, talon, second and third hand). Every decision is the core's
// (table/szerkeszto.h); the window shows `szerkeszto_nezet` after each click.

#include <QDialog>

struct Asztal;
class Felulet;
class Kattinthato;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* szulo = nullptr);

    // Shows the editor on a table that `szerkeszto_nyitas` has prepared, until
    // "Kész" closes it; refusals go through `f`.
    void szerkesztes(Asztal& a, Felulet& f);

    // Copies the core's description onto the pictures.
    void nezet_frissites();

    // Image1 .. Image65; Image[21] does not exist and stays null.
    Kattinthato* Image[66] = {};
    QLabel* Label1;       // "Talon"
    QPushButton* Button1; // "Kész"
    // Hidden and without handlers.
    QLabel* StaticText1;  // "Érték:"
    QLineEdit* Edit1;
    QPushButton* Button2; // "-"
    QPushButton* Button3; // "+"

public slots:
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
    void Image15Click();
    void Image16Click();
    void Image17Click();
    void Image18Click();
    void Image19Click();
    void Image20Click();
    void Image22Click();
    void Image23Click();
    void Image24Click();
    void Image25Click();
    void Image26Click();
    void Image27Click();
    void Image28Click();
    void Image29Click();
    void Image30Click();
    void Image31Click();
    void Image32Click();
    void Image33Click();
    void Button1Click();
    // Escape or the window manager's close: the layout is abandoned and the next
    // "Új parti" shuffles, so a half-laid deal never reaches the table.
    void reject() override;

private:
    // The body of the picker handlers: picture number `image` (1..33, not 21).
    void valasztas(int image);

    Asztal* a_ = nullptr;
    Felulet* f_ = nullptr;
};
