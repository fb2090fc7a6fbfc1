#pragma once
// The player record and the table state: one game in progress. Every operation of
// the game takes the table state by reference; there is no other mutable state.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/kartya.h"
#include "model/licit.h"
#include "model/parti_rekord.h"

// One seat's player.
class Jatekos {
public:
    virtual ~Jatekos() = default;
    Jatekos() = default;
    Jatekos(const Jatekos&) = default;
    Jatekos& operator=(const Jatekos&) = default;

    std::string nev;
    Kartyalap lapok[12];         // slots 0..9 dealt, 10..11 the talon while held
    Kartyalap elosztas[3][12];   // working copy of all three hands (row = seat)
    uint8_t talonnal = 0;        // last took up the talon
    int32_t hol[4][8] = {};      // knowledge of each card, see the codes below
    uint8_t ember = 0;           // 1 = human
    int32_t sorszam = 0;         // own seat 0..2
    double adu_ertek[5] = {};    // hand confidence per trump choice (4 = no trump)
    int32_t lap_pont[10] = {};   // heuristic score per hand slot
    int32_t felvevo_tizes = 0;   // tens won by the declarer (+1 for the last trick)
    int32_t ellen_tizes = 0;     // tens won by the defenders, plus the talon's
    int32_t felvevo_asz = 0;
    int32_t ellen_asz = 0;
    int32_t hivo_szin = -1;
    int32_t ellenfel_szin = -1;
    uint8_t negyven = 0;
    int32_t husz_db = 0;
    int32_t bemondott = 0;       // announced melds in tens
    Licit kontra;                // contras (defender) or recontras (declarer)
    int32_t egyenleg = 0;        // running balance in Ft
    int32_t betli_kezdo_szin = 0;
    int32_t felvevo_utes = 0;
    int32_t ellen_utes = 0;
};

// Codes of a `hol` entry.
inline constexpr int32_t HOL_NEM_TUDOTT = 6;  // not located
inline constexpr int32_t HOL_TALON = -1;      // in the talon, or laid back
inline constexpr int32_t HOL_JATSZOTT = -10;  // + seat: played by that seat

// Phases of a deal (`fazis`).
inline constexpr int32_t F_NINCS_PARTI = -1;  // no deal running: "Új parti"
inline constexpr int32_t F_LICIT_EMBER = 0;   // a human is to bid
inline constexpr int32_t F_ELSO_DOBAS = 1;    // first of two discards
inline constexpr int32_t F_MASODIK_DOBAS = 2; // second discard
inline constexpr int32_t F_LICIT_GEP = 3;     // auction advanced per click
inline constexpr int32_t F_JATEK_EMBER = 4;   // a human is to play
inline constexpr int32_t F_JATEK_GEP = 5;     // the computer is to play
inline constexpr int32_t F_VEGE = 6;          // deal over: "Eredmény"
inline constexpr int32_t F_PASSZ = 7;         // the human pressed "Passz"

// The random source behind `veletlen`: a small generator of our own (splitmix64),
// so a seed gives the same deal with every compiler and standard library.
struct Veletlen {
    uint64_t allapot = 0x853c49e6748fea9bULL;
    void mag(uint64_t seed) { allapot = seed; }
    uint32_t kovetkezo();
};

// A seat and a hand slot, as recorded per trick position.
struct UtesLap {
    int32_t seat = -1;
    int32_t slot = -1;
};

// A candidate list: a count and up to ten hand slots.
struct Jeloltek {
    int32_t db = 0;
    int32_t lap[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// The result of a search: fourteen integers.
struct ElemzesEredmeny {
    int32_t teljesul = 0;
    int32_t db = 0;
    int32_t jo_lapok[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int32_t szam = 0;
    int32_t ido = 0;
};

// --- What the main window shows (one half of the seam) ----------------------

// One picture control: shown or not, and which picture (0..31 a face, 32 the back).
struct KepNezet {
    bool lathato = true;
    int32_t kep = HATLAP;
};

// The named controls of the main window, written by the table flow and the two
// drawing operations, copied onto the widgets by the window after every handler.
struct AsztalNezet {
    KepNezet image[38];               // Image1 .. Image37 (index 0 unused)
    std::vector<std::string> memo1;   // the table log, one entry per line
    std::string memo2, memo3, memo4;  // name boxes of the bottom, right, left seat
    std::string label1;               // the contract line
    bool button1_lathato = true;
    std::string button1_felirat = "Új parti";
    bool button2_lathato = true;
    std::string hint;                 // the main window's hint text
    bool hint_latszik = false;        // the main window's hint display
    int32_t ajanlott_kep = 0;         // the hint's card: hand picture 1..10, 0 none
    // Why the last click could not act, and where the table stood then (deal,
    // phase, seat on turn, trick, position, talon touched): the guide line says it
    // while the table stays there.
    std::string elutasitas;
    int64_t elutasitas_helye[6] = {};
};

// --- State of the modal dialogs that the table flow reads and writes ------------

// "Licitálás": check boxes 1..8 and radio buttons 1..6, in flag order 0..13.
struct LicitDialogus {
    bool doboz[LICIT_FLAGEK] = {true};
    std::string edit1 = "0";
};

// "Tromfolósdi": RadioButton1 "Tök", RadioButton2 "Zöld", RadioButton3 "Makk".
struct AduDialogus {
    bool radio[4] = {};  // index 1..3
};

// "Jelentések és kontrák": CheckBox1 .. CheckBox17 (index 0 unused).
struct BejelentesDialogus {
    bool checked[18] = {};
    bool enabled[18] = {};
    std::string groupbox3 = "Kontrák színjátékban";
    std::string groupbox4 = "Kontrák színnélküli játékban";
};

// One settled deal, as the game keeps it for its statistics: who declared which
// contract, which of its components were made, and each seat's deal total.
struct PartiEredmeny {
    int32_t felvevo = 0;
    Licit jatek;
    Licit teljesult;          // flags of `jatek` whose component was made
    int32_t osszeg[3] = {};   // the three deal totals in Ft, summing to zero
};

// The whole table state.
struct Asztal {
    Jatekos jatekosok[3];
    Kartyalap pakli[32];
    int32_t keveres[32] = {};
    Kartyalap talon[2];

    int32_t fazis = F_NINCS_PARTI;
    int32_t emberek_szama = 0;
    int32_t ember_helye = 0;
    int32_t oszto = 1;
    int32_t soron = 0;
    int32_t felvevo = 0;
    int32_t passzok = 0;
    int32_t licitek_szama = 0;
    Licit licitek[100];
    double licit_ertek = 0;
    double uj_licit_ertek = 0;
    Licit jatek;
    int32_t adu = 0;
    int32_t gep_adu = 0;
    uint8_t benyult = 0;
    uint8_t heuferli = 0;
    int32_t kezi_osztas = 0;
    int32_t kezben[10] = {};

    int32_t utes_szam = 0;
    int32_t utes_lapszam = 0;
    int32_t vizsgalt_utes = 0;
    int32_t vizsgalt_lapszam = 0;
    UtesLap utes_lapok[10][3];
    int32_t utes_nyero[10][3] = {};
    int32_t utes_tizes[10] = {};
    int32_t utes_asz[10] = {};
    Jeloltek jelolt_lapok[10][3];
    int32_t probalt[10][3] = {};
    // Cards played inside the search since the table was set up (the bench's node count).
    uint64_t keresett_lapok = 0;
    // Worker threads of `variacio`; 0: one per core with the real clock, none with a
    // driven one (the bench and the thread tests set it).
    int32_t kereses_szalak = 0;

    // The deal editor.
    uint8_t valaszthato[32] = {};
    int32_t szerk_sor = 0;
    int32_t szerk_hely = 0;
    // The players dialog: which name field gets the focus.
    int32_t fokusz_jatekos = 0;

    // Counts deals; a pending computer click is dropped when it has changed.
    uint32_t parti_sorszam = 0;
    // The deals settled in this game, oldest first; the balances are their sums.
    std::vector<PartiEredmeny> naplo;
    // The deal in progress as it goes, and the deals settled in this run (the last
    // `REKORDOK_MAX`, oldest first), for review and replay.
    PartiRekord rekord;
    std::vector<PartiRekord> rekordok;
    // Told of every recorded step; set only while a test watches or a record is
    // replayed. Not owned.
    LepesFigyelo* figyelo = nullptr;

    Veletlen rng;
    // Milliseconds of the process clock; tests drive it.
    std::function<int64_t()> ora;

    AsztalNezet nezet;
    LicitDialogus licit_dlg;
    AduDialogus adu_dlg;
    BejelentesDialogus bej_dlg;
};

inline constexpr int32_t elemzes_idokorlat = 1;  // seconds
inline constexpr size_t REKORDOK_MAX = 20;

// The real process clock in milliseconds.
int64_t valodi_ora();

// A random integer 0..n-1; 0 when n is 0.
int32_t veletlen(Asztal& a, int32_t n);

// Start-up of the table: seeds the generator, dealer 1, trump 0, no deal running,
// seat 0 human, names "Telmi", "Varko", "Rido", balances 0, deck and permutation.
void asztal_indulas(Asztal& a, uint64_t seed);

// The reset at the start of every deal, after the cards have been dealt or kept.
void parti_alaphelyzet(Asztal& a);

// Seat arithmetic.
inline int32_t kovetkezo(int32_t seat) { return (seat + 1) % 3; }
inline int32_t elozo(int32_t seat) { return (seat + 2) % 3; }

// The seat's name box: Memo2 for seat 0, Memo3 for 1, Memo4 for 2.
std::string& nev_doboz(Asztal& a, int32_t seat);
