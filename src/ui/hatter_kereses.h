#pragma once
// The card choice away from the window's thread. The computer's search (and the
// hint's) runs on a worker thread over a copy of the table; the finished choice
// comes back to the window's thread as a queued call, where the core takes it over.
// Nothing else runs off the window's thread.

#include <QObject>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "table/folyam.h"

class HatterKereses : public QObject {
    Q_OBJECT
public:
    HatterKereses();
    // Stops every worker and waits for it.
    ~HatterKereses() override;

    // Starts the choice for the seat on turn on a copy of `a`, unless one for the
    // same place is running or waiting already. Workers for other places are stopped.
    void inditas(const Asztal& a);
    // Whether the choice for the table's current place is still running.
    bool fut(const Asztal& a) const;
    // The finished choice for the table's current place, taken out; null if none.
    std::unique_ptr<LapDontes> atvetel(const Asztal& a);
    // Stops the workers whose place the table has left (a new deal, a played card).
    void elavultak_leallitasa(const Asztal& a);
    // Stops every worker and waits for it (closing, leaving the program).
    void leallitas();
    // Workers started and not yet taken back (tests).
    size_t feladatok() const { return feladatok_.size(); }

    // What a worker runs. Tests slow it down or make it throw.
    std::function<void(LapDontes&)> munka = lap_dontes;

signals:
    // A choice has come back, finished, for whatever place.
    void elkeszult();

private:
    struct Feladat;
    void erkezes(Feladat* f);

    std::vector<std::unique_ptr<Feladat>> feladatok_;
    // The table's clock is the test's or the real one; the workers take turns on it.
    std::shared_ptr<std::mutex> ora_zar_ = std::make_shared<std::mutex>();
};
