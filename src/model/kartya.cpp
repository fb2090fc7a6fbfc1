#include "model/kartya.h"

const std::array<std::string, 4> szinnevek = {"Makk", "Zöld", "Tök", "Piros"};
const std::array<std::string, 8> lapnevek = {"7",    "8",     "9",      "10",
                                             "Alsó", "Felső", "Király", "Ász"};

const int32_t sorrend[8][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 6}, {4, 3}, {5, 4}, {6, 5}, {7, 7}};
const int32_t sorrend_vissza[8][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 4},
                                      {4, 5}, {5, 6}, {6, 3}, {7, 7}};

const char kepfajlok[33][21] = {
    "kartya/m7.jpg", "kartya/m8.jpg", "kartya/m9.jpg", "kartya/m0.jpg", "kartya/ma.jpg",
    "kartya/mf.jpg", "kartya/mk.jpg", "kartya/md.jpg", "kartya/z7.jpg", "kartya/z8.jpg",
    "kartya/z9.jpg", "kartya/z0.jpg", "kartya/za.jpg", "kartya/zf.jpg", "kartya/zk.jpg",
    "kartya/zd.jpg", "kartya/t7.jpg", "kartya/t8.jpg", "kartya/t9.jpg", "kartya/t0.jpg",
    "kartya/ta.jpg", "kartya/tf.jpg", "kartya/tk.jpg", "kartya/td.jpg", "kartya/p7.jpg",
    "kartya/p8.jpg", "kartya/p9.jpg", "kartya/p0.jpg", "kartya/pa.jpg", "kartya/pf.jpg",
    "kartya/pk.jpg", "kartya/pd.jpg", "kartya/hat.jpg"};

Kartyalap kartya(int32_t szin, int32_t ertek) {
    Kartyalap k;
    k.szin = szin;
    k.ertek = ertek;
    k.kep = szin * 8 + ertek;
    return k;
}

std::string lap_nev(int32_t szin, int32_t ertek) { return szinnevek[szin] + " " + lapnevek[ertek]; }
std::string lap_nev(const Kartyalap& k) { return lap_nev(k.szin, k.ertek); }
std::string kep_nev(int32_t kep) {
    return (kep >= 0 && kep < HATLAP) ? lap_nev(kep / 8, kep % 8) : "Lefordított lap";
}
