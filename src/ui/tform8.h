#pragma once
// The result table of a settled deal: the lines and totals of each seat's column, the
// names with the new balances, and the way to the tricks viewer.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct Asztal;
struct Elszamolas;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* szulo = nullptr);

    // Fills the three columns from the settlement just made; `a` is the table the
    // tricks viewer reads while this dialog is open.
    void kitoltes(const Asztal& a, const Elszamolas& e);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPushButton* Button1;  // "Kész"
    QPushButton* Button2;  // "Ütések"
    QPushButton* Button3;  // "Visszanézés"

    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    const Asztal* asztal_ = nullptr;
};
