#pragma once
// What guides the player: whose turn it is, what the table waits for, why a click
// could not act and why a deal ended. Pure functions of the table state, so a test
// reads them without a window; the window only shows their text and marks.

#include <cstdint>
#include <string>

struct Asztal;

// The guide of the table as it stands.
struct Utmutatas {
    std::string sor;        // what the person is to do, or what the table waits for
    int32_t soron = -1;     // the seat marked as on turn; -1 none
    int32_t nyero_kep = 0;  // Image15..17: the card winning the trick so far; 0 none
};
Utmutatas utmutatas(const Asztal& a);

// The modal dialogs the guide line speaks about while one is open.
enum class Parbeszed { licit, adu, bejelentes, rekontra, uzenet, eredmeny, uj_jatek };
std::string parbeszed_sor(const Asztal& a, Parbeszed p);

// The guide line while the computer's card (or, `segitseg`, the hint) takes long.
std::string gondolkodas_sor(const Asztal& a, bool segitseg);

// The seat whose name name box `doboz` holds (0 `Memo2`, 1 `Memo3`, 2 `Memo4`).
int32_t doboz_ulese(const Asztal& a, int32_t doboz);

// "Egyenleg: +120 Ft": the running balance shown by a seat's name.
std::string egyenleg_szoveg(const Asztal& a, int32_t seat);

// What the seat on turn must play to the trick, in words ("Tököt kell adnia.").
std::string kovetelmeny(const Asztal& a);

// Why the deal ended (all passed, a Betli or Durchmars decided early, the tenth
// trick); empty while a deal runs or none ended. `naplo`: with what comes next, as
// the log line says it.
std::string parti_vege_szoveg(const Asztal& a, bool naplo = false);

// Records why a click could not act; the guide line says it while the table stays
// where it is.
void elutasitas(Asztal& a, const std::string& ok);
// The refusal that still belongs to the table as it is now, or empty.
std::string ervenyes_elutasitas(const Asztal& a);

// Which commands of the "Játék" menu can act now.
struct MenuAllapot {
    bool uj_jatek = true, mentes = false, betoltes = false, szerkesztes = false, elemzes = false;
};
MenuAllapot menu_allapot(const Asztal& a);
