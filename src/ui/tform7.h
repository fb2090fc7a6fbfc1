#pragma once
// "Jelentések és kontrák": the forty and twenties and the contras of a human before
// his first card, or a human declarer's recontras at the second trick. The boxes
// mirror `a.bej_dlg`, prepared by `bejelentes_elokeszites`.

#include <QColor>
#include <QDialog>

struct Asztal;
class QCheckBox;
class QGroupBox;
class QPushButton;

// The text of a disabled box: dark enough to read, pale enough to stand back.
inline const QColor TILTOTT_SZOVEG(56, 140, 56);

class TForm7 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm7(QWidget* szulo = nullptr);

    // Shows the prepared dialog modally until "Kész"; every click writes the field
    // of the seat on turn, "Kész" its announced melds.
    void bejelentes(Asztal& a);

    QGroupBox* GroupBox1;     // "Negyven"
    QGroupBox* GroupBox2;     // "Húsz"
    QGroupBox* GroupBox3;     // contras or recontras of the colour games
    QGroupBox* GroupBox4;     // ... of the colourless games
    QCheckBox* CheckBox[18];  // CheckBox1 .. CheckBox17 (index 0 unused)
    QPushButton* Button1;     // "Kész"

  public slots:
    void Button1Click();

  protected:
    void reject() override {}

  private:
    void frissites();

    Asztal* a_ = nullptr;
};
