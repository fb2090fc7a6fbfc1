#pragma once
// "Statisztika": the deals played in the current game, for each contract kind how
// often each player declared it and made it, and the three balances drawn over the
// deals. Everything it shows is counted by the core from the game's record.

#include <QDialog>
#include <QWidget>
#include <array>
#include <vector>

struct Asztal;
class QLabel;
class QTableWidget;
class TForm1;

// The balances over the deals: one line per player, zero marked, a legend of names.
class EgyenlegRajz : public QWidget {
    Q_OBJECT
public:
    explicit EgyenlegRajz(QWidget* szulo = nullptr);
    void beallitas(const std::vector<std::array<int, 3>>& menet, const std::array<QString, 3>& nevek);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<std::array<int, 3>> menet_;
    std::array<QString, 3> nevek_;
};

class StatisztikaAblak : public QDialog {
    Q_OBJECT
public:
    explicit StatisztikaAblak(QWidget* szulo = nullptr);
    // Fills the window from the table's record of the game.
    void kitoltes(const Asztal& a);

    QLabel* Partik;          // "Lejátszott partik: 3"
    QTableWidget* Tablazat;  // contract kinds x players: "declared / made"
    EgyenlegRajz* Rajz;
};

// Adds "Statisztika" to the "Játék" menu above "Kilépés"; it opens the window.
void statisztika_menu(TForm1& f);
