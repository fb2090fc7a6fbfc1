#include "table/utmutato.h"

#include "model/asztal.h"
#include "model/licit.h"
#include "table/folyam.h"

namespace {

const char* const UJ_PARTI = "„Új parti”";
const char* const LICITALAS = "„Licitálás”";
const char* const PASSZ = "„Passz”";
const char* const EREDMENY = "„Eredmény”";

// The suits as the object of "kell adnia".
const char* const szin_targy[4] = {"Makkot", "Zöldet", "Tököt", "Pirosat"};

const std::string& nev(const Asztal& a, int32_t s) { return a.jatekosok[(s % 3 + 3) % 3].nev; }

bool ember(const Asztal& a, int32_t s) { return a.jatekosok[(s % 3 + 3) % 3].ember != 0; }

// The person is spoken to; with more than one human at the table, by name.
std::string ki(const Asztal& a, int32_t s) { return a.emberek_szama == 1 && ember(a, s) ? "Ön" : nev(a, s); }

std::string ft(double v) { return ertek_szoveg(v) + " Ft"; }

void helyzet(const Asztal& a, int64_t h[6]) {
    h[0] = a.parti_sorszam;
    h[1] = a.fazis;
    h[2] = a.soron;
    h[3] = a.utes_szam;
    h[4] = a.utes_lapszam;
    h[5] = a.benyult;
}

// The card that `seat` laid into trick t, or null.
const Kartyalap* utes_lapja(const Asztal& a, int32_t t, int32_t seat, int32_t db) {
    for (int32_t k = 0; k < db; ++k) {
        const UtesLap& u = a.utes_lapok[t][k];
        if (u.seat == seat && u.slot >= 0 && u.slot < 12) return &a.jatekosok[seat].lapok[u.slot];
    }
    return nullptr;
}

// The trick on the table and how many of its cards lie there: the current one, or
// the one just completed until the next card is led.
bool lathato_utes(const Asztal& a, int32_t& t, int32_t& db) {
    if (a.fazis != F_JATEK_EMBER && a.fazis != F_JATEK_GEP && a.fazis != F_VEGE) return false;
    if (a.utes_lapszam > 0 && a.utes_szam < 10) {
        t = a.utes_szam;
        db = a.utes_lapszam;
        return true;
    }
    if (a.utes_szam < 1) return false;
    t = a.utes_szam - 1;
    db = 3;
    return true;
}

// The talon lies face up, turned this turn and not yet taken: the first discard
// lies at Image11 and the second at Image12, the other way round from the talon.
bool talon_felforditva(const Asztal& a) {
    const KepNezet& k = a.nezet.image[11];
    return a.benyult && k.lathato && k.kep == a.talon[0].kep;
}

bool osszes_passz(const Asztal& a) { return a.fazis == F_NINCS_PARTI && a.licitek_szama > 0 && licit_lezarult(a) && a.licit_ertek < 0.15; }

std::string licit_sor(const Asztal& a) {
    const std::string te = ki(a, a.soron);
    if (talon_felforditva(a))
        return "Kattintson még egyszer a talonra: a kezébe veszi, aztán két lapot visszatesz.";
    if (a.benyult && a.licitek_szama == 0)
        return te + " licitál elsőként: a " + LICITALAS + " gomb a licitlapot nyitja, a " + PASSZ +
               " a sima partit mondja be (1 Ft).";
    if (a.benyult)
        return te + " felvette a talont, ezért licitálnia kell: " + LICITALAS + ", és többet kell vállalni, mint " +
               ft(a.licit_ertek) + ".";
    if (a.felvevo == a.soron && a.licitek_szama > 0 && a.licit_ertek < 0.15)
        return (te == "Ön" ? std::string("Az Ön") : te) + " licitje áll (" + ft(a.licit_ertek) +
               "), de a sima partit nem játsszák: ha most " + PASSZ +
               ", nincs játék. Többhöz vegye fel a talont (két kattintás rá).";
    if (a.felvevo == a.soron && a.licitek_szama > 0)
        return (te == "Ön" ? std::string("Az Ön") : te) + " licitje áll (" + ft(a.licit_ertek) + "): " + PASSZ +
               ", és ha a többiek is passzolnak, ez lesz a játék; vagy vegye fel újra a talont, és vállaljon többet.";
    if (!licit_emelheto(a.licit_ertek))
        return "Ennél magasabb licit nincs: " + te + " csak passzolhat (" + PASSZ + ").";
    return te + " licitál. Eddig " + ft(a.licit_ertek) + ". Ha többet vállal, vegye fel a talont (két kattintás rá); ha nem, " +
           PASSZ + ".";
}

std::string jatek_sor(const Asztal& a) {
    const std::string te = ki(a, a.soron);
    if (a.fazis == F_JATEK_GEP) return nev(a, a.soron) + " következik, várja meg a lapját.";
    if (a.utes_lapszam == 0)
        return te + " hív " + (a.utes_szam == 0 || a.utes_szam == 4 ? "az " : "a ") + std::to_string(a.utes_szam + 1) +
               ". ütésben: kattintson bármelyik lapjára.";
    return te + " jön: " + kovetelmeny(a) + " Kattintson a lapra.";
}

}  // namespace

std::string kovetelmeny(const Asztal& a) {
    const int32_t t = a.utes_szam, k = a.utes_lapszam;
    if (t < 0 || t > 9 || k <= 0 || k > 2) return "bármelyik lapját kijátszhatja.";
    const int32_t seat = a.soron;
    const Kartyalap* hivott = utes_lapja(a, t, a.utes_lapok[t][0].seat, 1);
    const Kartyalap* nyero = utes_lapja(a, t, a.utes_nyero[t][k - 1], k);
    if (!hivott || !nyero) return "bármelyik lapját kijátszhatja.";
    // A trump on a led side suit wins the trick: following cannot beat it.
    const bool lopott = nyero->szin != hivott->szin;
    bool szine = false, folotte = false, adu = false, adu_folotte = false;
    const Jatekos& p = a.jatekosok[seat];
    for (int32_t j = 0; j < 10; ++j) {
        const Kartyalap& c = p.lapok[j];
        if (p.hol[c.szin][c.ertek] != seat) continue;
        const bool magasabb = rang(c.ertek, a.adu) > rang(nyero->ertek, a.adu);
        if (c.szin == hivott->szin) {
            szine = true;
            folotte |= !lopott && magasabb;
        } else if (a.adu < 4 && c.szin == a.adu) {
            adu = true;
            adu_folotte |= lopott && magasabb;
        }
    }
    const std::string szin = szin_targy[hivott->szin];
    const std::string nincs = szinnevek[hivott->szin] + " nincs a kezében: ";
    if (szine && folotte) return szin + " kell adnia, magasabbat, mint a " + lap_nev(*nyero) + ".";
    if (szine) return szin + " kell adnia.";
    if (adu_folotte) return nincs + "adut kell adnia, magasabbat, mint a " + lap_nev(*nyero) + ".";
    if (adu) return nincs + "adut (" + szinnevek[a.adu] + ") kell adnia.";
    return nincs + "bármelyik lapját adhatja.";
}

std::string parti_vege_szoveg(const Asztal& a, bool naplo) {
    std::string sz;
    if (osszes_passz(a)) {
        sz = "Mindenki passzolt: ebből a partiból nem lesz játék.";
        return naplo ? sz + " Jöhet az új parti." : sz;
    }
    if (a.fazis != F_VEGE) return "";
    const Jatekos& f = a.jatekosok[a.felvevo];
    const int32_t utolso = a.utes_szam > 0 ? a.utes_nyero[a.utes_szam - 1][2] : a.felvevo;
    const char* betli = a.jatek.teritett_betli ? "Terített Betli" : a.jatek.rebetli ? "Rebetli" : "Betli";
    const char* durchmars = a.jatek.szinnelkuli_teritett_durchmars ? "Terített Durchmars"
                            : a.jatek.redurchmars                  ? "Redurchmars"
                                                                   : "Durchmars";
    const bool korai = a.utes_szam < 10;
    if (betli_fele(a.jatek) && f.felvevo_utes > 0)
        sz = std::string("Bukott a ") + betli + ": " + f.nev + " vitt egy ütést" +
             (korai ? ", a többi lapot nem kell lejátszani." : ".");
    else if (szinnelkuli_durchmars_fele(a.jatek) && f.ellen_utes > 0)
        sz = std::string("Bukott a ") + durchmars + ": " + nev(a, utolso) + " vitt egy ütést" +
             (korai ? ", a többi lapot nem kell lejátszani." : ".");
    else if (betli_fele(a.jatek))
        sz = std::string("A ") + betli + " sikerült: " + f.nev + " egy ütést sem vitt.";
    else if (szinnelkuli_durchmars_fele(a.jatek))
        sz = std::string("A ") + durchmars + " sikerült: " + f.nev + " vitte mind a tíz ütést.";
    else
        sz = "Lement mind a tíz ütés: " + f.nev + " " + std::to_string(f.felvevo_utes) + " ütést vitt.";
    return naplo ? sz + " Jöhet az eredmény." : sz;
}

void elutasitas(Asztal& a, const std::string& ok) {
    a.nezet.elutasitas = ok;
    helyzet(a, a.nezet.elutasitas_helye);
}

std::string ervenyes_elutasitas(const Asztal& a) {
    int64_t h[6];
    helyzet(a, h);
    for (int i = 0; i < 6; ++i)
        if (h[i] != a.nezet.elutasitas_helye[i]) return "";
    return a.nezet.elutasitas;
}

Utmutatas utmutatas(const Asztal& a) {
    Utmutatas u;
    if (a.fazis >= F_LICIT_EMBER && a.fazis <= F_JATEK_GEP && !(a.fazis == F_LICIT_GEP && licit_lezarult(a)))
        u.soron = a.soron;
    int32_t t = 0, db = 0;
    if (lathato_utes(a, t, db))
        if (const Kartyalap* c = utes_lapja(a, t, a.utes_nyero[t][db - 1], db))
            for (int32_t i = 15; i <= 17; ++i)
                if (a.nezet.image[i].lathato && a.nezet.image[i].kep == c->kep) u.nyero_kep = i;

    const std::string ok = ervenyes_elutasitas(a);
    if (!ok.empty()) {
        u.sor = ok;
        return u;
    }
    switch (a.fazis) {
        case F_NINCS_PARTI:
            if (a.kezi_osztas)
                u.sor = std::string("A kirakott lapokat az ") + UJ_PARTI + " gomb osztja ki.";
            else if (osszes_passz(a))
                u.sor = parti_vege_szoveg(a) + " Az " + UJ_PARTI + " gomb új lapokat oszt.";
            else
                u.sor = std::string("Kattintson az ") + UJ_PARTI + " gombra: a gép oszt, és kezdődik a licit.";
            break;
        case F_ELSO_DOBAS:
            u.sor = a.licitek_szama == 0
                        ? ki(a, a.soron) + " licitál elsőként, a talon már a kezében van. Tegyen vissza két lapot a "
                                           "talonba: kattintson rájuk!"
                        : "Tegyen vissza két lapot a talonba: kattintson rájuk!";
            break;
        case F_MASODIK_DOBAS: u.sor = "Még egy lapot tegyen vissza a talonba!"; break;
        case F_LICIT_EMBER: u.sor = licit_sor(a); break;
        case F_LICIT_GEP:
            u.sor = licit_lezarult(a) ? std::string("Vége a licitnek: a ") + LICITALAS + " gomb indítja a játékot."
                                      : std::string("A gépek licitálnak: a ") + LICITALAS + " gomb lépteti a licitet.";
            break;
        case F_JATEK_EMBER:
        case F_JATEK_GEP: u.sor = jatek_sor(a); break;
        case F_VEGE: u.sor = parti_vege_szoveg(a) + " Kattintson az " + EREDMENY + " gombra!"; break;
        default: break;
    }
    return u;
}

std::string parbeszed_sor(const Asztal& a, Parbeszed p) {
    switch (p) {
        case Parbeszed::licit:
            return a.licit_ertek > 0 ? "Állítsa össze a licitet, majd „Kész”. Többet kell vállalni, mint " +
                                           ft(a.licit_ertek) + "; a „Passz” magában passz."
                                     : std::string("Állítsa össze a licitet, majd „Kész”. A „Passz” magában a sima "
                                                   "parti (1 Ft).");
        case Parbeszed::adu: return "Ön a felvevő: válassza ki az adu színét, majd „Kész”.";
        case Parbeszed::bejelentes:
            return a.soron == a.felvevo ? "Az első lapja előtt jelentse be a negyvenét, húszait, majd „Kész”."
                                        : "Az első lapja előtt jelentse be a negyvenét, húszait, és ha akarja, "
                                          "kontrázzon; majd „Kész”.";
        case Parbeszed::rekontra: return "Az ellenfél kontrázott: rekontrázhat, majd „Kész”.";
        case Parbeszed::uzenet: {
            const std::string ok = ervenyes_elutasitas(a);
            if (!ok.empty()) return ok;
            if (!ember(a, a.soron)) return nev(a, a.soron) + " bejelentett: olvassa el, majd „OK”.";
            return "Olvassa el az üzenetet, majd „OK”.";
        }
        case Parbeszed::eredmeny: return "A parti elszámolása: a „Kész” után jön a következő parti.";
        case Parbeszed::uj_jatek: return "Új játék: az egyenlegek nullára állnak, és új első parti kezdődik.";
    }
    return "";
}

std::string gondolkodas_sor(const Asztal& a, bool segitseg) {
    if (segitseg) return "A gép keresi az ajánlott lapot…";
    return nev(a, a.soron) + " gondolkodik…";
}

int32_t doboz_ulese(const Asztal& a, int32_t doboz) {
    // Seen from the human's seat; otherwise the boxes hold seats 0, 1, 2.
    if (a.emberek_szama == 1) return (a.ember_helye + doboz) % 3;
    return doboz;
}

std::string egyenleg_szoveg(const Asztal& a, int32_t seat) {
    const int32_t e = a.jatekosok[(seat % 3 + 3) % 3].egyenleg;
    return "Egyenleg: " + std::string(e > 0 ? "+" : "") + std::to_string(e) + " Ft";
}

MenuAllapot menu_allapot(const Asztal& a) {
    MenuAllapot m;
    const bool nincs_parti = a.fazis == F_NINCS_PARTI;
    // A deal has been dealt or laid out: its cards are worth saving.
    m.mentes = a.parti_sorszam > 0 || a.kezi_osztas;
    m.betoltes = nincs_parti;
    m.szerkesztes = nincs_parti;
    m.elemzes = a.fazis == F_JATEK_EMBER || a.fazis == F_JATEK_GEP;
    return m;
}
