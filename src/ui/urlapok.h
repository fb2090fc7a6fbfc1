#pragma once
// The ten windows of the program, created once at start and kept until the end,
// and the program-wide settings of the application: the help file and the handling
// of an exception that reaches the event loop.

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

class QDialog;

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

struct Urlapok {
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;
    TForm8* Form8 = nullptr;
    TForm9* Form9 = nullptr;
    TForm10* Form10 = nullptr;
};

// The program's small font ("MS Sans Serif" at 8 points where it exists).
QFont kis_betu();

// The frame of a fixed-size dialog without border icons (it is left through its own
// button): object name, caption, size and background colour.
void parbeszed_keret(QDialog* d, const char* nev, const char* felirat, int szel, int mag,
                     const QColor& hatter);

// A text of the core as the windows show it. Only the screen form changes: a
// hyphen inside a word ("40-em", "20-100") becomes a non-breaking one, and the
// blank before "Ft" a non-breaking blank, so a wrapped line never splits them.
// `betu` is the font the text is shown in: without a non-breaking hyphen in it, a
// word joiner after the plain hyphen does the same.
QString kijelzett(const std::string& szoveg, const QFont& betu);

// The lime of the auction and announcement dialogs.
inline const QColor LIME_HATTER(0, 255, 0);

// The windows of this process.
Urlapok& urlapok();

// Creates TForm1 .. TForm10 in this order; the dialogs belong to the main window.
void urlapok_letrehozasa();
// Destroys them again (the tests build a fresh set per test).
void urlapok_torlese();

// The help file that "Leírás" opens, relative to the working directory.
QString& sugo_fajl();
inline constexpr const char* SUGO_FAJL = "help/project1.hlp";

// The application: an exception that reaches the event loop is shown in a message
// box, then the program ends.
class UltiAlkalmazas : public QApplication {
public:
    UltiAlkalmazas(int& argc, char** argv);
    bool notify(QObject* cel, QEvent* esemeny) override;
};

// Shows the message of an exception that nobody caught and ends the process.
[[noreturn]] void vegzetes_hiba(const QString& szoveg);
