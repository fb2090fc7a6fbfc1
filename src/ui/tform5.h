#pragma once
// "Licitálás": the human's bid, assembled from check boxes for the colour games and
// radio buttons for the colourless ones. The dialog only mirrors `a.licit_dlg`; the
// exclusions, the value and the "Kész" rules are decided by the core.

#include <QDialog>

struct Asztal;
class Felulet;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm5 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm5(QWidget* szulo = nullptr);

    // Shows the dialog modally until "Kész" is accepted; `a.licit_dlg` then holds
    // the bid and `a.uj_licit_ertek` its value. Refusals go through `f.uzenet`.
    void licitalas(Asztal& a, Felulet& f);

    QGroupBox* GroupBox1;          // "Színes bemondások"
    QCheckBox* CheckBox[9];        // CheckBox1 .. CheckBox8 (index 0 unused)
    QGroupBox* GroupBox2;          // "Színnélküli bemondások"
    QRadioButton* RadioButton[7];  // RadioButton1 .. RadioButton6 (index 0 unused)
    QLabel* Label1;                // "Érték:"
    QLineEdit* Edit1;              // the value text
    QPushButton* Button1;          // "Kész"

  public slots:
    void Button1Click();

  protected:
    // No border icons and no Escape: "Kész" is the only way out.
    void reject() override {}

  private:
    // A click on the control of flag position i (0..13).
    void doboz_kattintas(int i, bool bejelolve);
    // Shows `a.licit_dlg` on the controls.
    void frissites();

    Asztal* a_ = nullptr;
    Felulet* f_ = nullptr;
};
