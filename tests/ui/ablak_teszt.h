#pragma once
// Shared pieces of the window tests: a fresh set of the ten windows per test, and
// answering modal dialogs from the event loop so that a missed dialog fails the
// test instead of hanging it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "ui/tform1.h"
#include "ui/urlapok.h"

namespace teszt {

// Answers modal dialogs as they open. `valasz` runs on each dialog in turn (by a
// zero-time timer inside the dialog's own loop); the watchdog closes whatever is
// still open after `ms` milliseconds and fails the test.
class ModalFelelo {
public:
    explicit ModalFelelo(std::function<void(QWidget*)> valasz, int ms = 5000);
    ~ModalFelelo();
    int megvalaszolt() const { return db_; }

private:
    std::function<void(QWidget*)> valasz_;
    std::unique_ptr<QTimer> figyelo_;
    std::unique_ptr<QTimer> orkutya_;
    int db_ = 0;
};

// What a look at the table could disturb, as one comparable text: the phase, the
// trick, the seat on turn, the deal number and every picture of the table state.
std::string allapot(const Asztal& a);

// Closes `w` for good: a dialog left only through its own button ignores the close
// request, so a watchdog ends it directly.
void becsuk(QWidget* w);

// Creates TForm1 .. TForm10 and shows the main window; destroys them afterwards.
class AblakTeszt : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A whole deal from seed `mag` on a driven clock, with a 5 ms pause between
    // computer cards, so a test plays it in moments and the same way every time.
    void hajtott_parti(uint64_t mag);
    TForm1* f = nullptr;
};

}  // namespace teszt
