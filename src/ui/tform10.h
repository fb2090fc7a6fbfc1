#pragma once
// The tricks viewer: for each player the cards of every trick he won, one fanned row
// of three pictures per trick.

#include <QDialog>

class QLabel;
class QPushButton;
class Kattinthato;
struct Utesek;

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* szulo = nullptr);

    // Names above the columns, and each column's rows shown or hidden by the tricks
    // of that seat; rows beyond them are hidden, whatever an earlier deal left there.
    void kitoltes(const Utesek& u);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    // Image[1] .. Image[90]: seat 0 has 1..30, seat 1 31..60, seat 2 61..90.
    Kattinthato* Image[91] = {};
    QPushButton* Button1;  // "Kész"

    void Button1Click();
};
