#pragma once
// The review's verdicts, counted on worker threads so the window answers at once.
// Each verdict comes back to the window's thread as a queued call; closing stops the
// counts and joins the threads.

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "review/itelet.h"
#include "review/visszajatszas.h"

// One verdict to count: of the card shown at moment `elem` (its table before is
// moment `elem - 1`'s); `teljes`: with every card known, else from what its player knew.
// The full verdict after the last card has `elem` one past the last moment.
struct IteletFeladat {
    int32_t elem = 0;
    bool teljes = false;
    bool operator==(const IteletFeladat&) const = default;
};

class IteletMunkak : public QObject {
    Q_OBJECT
  public:
    explicit IteletMunkak(int szalak = 2, QObject* szulo = nullptr);
    ~IteletMunkak() override;

    // A new deal to count over: stops what runs and forgets the queue.
    void uj_parti(std::shared_ptr<const std::vector<Pillanat>> p);
    // Queues the tasks at the back, or as asked for by the person: those come before
    // the rest, and one worker of their own takes them even while the others are in
    // long counts. Starts the workers.
    void sorba(const std::vector<IteletFeladat>& f, bool kert = false);
    // Stops the counts that run, drops the queue and joins the workers. Prompt: a
    // count checks its stop flag as it goes.
    void leallitas();

    // Queued or being counted.
    bool var(const IteletFeladat& f) const;
    bool fut() const;

    // How far the tasks queued since the workers were last idle are.
    struct Haladas {
        int kesz = 0, osszes = 0;
        // The players' counts running now: distributions searched and to search, summed.
        int64_t eloszt_kesz = 0, eloszt_osszes = 0;
        int32_t fut_elem = -1;  // a running count's moment, -1 none
    };
    Haladas haladas() const;

  signals:
    void lap_kesz(int elem, const LapItelet& l);
    void teljes_kesz(int elem, const TeljesItelet& t);

  private:
    void munkas(int k);

    const int szalak_;  // general workers; one more takes only what was asked for
    std::shared_ptr<const std::vector<Pillanat>> p_;
    unsigned generacio_ = 0;

    mutable std::mutex zar_;
    std::condition_variable jel_;
    std::deque<IteletFeladat> sor_;
    std::deque<IteletFeladat> kert_;  // asked for by the person
    std::vector<std::thread> szalak_futo_;
    std::vector<IteletFeladat> fut_;         // per worker; elem -1 idle
    std::unique_ptr<IteletVezerles[]> vez_;  // per worker
    bool vege_ = false;
    int kesz_ = 0, osszes_ = 0;
};
