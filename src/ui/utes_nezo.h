#pragma once
// Holding the mouse on the trick area of the table shows the last completed trick
// until the button is let go. This only watches the mouse: what the table shows
// meanwhile is the core's (`utolso_utes_nezet`), and nothing in the table changes.

#include <QObject>
#include <QRect>
#include <functional>

class QWidget;

class UtesNezo : public QObject {
public:
    // Watches presses on `tabla` inside `terulet` (the trick pictures' area as the
    // table places it now, in the table's coordinates), and `ablak` losing the mouse
    // to a dialog. `frissites` redraws the table.
    UtesNezo(QWidget* ablak, QWidget* tabla, std::function<QRect()> terulet, std::function<void()> frissites);

    // Whether the button is held down on the trick area.
    bool tartva() const { return tartva_; }

protected:
    bool eventFilter(QObject* cel, QEvent* esemeny) override;

private:
    void allit(bool tartva);

    QWidget* tabla_;
    std::function<QRect()> terulet_;
    std::function<void()> frissites_;
    bool tartva_ = false;
};
