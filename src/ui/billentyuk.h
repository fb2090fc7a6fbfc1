#pragma once
// The main window's keys: Left and Right (or 1-9 and 0) pick a card of the
// bottom row, Enter or Space plays it or lays it back, Enter presses the table's
// button when no card is wanted. The picked card is marked as the hint's card.

class QKeyEvent;
class TForm1;

// The keys' share of the main window: shortcuts listed in the menus ("Új játék"
// Ctrl+N, "Új parti" F2, "Ajánlott lap" H), and the focus resting on the table, so
// that the keys reach it and a click on a button does not take them away.
void billentyu_menuk(TForm1& f);

class Billentyuk {
public:
    explicit Billentyuk(TForm1& ablak) : f_(ablak) {}

    // A key that reached the main window; true when it was one of ours.
    bool billentyu(QKeyEvent* e);
    // The picked picture (1..10, 13, 14), or 0. Kept in step with the table.
    int valasztott();

private:
    TForm1& f_;
    int valasztott_ = 0;
};
