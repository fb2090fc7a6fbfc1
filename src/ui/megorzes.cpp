#include "ui/megorzes.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <vector>

#include "model/asztal.h"
#include "scoring/statisztika.h"
#include "ui/tempo.h"
#include "ui/tform1.h"

namespace {

// Raised when the meaning of a key changes; a file of another version is ignored.
constexpr int VALTOZAT = 1;

int maszk(const Licit& l) {
    int m = 0;
    for (int i = 0; i < LICIT_FLAGEK; ++i)
        if (l[i]) m |= 1 << i;
    return m;
}

Licit maszkbol(int m) {
    Licit l;
    for (int i = 0; i < LICIT_FLAGEK; ++i) l[i] = (m >> i) & 1;
    return l;
}

// One deal as "declarer contract made total0 total1 total2".
QString deal_szoveg(const PartiEredmeny& p) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(p.felvevo)
        .arg(maszk(p.jatek))
        .arg(maszk(p.teljesult))
        .arg(p.osszeg[0])
        .arg(p.osszeg[1])
        .arg(p.osszeg[2]);
}

bool deal_olvasas(const QString& s, PartiEredmeny& p) {
    const QStringList r = s.split(' ', Qt::SkipEmptyParts);
    if (r.size() != 6) return false;
    int v[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        v[i] = r[i].toInt(&ok);
        if (!ok) return false;
    }
    if (v[1] < 0 || v[1] >= (1 << LICIT_FLAGEK) || v[2] < 0 || v[2] >= (1 << LICIT_FLAGEK)) return false;
    p.felvevo = v[0];
    p.jatek = maszkbol(v[1]);
    p.teljesult = maszkbol(v[2]);
    for (int k = 0; k < 3; ++k) p.osszeg[k] = v[3 + k];
    return true;
}

QString u8(const std::string& s) { return QString::fromUtf8(s.c_str(), static_cast<qsizetype>(s.size())); }

}  // namespace

QString& megorzes_fajl() {
    static QString f;
    return f;
}

QString megorzes_alap_fajl() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ulti/ulti.conf");
}

bool Megorzes::visszatoltes() {
    if (megorzes_fajl().isEmpty()) return false;
    QSettings s(megorzes_fajl(), QSettings::IniFormat);
    if (s.status() != QSettings::NoError || s.value("valtozat").toInt() != VALTOZAT) return false;

    // The game: names, balances and deals hold together, or none of them is taken.
    std::array<std::string, 3> nevek;
    std::array<int32_t, 3> egyenleg{};
    bool ok = true;
    for (int k = 0; k < 3; ++k) {
        const QString csoport = QStringLiteral("jatekos%1/").arg(k);
        const QVariant nev = s.value(csoport + "nev");
        if (!nev.isValid()) ok = false;
        nevek[k] = nev.toString().toStdString();
        bool szam = false;
        egyenleg[k] = s.value(csoport + "egyenleg").toString().toInt(&szam);
        ok = ok && szam;
    }
    std::vector<PartiEredmeny> naplo;
    for (const QString& sor : s.value("partik").toStringList()) {
        PartiEredmeny p;
        ok = ok && deal_olvasas(sor, p);
        naplo.push_back(p);
    }
    if (!ok || !jatek_visszaallitas(f_.a, nevek, egyenleg, naplo)) return false;

    // The settings: each one outside its steps keeps its default.
    const int ms = s.value("tempo").toInt();
    if (tempo_ervenyes(ms)) f_.felulet.szunet_ms = ms;
    irt_ = allapot();
    // The zoom comes with the size: the table's scale follows the window.
    return f_.restoreGeometry(s.value("ablak").toByteArray());
}

QString Megorzes::allapot() const {
    QString t = QString::number(f_.felulet.szunet_ms);
    for (const Jatekos& j : f_.a.jatekosok) t += '\n' + u8(j.nev) + '\n' + QString::number(j.egyenleg);
    for (const PartiEredmeny& p : f_.a.naplo) t += '\n' + deal_szoveg(p);
    return t;
}

void Megorzes::frissites() {
    if (megorzes_fajl().isEmpty() || allapot() == irt_) return;
    iras();
}

void Megorzes::ablak_mentes() {
    if (!megorzes_fajl().isEmpty()) iras();
}

void Megorzes::iras() {
    QSettings s(megorzes_fajl(), QSettings::IniFormat);
    // Whole: whatever the old file held (even if it could not be read) goes.
    s.clear();
    s.setValue("valtozat", VALTOZAT);
    for (int k = 0; k < 3; ++k) {
        const QString csoport = QStringLiteral("jatekos%1/").arg(k);
        s.setValue(csoport + "nev", u8(f_.a.jatekosok[k].nev));
        s.setValue(csoport + "egyenleg", f_.a.jatekosok[k].egyenleg);
    }
    QStringList partik;
    for (const PartiEredmeny& p : f_.a.naplo) partik << deal_szoveg(p);
    s.setValue("partik", partik);
    s.setValue("tempo", f_.felulet.szunet_ms);
    s.setValue("ablak", f_.saveGeometry());
    s.sync();
    irt_ = allapot();
}
