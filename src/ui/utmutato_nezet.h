#pragma once
// What guides the player on the main window: the guide line, the mark on the name
// of the seat on turn, the balances by the names, the mark on the trick's winning
// card, "thinking" after a short wait, the "Játék" menu's items as their commands
// can act, and the one place where the dialogs open, beside the cards. The words
// and marks come from the core (`table/utmutato.h`); this only shows them.

#include <QObject>
#include <QRect>
#include <QString>

#include "table/folyam.h"
#include "table/utmutato.h"

class QLabel;
class QTimer;
class QWidget;
class TForm1;

// New places of the table, in its default (unscaled) coordinates.
namespace helyek {
// The guide line: the free right part of the tool bar, above the contract line.
inline constexpr QRect UTMUTATO{312, 4, 474, 32};
// The balances by the name boxes Memo2 (bottom), Memo3 (right), Memo4 (left).
inline constexpr QRect EGYENLEG[3] = {{563, 372, 80, 18}, {592, 106, 177, 16}, {8, 106, 196, 16}};
// Gap between a dialog and what it must leave in sight.
inline constexpr int RES = 6;
}  // namespace helyek

class UtmutatoNezet : public QObject {
    Q_OBJECT
public:
    explicit UtmutatoNezet(TForm1& ablak);

    // Shows what the core says now; called after every handler.
    void frissites();
    // "?" was pressed and its search started.
    void segitseg_indult();

    // The text of the guide line as shown.
    QString sor() const;
    QLabel* sor_cimke() const { return sor_; }
    // The name box (0 Memo2, 1 Memo3, 2 Memo4) marked as on turn; -1 none.
    int jelolt_doboz() const { return jelolt_doboz_; }
    QWidget* soron_jelolo() const { return soron_jel_; }
    // The frame on the trick's winning card, shown on one picture at most.
    QWidget* nyero_jelolo() const;
    QLabel* egyenleg(int doboz) const { return egyenleg_[doboz]; }

    // What a dialog must leave in sight, in the table's coordinates: the trick, the
    // talon and the bottom hand (all twelve positions).
    QRect utes_terulet() const { return utes_; }
    QRect talon_terulet() const { return talon_; }
    QRect kez_terulet() const { return kez_; }

    // A rectangle of the table's default units as it lies on the screen now.
    QRect most(const QRect& alap) const;

    // Moves the dialog to its place: above the trick at the table's right edge when
    // it has room there, else beside the table on the right, else over the table's
    // right strip; always inside the screen.
    void helyre(QWidget* parbeszed) const;

    // While a dialog is open the guide line speaks of it; the previous line comes
    // back when it closes.
    class Alatt {
    public:
        Alatt(UtmutatoNezet& u, Parbeszed p, QWidget* parbeszed);
        ~Alatt();
        Alatt(const Alatt&) = delete;
        Alatt& operator=(const Alatt&) = delete;

    private:
        UtmutatoNezet& u_;
        QString elozo_;
    };

private:
    void gondolkodas_lejart();

    TForm1& ablak_;
    QLabel* sor_ = nullptr;
    QWidget* soron_jel_ = nullptr;
    QWidget* nyero_jelek_[3] = {};
    QLabel* egyenleg_[3] = {};
    QTimer* gondolkodas_ = nullptr;
    QRect utes_, talon_, kez_;

    QString parbeszed_sor_;     // the line while a dialog is open
    int jelolt_doboz_ = -1;
    DontesHelye hely_;          // where the table stood at the last refresh
    bool gondolkodik_ = false;  // the computer's card or the hint takes long
    bool segitseg_var_ = false; // "?" pressed, its card not here yet
};
