#pragma once
// "Tromfolósdi": the trump suit of a human declarer's plain colour contract.

#include <QDialog>

struct Asztal;
class Felulet;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TForm6 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm6(QWidget* szulo = nullptr);

    // Shows the dialog modally, the three suits clear, until a suit is chosen and
    // "Kész" pressed; the click on a suit sets `a.adu`.
    void valasztas(Asztal& a, Felulet& f);

    QGroupBox* GroupBox1;          // "Az adu színe"
    QRadioButton* RadioButton[4];  // 1 "Tök", 2 "Zöld", 3 "Makk" (index 0 unused)
    QPushButton* Button1;          // "Kész"

  public slots:
    void Button1Click();

  protected:
    void reject() override {}

  private:
    void frissites();

    Asztal* a_ = nullptr;
    Felulet* f_ = nullptr;
};
