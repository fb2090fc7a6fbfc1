#include "review/rekord.h"

#include <charconv>
#include <sstream>

#include "review/visszajatszas.h"
#include "scoring/elszamolas.h"
#include "table/rekordolas.h"

namespace {

using F = RekordLepes::Fajta;

constexpr std::string_view VERZIO = "ulti-partik 1";

const char* fajta_nev(F f) {
    switch (f) {
        case F::licit: return "licit";
        case F::lerakas: return "lerakas";
        case F::adu: return "adu";
        case F::bemondas: return "bemondas";
        case F::lap: return "lap";
    }
    return "";
}

std::string flagek(const Licit& l) {
    std::string s;
    for (int i = 0; i < LICIT_FLAGEK; ++i) s += l[i] ? '1' : '0';
    return s;
}

// What a seat knows of a card as a fresh deal has it: its own cards, nothing else.
int32_t alap_tudas(const PartiRekord& r, int32_t seat, int32_t kep) {
    for (const Kartyalap& k : r.kezek[seat])
        if (k.kep == kep) return seat;
    return HOL_NEM_TUDOTT;
}

// One record being read: its lines in order, each split at blanks.
class Olvaso {
public:
    explicit Olvaso(std::string_view szoveg) : s_(szoveg) {}

    // The next line, without its line feed; false at the end.
    bool sor(std::string_view& ki) {
        if (p_ >= s_.size()) return false;
        const size_t v = s_.find('\n', p_);
        ki = s_.substr(p_, v == std::string_view::npos ? std::string_view::npos : v - p_);
        p_ = v == std::string_view::npos ? s_.size() : v + 1;
        if (!ki.empty() && ki.back() == '\r') ki.remove_suffix(1);
        return true;
    }

private:
    std::string_view s_;
    size_t p_ = 0;
};

struct Hiba {
    std::string ok;
};

std::vector<std::string_view> szavak(std::string_view s) {
    std::vector<std::string_view> v;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const size_t j = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i > j) v.push_back(s.substr(j, i - j));
    }
    return v;
}

int32_t szam(std::string_view w, int32_t also, int32_t felso, const char* mi) {
    int32_t v = 0;
    const auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || p != w.data() + w.size() || v < also || v > felso)
        throw Hiba{std::string(mi) + " hibás: „" + std::string(w) + "”"};
    return v;
}

Kartyalap lap(std::string_view w) {
    const int32_t k = szam(w, 0, 31, "egy lap száma");
    return kartya(k / 8, k % 8);
}

Licit licit(std::string_view w) {
    if (w.size() != LICIT_FLAGEK || w.find_first_not_of("01") != std::string_view::npos)
        throw Hiba{"egy vállalás jelzői hibásak: „" + std::string(w) + "”"};
    Licit l;
    for (int i = 0; i < LICIT_FLAGEK; ++i) l[i] = w[static_cast<size_t>(i)] == '1';
    return l;
}

void darab(const std::vector<std::string_view>& w, size_t n) {
    if (w.size() != n) throw Hiba{"a(z) „" + std::string(w[0]) + "” sor hiányos vagy túl hosszú"};
}

// The lines of one record after "parti", up to "vege".
PartiRekord rekord_olvasas(Olvaso& o) {
    PartiRekord r;
    bool van[6] = {};  // nev x3 (counted below), ember, oszto, kezek, talon, lezart
    int32_t nevek = 0, kezek = 0;
    std::vector<std::vector<std::string_view>> tudas;
    std::string_view s;
    for (;;) {
        if (!o.sor(s)) throw Hiba{"a feljegyzés vége hiányzik"};
        if (s == "vege") break;
        if (s.substr(0, 4) == "nev ") {
            const std::vector<std::string_view> w = szavak(s.substr(0, 6));
            const int32_t seat = szam(w.size() > 1 ? w[1] : std::string_view("?"), 0, 2, "a játékos helye");
            const std::string_view nev = s.size() > 6 ? s.substr(6) : std::string_view();
            for (unsigned char c : nev)
                if (c < 0x20) throw Hiba{"egy név vezérlőkaraktert tartalmaz"};
            r.nevek[seat] = std::string(nev);
            nevek |= 1 << seat;
            continue;
        }
        const std::vector<std::string_view> w = szavak(s);
        if (w.empty()) throw Hiba{"üres sor a feljegyzésben"};
        const std::string_view k = w[0];
        if (k == "ember") {
            darab(w, 5);
            for (int32_t i = 0; i < 3; ++i) r.ember[i] = szam(w[1 + i], 0, 1, "az ember jelzője") != 0;
            r.ember_helye = szam(w[4], 0, 2, "az ember helye");
            r.emberek_szama = r.ember[0] + r.ember[1] + r.ember[2];
            van[1] = true;
        } else if (k == "oszto") {
            darab(w, 2);
            r.oszto = szam(w[1], 0, 2, "az osztó");
            van[2] = true;
        } else if (k == "talonnal") {
            darab(w, 4);
            for (int32_t i = 0; i < 3; ++i) r.talonnal[i] = szam(w[1 + i], 0, 1, "a talon jelzője") != 0;
        } else if (k == "kez") {
            darab(w, 12);
            const int32_t seat = szam(w[1], 0, 2, "a játékos helye");
            for (int32_t i = 0; i < 10; ++i) r.kezek[seat][i] = lap(w[2 + static_cast<size_t>(i)]);
            kezek |= 1 << seat;
        } else if (k == "talon") {
            darab(w, 3);
            r.talon[0] = lap(w[1]);
            r.talon[1] = lap(w[2]);
            van[4] = true;
        } else if (k == "tudas") {
            darab(w, 4);
            tudas.push_back(w);
        } else if (k == "lezart") {
            darab(w, 2);
            r.lezart = szam(w[1], 0, 1, "a lezárás jelzője") != 0;
            van[5] = true;
        } else if (k == "licit" || k == "lerakas" || k == "adu" || k == "bemondas" || k == "lap") {
            RekordLepes l;
            if (w.size() < 2) darab(w, 3);
            l.seat = szam(w[1], 0, 2, "a játékos helye");
            if (k == "licit") {
                l.fajta = F::licit;
                darab(w, 4);
                l.licit = licit(w[2]);
                l.adu = szam(w[3], 0, NINCS_ADU, "az adu");
            } else if (k == "lerakas") {
                l.fajta = F::lerakas;
                darab(w, 4);
                l.lapok[0] = lap(w[2]);
                l.lapok[1] = lap(w[3]);
            } else if (k == "adu") {
                l.fajta = F::adu;
                darab(w, 4);
                l.adu = szam(w[2], 0, NINCS_ADU, "az adu");
                l.szine = szam(w[3], 0, 1, "az adu bemondása") != 0;
            } else if (k == "bemondas") {
                l.fajta = F::bemondas;
                darab(w, 5);
                l.licit = licit(w[2]);
                l.negyven = szam(w[3], 0, 1, "a negyven");
                l.husz_db = szam(w[4], 0, 3, "a húszak száma");
            } else {
                l.fajta = F::lap;
                if (w.size() != 4) darab(w, 14);
                l.lapok[0] = lap(w[2]);
                l.heuferli = szam(w[3], 0, 1, "a heuferli jelzője") != 0;
                for (size_t i = 4; i < w.size(); ++i) l.pont[i - 4] = szam(w[i], -1000000, 1000000, "egy pontszám");
            }
            r.lepesek.push_back(l);
        } else {
            throw Hiba{"ismeretlen sor: „" + std::string(k) + "”"};
        }
    }
    if (nevek != 7 || kezek != 7 || !van[1] || !van[2] || !van[4] || !van[5])
        throw Hiba{"hiányzik a nevek, a kezek, az osztó, a talon vagy a lezárás sora"};
    // Every card once among the hands and the talon.
    int32_t db[32] = {};
    for (const auto& kez : r.kezek)
        for (const Kartyalap& k : kez) ++db[k.kep];
    for (const Kartyalap& k : r.talon) ++db[k.kep];
    for (int32_t c = 0; c < 32; ++c)
        if (db[c] != 1) throw Hiba{"a " + lap_nev(c / 8, c % 8) + (db[c] ? " többször" : " egyszer sem") + " szerepel"};
    for (int32_t s = 0; s < 3; ++s)
        for (int32_t c = 0; c < 32; ++c) r.hol[s][c / 8][c % 8] = alap_tudas(r, s, c);
    for (const auto& w : tudas) {
        const int32_t s = szam(w[1], 0, 2, "a játékos helye");
        const Kartyalap k = lap(w[2]);
        r.hol[s][k.szin][k.ertek] = szam(w[3], HOL_TALON, HOL_NEM_TUDOTT, "egy lap helye");
    }
    // The record must replay: every step fits the deal as it stood.
    std::string ok;
    if (visszajatszas(r, &ok).empty()) throw Hiba{ok};
    return r;
}

}  // namespace

std::string rekordok_szoveg(const std::vector<PartiRekord>& v) {
    std::ostringstream o;
    o << VERZIO << '\n';
    for (const PartiRekord& r : v) {
        o << "parti\n";
        for (int32_t s = 0; s < 3; ++s) {
            std::string nev = r.nevek[s];
            for (char& c : nev)
                if (static_cast<unsigned char>(c) < 0x20) c = ' ';
            o << "nev " << s << ' ' << nev << '\n';
        }
        o << "ember " << r.ember[0] << ' ' << r.ember[1] << ' ' << r.ember[2] << ' ' << r.ember_helye << '\n';
        o << "oszto " << r.oszto << '\n';
        o << "talonnal " << r.talonnal[0] << ' ' << r.talonnal[1] << ' ' << r.talonnal[2] << '\n';
        for (int32_t s = 0; s < 3; ++s) {
            o << "kez " << s;
            for (const Kartyalap& k : r.kezek[s]) o << ' ' << k.kep;
            o << '\n';
        }
        o << "talon " << r.talon[0].kep << ' ' << r.talon[1].kep << '\n';
        for (int32_t s = 0; s < 3; ++s)
            for (int32_t c = 0; c < 32; ++c)
                if (r.hol[s][c / 8][c % 8] != alap_tudas(r, s, c))
                    o << "tudas " << s << ' ' << c << ' ' << r.hol[s][c / 8][c % 8] << '\n';
        for (const RekordLepes& l : r.lepesek) {
            o << fajta_nev(l.fajta) << ' ' << l.seat;
            switch (l.fajta) {
                case F::licit: o << ' ' << flagek(l.licit) << ' ' << l.adu; break;
                case F::lerakas: o << ' ' << l.lapok[0].kep << ' ' << l.lapok[1].kep; break;
                case F::adu: o << ' ' << l.adu << ' ' << l.szine; break;
                case F::bemondas: o << ' ' << flagek(l.licit) << ' ' << l.negyven << ' ' << l.husz_db; break;
                case F::lap: {
                    o << ' ' << l.lapok[0].kep << ' ' << l.heuferli;
                    bool pontok = false;
                    for (int32_t p : l.pont) pontok = pontok || p != 0;
                    if (pontok)
                        for (int32_t p : l.pont) o << ' ' << p;
                    break;
                }
            }
            o << '\n';
        }
        o << "lezart " << r.lezart << "\nvege\n";
    }
    return o.str();
}

std::optional<std::vector<PartiRekord>> rekordok_ertelmezes(std::string_view szoveg, std::string* hiba) {
    Olvaso o(szoveg);
    std::string_view s;
    if (!o.sor(s) || s != VERZIO) {
        if (hiba) *hiba = "A feljegyzett partik fájlja ismeretlen formátumú.";
        return std::nullopt;
    }
    std::vector<PartiRekord> v;
    while (o.sor(s)) {
        if (s.empty()) continue;
        try {
            if (s != "parti") throw Hiba{"ismeretlen sor: „" + std::string(s.substr(0, 20)) + "”"};
            v.push_back(rekord_olvasas(o));
        } catch (const Hiba& h) {
            const int64_t n = static_cast<int64_t>(v.size()) + 1;
            if (hiba) *hiba = std::string(nevelo(n)[1] ? "Az " : "A ") + std::to_string(n) +
                              ". parti feljegyzése sérült: " + h.ok + ".";
            return std::nullopt;
        }
    }
    return v;
}

std::string rekord_cim(const PartiRekord& r) {
    const std::vector<Pillanat> p = visszajatszas(r);
    if (p.empty()) return "Sérült feljegyzés";
    const RekordLepes* adu = nullptr;
    for (const RekordLepes& l : r.lepesek)
        if (l.fajta == F::adu) adu = &l;
    if (!adu) return r.lezart ? "Mindenki passzolt" : "Licit közben abbahagyott parti";
    Asztal t = p.back().tabla;
    // The contract as the table names it, without its price.
    std::string cim = licit_szoveg(t, adu->seat, t.jatek, true);
    if (cim.size() > 3 && cim.compare(cim.size() - 3, 3, " Ft") == 0)
        cim.erase(cim.rfind(' ', cim.size() - 4));
    if (t.fazis != F_VEGE) return cim + " — nincs befejezve";
    const Elszamolas e = elszamolas(t);
    Licit semmi;
    return cim + (e.teljesult == t.jatek ? " — teljesítve" : e.teljesult == semmi ? " — bukott" : " — részben teljesítve");
}
