#pragma once
// The table flow: the phase machine behind the main button, the auction, the trick
// play and the texts they write into the table's description. Whatever must wait for
// the person or the clock goes through the seam `Felulet`.

#include <cstdint>

#include "model/licit.h"

struct Asztal;
class Felulet;

// `Button1Click`: deals ("Új parti"), steps the auction ("Licitálás"), plays the
// computer's card, settles ("Eredmény"). A computer's turn ends with
// `felulet.szunet_es_kattintas`, which comes back here a second later.
void button1_kattintas(Asztal& a, Felulet& f);

// `Button2Click` ("Passz").
void button2_kattintas(Asztal& a, Felulet& f);

// `Image1Click` .. `Image10Click`, k = 1..10: a discard in phases 1 and 2, a card
// played in phase 4; ignored otherwise.
void kep_kattintas(Asztal& a, Felulet& f, int32_t k);

// `SpeedButton5Click`: in phase 4 the card the computer would play, as the hint.
void segitseg_kattintas(Asztal& a);

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

// The computer's card in phase 5.
void gep_lapja(Asztal& a, Felulet& f);

// The announcement and contra line of `soron` (contra form at the first trick,
// recontra form at the start of the second).
void bemondasok_kiirasa(Asztal& a, Felulet& f, bool rekontra);

// The auction log holds this many entries; the auction ends when it is full.
inline constexpr int32_t LICIT_NAPLO_MERET = 100;
