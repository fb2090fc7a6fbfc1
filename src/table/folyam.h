#pragma once
// The table flow: the phase machine behind the main button, the auction, the trick
// play and the texts they write into the table's description. Whatever must wait for
// the person or the clock goes through the seam `Felulet`.

#include <cstdint>

#include "model/asztal.h"
#include "model/licit.h"

class Felulet;

// A card choice (`lapvalasztas` with its search) made beforehand on a copy of the
// table, so that the window can make it away from its own thread while the pause
// runs. Taken over, it leaves the table exactly as the choice made in place would.
struct LapDontes {
    Asztal tabla;      // the copy, as the choice left it
    int32_t slot = -1; // the chosen hand slot of `tabla.soron`
};

// Where a choice is made: the deal, the phase, the seat on turn, the trick position.
struct DontesHelye {
    uint32_t parti_sorszam = 0;
    int32_t fazis = F_NINCS_PARTI, soron = 0, utes_szam = 0, utes_lapszam = 0;
    bool operator==(const DontesHelye&) const = default;
};
DontesHelye dontes_helye(const Asztal& a);

// Makes the choice for the seat on turn in `d.tabla` (the first steps of the
// computer's card, or of the hint). Touches nothing but `d`.
void lap_dontes(LapDontes& d);

// Whether the choice belongs to the table as it is now (made at the same place). A
// choice that does not is dropped.
bool dontes_idoszeru(const Asztal& a, const LapDontes& d);

// Whether "?" asks for a hint now: a human is to play.
bool segitseg_kerheto(const Asztal& a);

// `Button1Click`: deals ("Új parti"), steps the auction ("Licitálás"), plays the
// computer's card, settles ("Eredmény"). A computer's turn ends with
// `felulet.szunet_es_kattintas`, which comes back here a second later.
// `kesz`, when given and still timely, is the computer's choice made beforehand.
void button1_kattintas(Asztal& a, Felulet& f, const LapDontes* kesz = nullptr);

// `Button2Click` ("Passz").
void button2_kattintas(Asztal& a, Felulet& f);

// `Image1Click` .. `Image10Click`, k = 1..10: a discard in phases 1 and 2, a card
// played in phase 4; ignored otherwise.
void kep_kattintas(Asztal& a, Felulet& f, int32_t k);

// "?": whether the hint is to be searched for now; when not, the guide says why.
bool segitseg_kerese(Asztal& a);

// "Új játék", confirmed: balances and the record of deals back to nothing, and a new
// first deal, dealt at once.
void uj_jatek_kezdes(Asztal& a, Felulet& f);

// `SpeedButton5Click`: in phase 4 the card the computer would play, as the hint,
// and the picture that shows it (`nezet.ajanlott_kep`). `kesz`: as above; a choice
// that is no longer timely gives no hint.
void segitseg_kattintas(Asztal& a, const LapDontes* kesz = nullptr);

// --- The steps, for the handlers above and for tests ------------------------------

// The deal start of `Button1Click` (phase -1).
void parti_inditas(Asztal& a, Felulet& f);

// One auction entry of the computer seat `soron`.
void gep_licitlepes(Asztal& a);

// The human's auction entry (`fazis` 0: through the bidding dialog; 7: "Passz").
void ember_licitlepes(Asztal& a, Felulet& f);

// Three passes in a row, or a full auction log: the auction is over.
bool licit_lezarult(const Asztal& a);

// The auction end: the contract, the declarer, the trump, the contract line.
void licit_vege(Asztal& a, Felulet& f);

// The declarer's trump announcement, for a free trump suit only.
void adu_bemondas(Asztal& a);

// The turn advance after a recorded card: the next seat, or after a third card the
// trick's winner leads the next trick; the tenth trick ends the deal (`fazis` 6).
void tovabblepes(Asztal& a);

// The computer's card in phase 5 (`kesz`: as for `button1_kattintas`).
void gep_lapja(Asztal& a, Felulet& f, const LapDontes* kesz = nullptr);

// The announcement and contra line of `soron` (contra form at the first trick,
// recontra form at the start of the second).
void bemondasok_kiirasa(Asztal& a, Felulet& f, bool rekontra);

// The auction log holds this many entries; the auction ends when it is full.
inline constexpr int32_t LICIT_NAPLO_MERET = 100;
