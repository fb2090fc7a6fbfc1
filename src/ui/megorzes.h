#pragma once
// What the program keeps between runs: the players' names, the running balances
// and the deals of the current game, the computer's pace, the zoom and the main
// window's size and place. One QSettings file in the desktop's configuration
// folder, written whole after every change (QSettings writes through a temporary
// file and renames it, so a crash leaves the old file or the new one). A file that
// is missing, unreadable, of another version or whose game does not add up is
// ignored: the program starts with its defaults.

#include <QString>

class TForm1;

// The settings file. Empty: nothing is read or written (the window tests keep the
// user's settings out of reach this way, and set a file of their own where needed).
QString& megorzes_fajl();
// The desktop's place: "ulti/ulti.conf" in the user's configuration folder.
QString megorzes_alap_fajl();

class Megorzes {
public:
    explicit Megorzes(TForm1& ablak) : f_(ablak) {}

    // At start, before the table is first shown: takes over what an earlier run
    // kept. True when the window's size and place were restored.
    bool visszatoltes();
    // After each handler: writes the file when a kept value has changed.
    void frissites();
    // As the window closes: its size and place with everything else.
    void ablak_mentes();

private:
    // The kept values other than the window's geometry, as one comparable text.
    QString allapot() const;
    void iras();

    TForm1& f_;
    QString irt_;  // `allapot()` as last read or written
};
