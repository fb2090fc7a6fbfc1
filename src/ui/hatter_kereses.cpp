#include "ui/hatter_kereses.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <exception>
#include <thread>

struct HatterKereses::Feladat {
    uint64_t azonosito = 0;
    DontesHelye hely;
    std::unique_ptr<LapDontes> d;  // the worker's until it has come back
    // 0 while running; once stopped, 1 + the clock reads since.
    std::shared_ptr<std::atomic<int64_t>> leallitva = std::make_shared<std::atomic<int64_t>>(0);
    std::exception_ptr hiba;  // written by the worker before it reports back
    bool kesz = false;        // back on the window's thread
    std::thread szal;

    void leallit() {
        int64_t fut = 0;
        leallitva->compare_exchange_strong(fut, 1);
    }
};

namespace {

// The clock of a stopped worker: far past any deadline the search has set, in
// steps that cannot overflow a deadline computed from the first of them, and at
// last the largest value, which even a search without a deadline stops at.
int64_t leallitott_ora(std::atomic<int64_t>& n) {
    const int64_t i = std::min<int64_t>(n.fetch_add(1), 7);
    return i >= 7 ? LLONG_MAX : LLONG_MAX / 4 + (i - 1) * (LLONG_MAX / 8);
}

uint64_t kovetkezo_azonosito() {
    static uint64_t n = 0;
    return ++n;
}

}  // namespace

HatterKereses::HatterKereses() = default;
HatterKereses::~HatterKereses() { leallitas(); }

void HatterKereses::inditas(const Asztal& a) {
    elavultak_leallitasa(a);
    const DontesHelye hely = dontes_helye(a);
    for (const auto& f : feladatok_)
        if (f->hely == hely) return;

    auto f = std::make_unique<Feladat>();
    f->azonosito = kovetkezo_azonosito();
    f->hely = hely;
    f->d = std::make_unique<LapDontes>();
    f->d->tabla = a;
    f->d->tabla.ora = [eredeti = a.ora, zar = ora_zar_, le = f->leallitva]() -> int64_t {
        if (le->load() > 0) return leallitott_ora(*le);
        const std::lock_guard<std::mutex> g(*zar);
        return eredeti ? eredeti() : valodi_ora();
    };
    Feladat* p = f.get();
    f->szal = std::thread([this, p, munka = munka, id = f->azonosito] {
        try {
            munka(*p->d);
        } catch (...) {
            p->hiba = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this, id] {
            for (const auto& f : feladatok_)
                if (f->azonosito == id) return erkezes(f.get());
        }, Qt::QueuedConnection);
    });
    feladatok_.push_back(std::move(f));
}

void HatterKereses::erkezes(Feladat* f) {
    f->szal.join();
    f->kesz = true;
    const bool leallitva = f->leallitva->load() > 0;
    if (f->hiba || leallitva) {
        const std::exception_ptr hiba = f->hiba;
        std::erase_if(feladatok_, [f](const auto& g) { return g.get() == f; });
        // A fault on the worker is the window's fault: the exception box takes it.
        if (hiba) std::rethrow_exception(hiba);
        return;
    }
    emit elkeszult();
}

bool HatterKereses::fut(const Asztal& a) const {
    const DontesHelye hely = dontes_helye(a);
    return std::any_of(feladatok_.begin(), feladatok_.end(),
                       [&](const auto& f) { return f->hely == hely && !f->kesz; });
}

std::unique_ptr<LapDontes> HatterKereses::atvetel(const Asztal& a) {
    elavultak_leallitasa(a);
    for (auto it = feladatok_.begin(); it != feladatok_.end(); ++it) {
        if (!(*it)->kesz) continue;
        std::unique_ptr<LapDontes> d = std::move((*it)->d);
        feladatok_.erase(it);
        return d;
    }
    return nullptr;
}

void HatterKereses::elavultak_leallitasa(const Asztal& a) {
    const DontesHelye hely = dontes_helye(a);
    std::erase_if(feladatok_, [&](const auto& f) {
        if (f->hely == hely) return false;
        f->leallit();
        return f->kesz;  // a finished one has been joined already
    });
}

void HatterKereses::leallitas() {
    for (const auto& f : feladatok_) f->leallit();
    for (const auto& f : feladatok_)
        if (f->szal.joinable()) f->szal.join();
    feladatok_.clear();
}
