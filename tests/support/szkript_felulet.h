#pragma once
// A scripted stand-in for the seam: answers the dialogs from queues the test fills,
// records every message, and keeps the pending "pause, then Button1" click the way
// the window's single-shot timer does, to be run with `fuss`.

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/asztal.h"
#include "scoring/elszamolas.h"
#include "table/felulet.h"

namespace teszt {

// A dialog came up that the script has no answer for.
struct SzkriptHiba : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class SzkriptFelulet : public Felulet {
  public:
    // One answer of the bidding dialog: the controls clicked (flag positions 0..13;
    // a check box toggles, a radio button gets checked), then "Kész". When "Kész" is
    // refused the message is recorded and the next answer is taken in the same
    // dialog. An empty queue presses "Kész" at once; a refusal then throws.
    std::deque<std::vector<int>> licitek;
    // Trump dialog: radio buttons 1 "Tök", 2 "Zöld", 3 "Makk"; 0 presses "Kész"
    // with nothing chosen. An empty queue throws.
    std::deque<int> aduk;
    // Announcements dialog: boxes clicked (toggled), then "Kész". Empty: "Kész" at once.
    std::deque<std::vector<int>> bejelentesek;

    std::vector<std::string> uzenetek;              // every message dialog, in order
    std::vector<BejelentesDialogus> bej_allapotok;  // the dialog as it was prepared
    std::vector<Elszamolas> elszamolasok;
    int licit_hivas = 0, adu_hivas = 0, bej_hivas = 0, jatekos_hivas = 0;
    int szunetek = 0, ujrarajzolasok = 0;
    int fokusz = -1;  // `fokusz_jatekos` when the players dialog opened

    void uzenet(Asztal& a, const std::string& szoveg) override;
    void licit_dialogus(Asztal& a) override;
    void adu_dialogus(Asztal& a) override;
    void bejelentes_dialogus(Asztal& a) override;
    void eredmeny_tabla(Asztal& a, const Elszamolas& e) override;
    void jatekosok_dialogus(Asztal& a) override;
    void szunet_es_kattintas(Asztal& a) override;
    void ujrarajzolas(Asztal& a) override;

    // Whether a pause is waiting to click `Button1`.
    bool fuggo() const { return fuggo_; }
    // Lets the pending clicks happen, as the timer would, at most `max` of them
    // (each may schedule the next). A click is dropped when the phase or the deal
    // changed meanwhile. Returns how many clicks ran.
    int fuss(Asztal& a, int max = 1000);
    // Forgets a pending click.
    void elvet() { fuggo_ = false; }

  private:
    bool fuggo_ = false;
    int32_t fuggo_fazis_ = 0;
    uint32_t fuggo_parti_ = 0;
};

}  // namespace teszt
