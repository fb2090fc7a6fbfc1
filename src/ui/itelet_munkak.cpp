#include "ui/itelet_munkak.h"

#include <algorithm>

IteletMunkak::IteletMunkak(int szalak, QObject* szulo)
    : QObject(szulo),
      szalak_(std::max(1, szalak)),
      fut_(szalak_ + 1),
      vez_(new IteletVezerles[szalak_ + 1]) {
    for (IteletFeladat& f : fut_) f.elem = -1;
}

IteletMunkak::~IteletMunkak() {
    leallitas();
}

void IteletMunkak::uj_parti(std::shared_ptr<const std::vector<Pillanat>> p) {
    leallitas();
    std::lock_guard<std::mutex> z(zar_);
    p_ = std::move(p);
    ++generacio_;
    kesz_ = osszes_ = 0;
}

void IteletMunkak::sorba(const std::vector<IteletFeladat>& f, bool kert) {
    if (f.empty() || !p_) return;
    {
        std::lock_guard<std::mutex> z(zar_);
        const bool tetlen = sor_.empty() && kert_.empty() &&
                            std::all_of(fut_.begin(), fut_.end(),
                                        [](const IteletFeladat& x) { return x.elem < 0; });
        if (tetlen) kesz_ = osszes_ = 0;
        if (kert)
            kert_.insert(kert_.begin(), f.begin(), f.end());
        else
            sor_.insert(sor_.end(), f.begin(), f.end());
        osszes_ += static_cast<int>(f.size());
        if (szalak_futo_.empty())
            for (int k = 0; k <= szalak_; ++k) szalak_futo_.emplace_back([this, k] { munkas(k); });
    }
    jel_.notify_all();
}

void IteletMunkak::leallitas() {
    {
        std::lock_guard<std::mutex> z(zar_);
        vege_ = true;
        sor_.clear();
        kert_.clear();
        for (int k = 0; k <= szalak_; ++k) vez_[k].leallitas = true;
    }
    jel_.notify_all();
    for (std::thread& t : szalak_futo_) t.join();
    std::lock_guard<std::mutex> z(zar_);
    szalak_futo_.clear();
    vege_ = false;
    kesz_ = osszes_ = 0;
}

bool IteletMunkak::var(const IteletFeladat& f) const {
    std::lock_guard<std::mutex> z(zar_);
    return std::find(sor_.begin(), sor_.end(), f) != sor_.end() ||
           std::find(kert_.begin(), kert_.end(), f) != kert_.end() ||
           std::find(fut_.begin(), fut_.end(), f) != fut_.end();
}

bool IteletMunkak::fut() const {
    std::lock_guard<std::mutex> z(zar_);
    return !sor_.empty() || !kert_.empty() ||
           std::any_of(fut_.begin(), fut_.end(),
                       [](const IteletFeladat& x) { return x.elem >= 0; });
}

IteletMunkak::Haladas IteletMunkak::haladas() const {
    std::lock_guard<std::mutex> z(zar_);
    Haladas h;
    h.kesz = kesz_;
    h.osszes = osszes_;
    for (int k = 0; k <= szalak_; ++k) {
        // The player's counts: a full verdict is one distribution.
        if (fut_[k].elem < 0 || fut_[k].teljes) continue;
        h.eloszt_kesz += vez_[k].kesz;
        h.eloszt_osszes += vez_[k].osszes;
        h.fut_elem = fut_[k].elem;
    }
    return h;
}

void IteletMunkak::munkas(int k) {
    for (;;) {
        IteletFeladat f;
        unsigned gen;
        std::shared_ptr<const std::vector<Pillanat>> p;
        {
            std::unique_lock<std::mutex> z(zar_);
            // The last worker waits for what the person asks for; the others take that
            // first too, then the rest in order.
            jel_.wait(
                z, [this, k] { return vege_ || !kert_.empty() || (k < szalak_ && !sor_.empty()); });
            if (vege_) return;
            std::deque<IteletFeladat>& honnan = kert_.empty() ? sor_ : kert_;
            f = honnan.front();
            honnan.pop_front();
            fut_[k] = f;
            gen = generacio_;
            p = p_;
            vez_[k].leallitas = false;
            vez_[k].kesz = 0;
            vez_[k].osszes = 0;
        }
        // A copy of its own: the count may read the table's clock, which keeps state.
        const Asztal elotte = (*p)[f.elem - 1].tabla;
        if (f.teljes) {
            TeljesItelet t = teljes_itelet(elotte, &vez_[k]);
            if (t.kesz)
                QMetaObject::invokeMethod(
                    this,
                    [this, gen, f, t] {
                        if (gen == generacio_) emit teljes_kesz(f.elem, t);
                    },
                    Qt::QueuedConnection);
        } else {
            LapItelet l = lap_itelet(elotte, (*p)[f.elem].slot, &vez_[k]);
            if (l.kesz)
                QMetaObject::invokeMethod(
                    this,
                    [this, gen, f, l] {
                        if (gen == generacio_) emit lap_kesz(f.elem, l);
                    },
                    Qt::QueuedConnection);
        }
        std::lock_guard<std::mutex> z(zar_);
        fut_[k].elem = -1;
        if (!vege_) ++kesz_;
    }
}
