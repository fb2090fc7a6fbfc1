#pragma once
// Whole deals with known outcomes, written trick by trick (declarer's card first in
// the first trick, then in playing order). Shared by the settlement tests and the
// tricks viewer's window tests.

#include <string>
#include <vector>

namespace teszt::partik {

// Tök trump, declarer seat 1. He takes seven tricks, 60 to 30, and the last one with
// the Tök 7. He never plays the Tök Felső (seat 0 has it).
inline const std::vector<std::string> tok_ulti = {
    "Tök Ász, Tök 8, Tök 9",           "Tök 10, Tök Alsó, Tök Felső",
    "Makk Ász, Makk 7, Makk 8",        "Makk 10, Makk 9, Makk Alsó",
    "Zöld Ász, Zöld 7, Zöld 8",        "Zöld 9, Zöld 10, Zöld Alsó",
    "Piros Ász, Piros 7, Piros 8",     "Piros 10, Piros 9, Piros Alsó",
    "Piros Felső, Piros Király, Tök Király", "Tök 7, Makk Felső, Zöld Felső"};
inline const char* const tok_ulti_talon = "Makk Király, Zöld Király";

// Tök trump, declarer seat 1, 50 to 40 (the talon's Piros 10 counts for the
// defenders). His Tök 7 is beaten in the last trick by seat 2's Tök Alsó; the Tök
// Király lies in the talon.
inline const std::vector<std::string> elbukott_ulti = {
    "Tök Ász, Tök 8, Tök 9",         "Makk Ász, Makk 7, Makk 8",
    "Makk 10, Makk 9, Makk Alsó",    "Zöld 7, Zöld 8, Zöld Ász",
    "Piros Ász, Tök Felső, Piros 7", "Zöld 9, Zöld 10, Zöld Király",
    "Piros 9, Piros Király, Tök 10", "Makk Király, Makk Felső, Piros 8",
    "Zöld Felső, Zöld Alsó, Piros Felső", "Tök 7, Tök Alsó, Piros Alsó"};
inline const char* const elbukott_ulti_talon = "Tök Király, Piros 10";

// Tök trump, declarer seat 1, 60 to 30: he plays the Tök Király and the Tök Felső
// himself; the Tök 7 went to seat 0 early.
inline const std::vector<std::string> negyven_szaz = {
    "Tök Ász, Tök 8, Tök 9",           "Tök 10, Tök Alsó, Tök 7",
    "Makk Ász, Makk 7, Makk 8",        "Makk 10, Makk 9, Makk Alsó",
    "Zöld Ász, Zöld 7, Zöld 8",        "Zöld 9, Zöld 10, Zöld Alsó",
    "Piros Ász, Piros 7, Piros 8",     "Piros 10, Piros 9, Piros Alsó",
    "Piros Felső, Piros Király, Tök Király", "Tök Felső, Makk Felső, Zöld Felső"};
inline const char* const negyven_szaz_talon = "Makk Király, Zöld Király";

// The same 60 to 30, but the declarer laid the Tök Felső into the talon.
inline const std::vector<std::string> felso_a_talonban = {
    "Tök Ász, Tök 8, Tök 9",           "Tök 10, Tök Alsó, Tök 7",
    "Makk Ász, Makk 7, Makk 8",        "Makk 10, Makk 9, Makk Alsó",
    "Zöld Ász, Zöld 7, Zöld 8",        "Zöld 9, Zöld 10, Zöld Alsó",
    "Piros Ász, Piros 7, Piros 8",     "Piros 10, Piros 9, Piros Alsó",
    "Piros Felső, Piros Király, Tök Király", "Makk Király, Makk Felső, Zöld Felső"};
inline const char* const felso_a_talonban_talon = "Tök Felső, Zöld Király";

// Tök trump, declarer seat 1 with the Tök Király and Felső, but only 50 to 40.
inline const std::vector<std::string> negyven_szaz_keves = {
    "Tök Ász, Tök 8, Tök 9",        "Tök 10, Tök Alsó, Tök 7",
    "Makk Ász, Makk 7, Makk 8",     "Zöld Ász, Zöld 7, Zöld 8",
    "Makk 9, Makk 10, Makk Alsó",   "Zöld 10, Zöld Alsó, Zöld 9",
    "Piros Ász, Piros 7, Piros 8",  "Piros 10, Piros 9, Piros Alsó",
    "Piros Felső, Piros Király, Tök Király", "Tök Felső, Makk Felső, Zöld Felső"};
inline const char* const negyven_szaz_keves_talon = "Makk Király, Zöld Király";

// Zöld trump, declarer seat 0, 50 to 40. Seat 1 keeps the Zöld 7 to the end and
// takes the last trick with it.
inline const std::vector<std::string> vedo_ultija = {
    "Zöld Ász, Zöld 8, Zöld 9",       "Zöld 10, Zöld Alsó, Makk 7",
    "Makk Ász, Makk 8, Makk 9",       "Makk 10, Makk Alsó, Makk Felső",
    "Tök Ász, Tök 7, Tök 8",          "Tök 9, Tök 10, Tök Alsó",
    "Piros Ász, Piros 7, Piros 8",    "Piros 10, Piros 9, Piros Alsó",
    "Piros Felső, Piros Király, Makk Király", "Tök Felső, Tök Király, Zöld 7"};
inline const char* const vedo_ultija_talon = "Zöld Király, Zöld Felső";

// Piros trump, declarer seat 2 takes all ten tricks, 80 to 10: the Tök Ász lies in
// the talon. He plays the Piros Király and Felső, no other pair.
inline const std::vector<std::string> durchmars = {
    "Piros Ász, Piros 7, Piros 9",  "Piros 10, Piros 8, Piros Alsó",
    "Makk Ász, Makk 7, Makk 8",     "Makk 10, Makk 9, Makk Alsó",
    "Makk Király, Makk Felső, Zöld 7", "Zöld Ász, Zöld 8, Zöld 9",
    "Zöld 10, Zöld Alsó, Zöld Felső", "Tök 10, Tök 7, Tök 8",
    "Piros Király, Zöld Király, Tök 9", "Piros Felső, Tök Alsó, Tök Felső"};
inline const char* const durchmars_talon = "Tök Ász, Tök Király";

// As above, but seat 1 throws the Tök Ász under the Piros Király: all four Ászok
// end in the declarer's tricks, 90 to 0.
inline const std::vector<std::string> durchmars_negy_asz = {
    "Piros Ász, Piros 7, Piros 9",  "Piros 10, Piros 8, Piros Alsó",
    "Makk Ász, Makk 7, Makk 8",     "Makk 10, Makk 9, Makk Alsó",
    "Makk Király, Makk Felső, Zöld 7", "Zöld Ász, Zöld 8, Zöld 9",
    "Zöld 10, Zöld Alsó, Zöld Felső", "Tök 10, Tök 7, Tök 8",
    "Piros Király, Zöld Király, Tök Ász", "Piros Felső, Tök Alsó, Tök Felső"};
inline const char* const durchmars_negy_asz_talon = "Tök 9, Tök Király";

// Piros trump, declarer seat 2 takes all ten, 80 to 10, playing the Makk Király and
// Makk Felső himself (a twenty) besides the Piros pair.
inline const std::vector<std::string> husz_szaz = {
    "Piros Ász, Piros 7, Piros 9",   "Piros 10, Piros 8, Piros Alsó",
    "Makk Ász, Makk 7, Makk 8",      "Makk 10, Makk 9, Makk Alsó",
    "Makk Király, Tök 10, Tök 8",    "Makk Felső, Tök 7, Tök 9",
    "Zöld Ász, Zöld 8, Zöld 7",      "Zöld 10, Zöld Alsó, Zöld 9",
    "Piros Király, Zöld Király, Zöld Felső", "Piros Felső, Tök Alsó, Tök Felső"};
inline const char* const husz_szaz_talon = "Tök Ász, Tök Király";

// Makk trump, declarer seat 0 is left with 10 points; the defenders take 80 and
// seat 2 holds the Makk Felső and Király (his forty).
inline const std::vector<std::string> vedok_szaza = {
    "Makk Ász, Makk 9, Makk Alsó",  "Makk 7, Zöld Alsó, Makk 10",
    "Zöld Király, Zöld 7, Zöld Ász", "Zöld 10, Zöld Felső, Zöld 8",
    "Tök Ász, Tök Felső, Tök 7",    "Tök 10, Tök Király, Tök 8",
    "Piros Ász, Piros Felső, Piros 7", "Piros 10, Piros Király, Piros 8",
    "Tök Alsó, Makk Király, Makk 8", "Makk Felső, Zöld 9, Piros Alsó"};
inline const char* const vedok_szaza_talon = "Tök 9, Piros 9";

// No trump, declarer seat 0 always plays under; seat 2 takes all ten tricks.
inline const std::vector<std::string> betli = {
    "Makk 7, Makk 10, Makk Felső",  "Makk Király, Makk 8, Makk Alsó",
    "Makk Ász, Makk 9, Tök 9",      "Zöld Felső, Zöld 7, Zöld 10",
    "Zöld Király, Zöld 8, Zöld Alsó", "Zöld Ász, Zöld 9, Piros 9",
    "Tök Felső, Tök 7, Tök 10",     "Tök Király, Tök 8, Tök Alsó",
    "Piros Felső, Piros 7, Piros 10", "Piros Király, Piros 8, Piros Alsó"};
inline const char* const betli_talon = "Tök Ász, Piros Ász";

// No trump, declarer seat 0 must take the third trick with his bare Tök Ász.
inline const std::vector<std::string> betli_korai = {
    "Makk 7, Makk 10, Makk Felső", "Makk Király, Makk 8, Makk Alsó", "Tök 7, Tök Ász, Tök 8"};
inline const char* const betli_korai_talon = "Tök Felső, Tök Király";
inline const char* const betli_korai_maradek[3] = {
    "Zöld 7, Zöld 8, Zöld 9, Piros 7, Piros 8, Piros 9, Makk 9",
    "Zöld 10, Zöld Alsó, Piros 10, Piros Alsó, Tök 9, Tök 10, Tök Alsó",
    "Zöld Felső, Zöld Király, Zöld Ász, Piros Felső, Piros Király, Piros Ász, Makk Ász"};

// No trump, declarer seat 1 leads from the top and takes all ten tricks.
inline const std::vector<std::string> szinnelkuli_durchmars = {
    "Makk Ász, Makk 7, Makk 10",    "Makk Király, Makk 8, Makk Alsó",
    "Makk Felső, Makk 9, Tök 9",    "Zöld Ász, Zöld 7, Zöld 10",
    "Zöld Király, Zöld 8, Zöld Alsó", "Zöld Felső, Zöld 9, Piros 9",
    "Tök Király, Tök 7, Tök 10",    "Tök Felső, Tök 8, Tök Alsó",
    "Piros Király, Piros 7, Piros 10", "Piros Felső, Piros 8, Piros Alsó"};
inline const char* const szinnelkuli_durchmars_talon = "Tök Ász, Piros Ász";

// No trump, declarer seat 1 loses the very first trick to seat 0's Makk Ász.
inline const std::vector<std::string> durchmars_korai = {"Makk Király, Makk 7, Makk Ász"};
inline const char* const durchmars_korai_talon = "Tök Ász, Piros Ász";
inline const char* const durchmars_korai_maradek[3] = {
    "Makk Alsó, Zöld 10, Zöld Alsó, Tök 10, Tök Alsó, Piros 10, Piros Alsó, Tök 9, Piros 9",
    "Makk Felső, Zöld Felső, Zöld Király, Zöld Ász, Tök Felső, Tök Király, Piros Felső, "
    "Piros Király, Makk 10",
    "Makk 8, Zöld 7, Zöld 8, Tök 7, Tök 8, Piros 7, Piros 8, Makk 9, Zöld 9"};

}  // namespace teszt::partik
