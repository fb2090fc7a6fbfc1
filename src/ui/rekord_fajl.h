#pragma once
// The last deals' records kept between runs: "rekordok.txt" in the desktop's data
// folder, written whole after each settled deal (through a temporary file and a
// rename, so a crash leaves the old file or the new one) and read at start.

#include <QString>
#include <string>
#include <vector>

#include "model/parti_rekord.h"

struct Asztal;
class QWidget;

// The records file. Empty: nothing is read or written (the window tests keep the
// user's file out of reach this way, and set a file of their own where needed).
QString& rekordok_fajl();
// The desktop's place: "ulti/rekordok.txt" in the user's data folder.
QString rekordok_alap_fajl();

// The records of the file `fajl`; false and the reason in `hiba` when it cannot be
// read or a record in it is damaged.
bool rekordok_olvasasa(const QString& fajl, std::vector<PartiRekord>& ki, std::string& hiba);

class RekordMegorzes {
  public:
    // At start: the kept records into `a.rekordok`. A damaged file is refused with a
    // message over `szulo` carrying the reason; the game goes on without them.
    void visszatoltes(Asztal& a, QWidget* szulo);
    // After each handler: writes the file when the settled records have changed.
    void frissites(const Asztal& a);

  private:
    std::string kulcs_;  // the count and the newest record, as last read or written
};
