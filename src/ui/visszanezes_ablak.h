#pragma once
// "Visszanézés": a settled deal replayed step by step (the auction and announcements,
// then every card), all hands and the talon face up, with the verdict of each card:
// from what its player knew, how often each legal card reaches the side's goal, and
// with every card known, whether the declarer could still force it. The verdicts
// are counted on worker threads (itelet_munkak.h); from here the deal is played again
// ("Újrajátszás").

#include <QDialog>
#include <map>
#include <memory>
#include <vector>

#include "model/parti_rekord.h"
#include "review/itelet.h"
#include "review/visszajatszas.h"
#include "ui/itelet_munkak.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class Elrendezes;
class Kattinthato;
class TForm1;

// The strip of the deal's cards: each cell coloured by whether the declarer could
// still force its goal before that card, the card that turned it marked; a click
// jumps to the card.
class IdoVonal : public QWidget {
    Q_OBJECT
  public:
    explicit IdoVonal(QWidget* szulo = nullptr);
    // One entry per card and one after the last: 1 made, 0 lost, -1 not known yet.
    void beallitas(const std::vector<int>& allas, int fordulo, int jelenlegi,
                   const std::vector<QString>& tippek);
    int cella_at(QPoint p) const;

  signals:
    void valasztott(int kartya);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

  private:
    QRect cella(int k) const;
    std::vector<int> allas_;
    std::vector<QString> tippek_;
    int fordulo_ = -1, jelenlegi_ = -1;
};

class VisszanezesAblak : public QDialog {
    Q_OBJECT
  public:
    explicit VisszanezesAblak(TForm1& f, QWidget* szulo = nullptr);
    ~VisszanezesAblak() override;

    // The records to choose among in "Parti:", showing `valasztott` from its start.
    void rekordok_beallitasa(std::vector<PartiRekord> r, int valasztott);
    // The records of a file ("Megnyitás…"); a damaged one is refused with a message.
    bool fajl_megnyitasa(const QString& fajl);

    // Moment `i` of the review (0: as dealt).
    void ugras(int i);
    int most() const { return most_; }
    const std::vector<Pillanat>& pillanatok() const { return *p_; }
    std::shared_ptr<const std::vector<Pillanat>> pillanatok_ptr() const { return p_; }
    const PartiRekord* rekord() const;

    // What the person chose to play again when the window closed.
    enum class Ujra { nincs, elejerol, innen };
    Ujra ujra() const { return ujra_; }
    // Opened from the result table: playing again goes on through the flow's click.
    void eredmenytablabol(bool igen) { eredmenybol_ = igen; }

    // The verdicts known so far, per moment of a card.
    const std::map<int, LapItelet>& lap_iteletek() const { return ert().lap; }
    IteletMunkak& munkak() { return munkak_; }
    // The moment of the card that turned the deal, as far as the verdicts tell; -1 none.
    int fordulo_elem() const { return fordulo_elem_; }

    // --- Controls ---------------------------------------------------------
    QWidget* Szoba;
    QComboBox* Parti;
    QPushButton* Megnyitas;
    QLabel* Szerzodes;  // the contract line of the moment
    QLabel* Nevek[3];   // rows from the top: left seat, right seat, the human
    Kattinthato* Lapok[3][10];
    QLabel* Szamok[3][10];     // "jo / elosztasok" under each legal card
    QWidget* Legjobb[3][10];   // gold frame: the best card
    QWidget* Jatszott[3][10];  // orange frame: the card played
    Kattinthato* Utes[3];      // the trick, by seat of the row
    QWidget* UtesNyero[3];
    Kattinthato* Talon[2];
    IdoVonal* Vonal;
    QLabel* Naplo;      // the log line of the moment
    QLabel* IteletSor;  // the plain line of the card's verdict
    QLabel* TeljesSor;  // the verdict with every card known
    QPushButton* Eleje;
    QPushButton* Vissza;
    QPushButton* Elore;
    QPushButton* Vege;
    QLabel* Lepes;        // "12. lépés / 47"
    QPushButton* Itelet;  // "Ítélet ehhez a laphoz"
    QProgressBar* Haladas;
    QPushButton* Megse;
    QPushButton* Elejerol;  // "Újrajátszás az elejéről"
    QPushButton* Innen;     // "Újrajátszás innen"
    QPushButton* Bezar;

    void done(int r) override;

  private:
    // A deal's review, kept while the window is open.
    struct Ertekeles {
        std::shared_ptr<const std::vector<Pillanat>> p;
        std::vector<int> kartyak;            // moments of the card steps
        std::map<int, LapItelet> lap;        // by the card's moment
        std::map<int, TeljesItelet> teljes;  // by the card's moment; one past the last: after it
    };
    const Ertekeles& ert() const { return ertekelesek_.at(valasztott_); }
    Ertekeles& ert() { return ertekelesek_.at(valasztott_); }

    void epites();
    void parti_valasztas(int index);
    void mutatas();
    void itelet_mutatas(int kartya_elem);
    void vonal_frissites();
    void gombok_frissites();
    void haladas_frissites();
    void lap_erkezett(int elem, const LapItelet& l);
    void teljes_erkezett(int elem, const TeljesItelet& t);
    // The verdicts of a deal not yet counted: the full ones and the human's cards,
    // tricks 2-9 first (milliseconds each), then tricks 0-1.
    std::vector<IteletFeladat> hianyzo_feladatok() const;
    void ItelekClick();
    void MegseClick();
    void ElejerolClick();
    void InnenClick();
    void MegnyitasClick();
    // The seat shown in row `sor` (0 top .. 2 bottom).
    int sor_ulese(int sor) const;
    int ules_sora(int seat) const;

    TForm1& f_;
    Elrendezes* elrendezes_ = nullptr;
    QTimer* ora_ = nullptr;
    IteletMunkak munkak_;
    std::vector<PartiRekord> rekordok_;
    std::map<int, Ertekeles> ertekelesek_;
    std::shared_ptr<const std::vector<Pillanat>> p_;
    int valasztott_ = -1;
    int most_ = 0;
    Ujra ujra_ = Ujra::nincs;
    bool eredmenybol_ = false;
    bool leallitva_ = false;
    int fordulo_elem_ = -1;  // "Mégse": what is missing is asked for card by card
};

// Opens the review of the game's settled deals, the newest chosen, then plays the
// deal again as the person chose: from its start (the next "Új parti" deals it) or
// from a moment (the table shows it with the human to choose). `eredmenytabla`: the
// result table it was opened from, which is then closed into the flow; null from the menu.
void visszanezes(TForm1& f, QDialog* eredmenytabla);

// Adds "Visszanézés" to the "Játék" menu above "Statisztika", enabled while a
// settled deal's record exists.
void visszanezes_menu(TForm1& f);
