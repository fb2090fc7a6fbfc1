#pragma once
// The scaled layout: the widgets of a room (the table, a dialog) were placed for one
// size, and are shown at any scale. Each widget's place, size, font, icon size and
// style-sheet pixels are kept in the room's default units and set from them times one
// scale factor, the content centred in the room. Widgets added, moved or given a font
// later by the program, which works in default units as the forms do, are picked up
// and follow the scale too. Card pictures draw themselves at the size they get
// (`Kattinthato`), so nothing is stretched.

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QMenu;
class QWidget;

class Elrendezes : public QObject {
    Q_OBJECT
public:
    // Lays out the children of `szoba`, placed for a room of `alap`, at the largest
    // scale at which `alap` fits the room's size, centred.
    Elrendezes(QWidget* szoba, QSize alap);

    double arany() const { return arany_; }
    // Where the content's top-left corner lies in the room.
    QPoint eltolas() const { return eltolas_; }
    QSize alap() const { return alap_; }

    // `w` (a child of the room) spans the room's full width at its top, whatever the
    // scale: the tool bar. Its height and its children scale from its left edge.
    void felso_sav(QWidget* w);
    // `w`'s width follows its text (its size hint, in the scaled font) instead of scaling.
    void szoveg_szeles(QWidget* w);

    // The rectangle of default units as it is placed now, in the room's coordinates.
    QRect most(const QRect& alap) const;
    // `w`'s rectangle in default units, for code that places one widget by another:
    // what it sets in default units follows the scale, what it read from a scaled
    // widget would be scaled twice. `w`'s geometry when the layout does not place it.
    QRect alap_hely(QWidget* w);

    // `ablak`, a dialog of fixed size, takes this room's scale each time it is shown,
    // as far as its screen lets it, keeping its centre.
    void kovet(QWidget* ablak);

    // Picks up widgets added, moved or changed since, then places every widget.
    void igazitas();

signals:
    void arany_valtozott(double arany);

protected:
    bool eventFilter(QObject* cel, QEvent* e) override;

private:
    // A dialog following `forras`: its size is set from the scale, not read from it.
    Elrendezes(QWidget* szoba, QSize alap, const Elrendezes* forras);
    // Sets the following dialog's size and places for the source's scale.
    void kovetes();

    struct Elem {
        QPointer<QWidget> w;
        // In default units.
        QRect alap;
        QFont betu;
        QString stilus;
        QSize ikon;
        int jel = 0;  // a tick box's or round button's box
        // As last set here, to tell the program's own changes from ours.
        QRect tett;
        QFont tett_betu;
        QString tett_stilus;
        QSize tett_ikon;
        bool sav = false;
        bool szoveg = false;
    };

    void gyujtes(QWidget* szulo);
    Elem* elem(QWidget* w);
    // Takes over what the program changed in `e` since it was last placed.
    void atvetel(Elem& e);
    void elhelyezes(Elem& e);
    void megjegyzes(Elem& e);
    void kesobb_igazitas();

    QWidget* szoba_;
    QSize alap_;
    const Elrendezes* forras_ = nullptr;
    double arany_ = 1;
    QPoint eltolas_;
    std::vector<Elem> elemek_;  // parents before their children
    QHash<QWidget*, size_t> hol_;
    bool bent_ = false;       // placing: the events are our own
    bool kesobb_ = false;     // a pass is queued
};

// The steps of "Nagyítás", in percent.
inline constexpr int NAGYITASOK[] = {100, 125, 150, 200};

// The step after the scale `szazalek` upwards (`irany` > 0) or downwards; the last
// step that way when there is none beyond it.
int kovetkezo_nagyitas(int szazalek, int irany);

// Gives the window `ablak` the size at which its central widget `szoba` is `alap`
// times `szazalek` percent, as far as the screen holds it; a maximised window is
// restored first.
void ablak_nagyitas(QWidget* ablak, QWidget* szoba, QSize alap, int szazalek);

// The "Nagyítás" menu under `szulo`: the steps (the current one checked), then
// "Nagyobb" (Ctrl++) and "Kisebb" (Ctrl+-). `most` gives the scale in percent,
// `beallit` sets it.
QMenu* nagyitas_menu(QMenu* szulo, std::function<int()> most, std::function<void(int)> beallit);
