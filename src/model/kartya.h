#pragma once
// One card of the 32-card Hungarian deck, the name tables, the two rank orders
// and the picture paths.

#include <array>
#include <cstdint>
#include <string>

// Suits (`szin`).
enum : int32_t { MAKK = 0, ZOLD = 1, TOK = 2, PIROS = 3, NINCS_ADU = 4 };
// Ranks (`ertek`).
enum : int32_t { HETES = 0, NYOLCAS = 1, KILENCES = 2, TIZES = 3, ALSO = 4, FELSO = 5, KIRALY = 6,
                 ASZ = 7 };

// One card. The slot object is never replaced, only its three fields are copied.
class Kartyalap {
public:
    virtual ~Kartyalap() = default;
    Kartyalap() = default;
    Kartyalap(const Kartyalap&) = default;
    Kartyalap& operator=(const Kartyalap&) = default;

    int32_t szin = 0;
    int32_t ertek = 0;
    int32_t kep = 0;  // always szin * 8 + ertek
    bool operator==(const Kartyalap&) const = default;
};

// Makes a card from suit and rank.
Kartyalap kartya(int32_t szin, int32_t ertek);

extern const std::array<std::string, 4> szinnevek;
extern const std::array<std::string, 8> lapnevek;

// sorrend[ertek][0]: order without trump, [1]: order with a trump suit.
extern const int32_t sorrend[8][2];
// The inverse: for an order 0..7 and a column, the rank that has it.
extern const int32_t sorrend_vissza[8][2];

// Picture paths, 33 fixed slots of 21 characters; slot 32 is the back.
extern const char kepfajlok[33][21];
inline constexpr int32_t HATLAP = 32;

// The order column for a trump value: 1 when a suit is trump, 0 without trump.
inline int32_t oszlop(int32_t adu) { return adu < 4 ? 1 : 0; }

// Order of a rank under a trump value.
inline int32_t rang(int32_t ertek, int32_t adu) { return sorrend[ertek][oszlop(adu)]; }

// "Piros Ász": suit name, a blank and the rank name.
std::string lap_nev(const Kartyalap& k);
std::string lap_nev(int32_t szin, int32_t ertek);
// What a picture shows, for a screen reader: "Piros Ász", or "Lefordított lap" for
// the back (`HATLAP`) and anything outside the deck.
std::string kep_nev(int32_t kep);
