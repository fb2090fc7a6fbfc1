#pragma once
// "Játékosok": the three names for editing and the kinds, shown but disabled. The
// names go into the table as each field is left; the focus rule is the core's.

#include <QDialog>

struct Asztal;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* szulo = nullptr);

    // Fills the fields from the table and shows the dialog until "OK".
    void megnyitas(Asztal& a);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QRadioButton* RadioButton1;  // seat 0 "ember"
    QRadioButton* RadioButton2;  // seat 0 " gép"
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QPushButton* Button1;  // "OK"

public slots:
    void FormActivate();
    void Edit1Exit();
    void Edit2Exit();
    void Edit3Exit();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();
    void Button1Click();
    // Escape and the close request do nothing: the dialog is left only through "OK".
    void reject() override {}

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void nev_kilepes(int seat);
    void tipus(int radio);
    QLineEdit* edit(int seat) const;

    Asztal* a_ = nullptr;
};
