#pragma once
// A bid, a contract or a set of contras: fourteen one-byte flags in a fixed order,
// with the value of a bid and its two text forms.

#include <cstdint>
#include <string>

struct Asztal;

// Flag positions, in the fixed order of the record.
enum LicitFlag : int {
    L_PASSZ = 0,
    L_PIROS,
    L_NEGYVEN_SZAZ,
    L_HUSZ_SZAZ,
    L_ULTI,
    L_NEGY_ASZ,
    L_DURCHMARS,
    L_TERITETT_DURCHMARS,
    L_BETLI,
    L_REBETLI,
    L_TERITETT_BETLI,
    L_SZINNELKULI_DURCHMARS,
    L_REDURCHMARS,
    L_SZINNELKULI_TERITETT_DURCHMARS,
    LICIT_FLAGEK = 14
};

struct Licit {
    uint8_t passz = 0;
    uint8_t piros = 0;
    uint8_t negyven_szaz = 0;
    uint8_t husz_szaz = 0;
    uint8_t ulti = 0;
    uint8_t negy_asz = 0;
    uint8_t durchmars = 0;
    uint8_t teritett_durchmars = 0;
    uint8_t betli = 0;
    uint8_t rebetli = 0;
    uint8_t teritett_betli = 0;
    uint8_t szinnelkuli_durchmars = 0;
    uint8_t redurchmars = 0;
    uint8_t szinnelkuli_teritett_durchmars = 0;

    // Flag by position 0..13 (the record is a plain block of 14 bytes).
    uint8_t& operator[](int i) { return reinterpret_cast<uint8_t*>(this)[i]; }
    uint8_t operator[](int i) const { return reinterpret_cast<const uint8_t*>(this)[i]; }
    bool operator==(const Licit& o) const;
};
static_assert(sizeof(Licit) == 14, "Licit is a 14-byte block");

// The pass record: `passz` alone.
Licit passz_licit();

// The party is part of the contract: the plain party, or Ulti / Négy Ász without
// 40-100, 20-100 and the Durchmars games.
bool van_parti(const Licit& l);
// One of the three Betli games.
bool betli_fele(const Licit& l);
// One of the three colourless Durchmars games.
bool szinnelkuli_durchmars_fele(const Licit& l);
// Any colourless flag (8..13).
bool szinnelkuli(const Licit& l);
// One of the open (terített) games, flags 7, 10, 13.
bool teritett(const Licit& l);

// The value of a bid: the party counts 0.1 (0.2 with Piros).
double licit_erteke(const Licit& l);
// Whether any bid is worth more than `v`. Piros 20-100 Ulti Négy Ász Terített
// Durchmars (56) is the highest; above it nobody can bid, so nobody may take the talon.
bool licit_emelheto(double v);
// The value as shown: "1", "2", "4+1", "8", ...
std::string ertek_szoveg(double v);
// "Varko: Tök Ulti 4+1 Ft": the player's name and the bid.
std::string licit_szoveg(const Asztal& a, int32_t seat, const Licit& l, bool with_trump);

// Texts per flag position.
extern const char* const licit_dialogus_felirat[LICIT_FLAGEK];  // "Passz", "Piros", "40-100", ...
extern const char* const licit_bid_szoveg[LICIT_FLAGEK];        // " Passz", " Piros", " 40-100", ...
extern const char* const licit_kontra_szoveg[LICIT_FLAGEK];     // "Parti ", "Piros ", " 40-100 ", ...
