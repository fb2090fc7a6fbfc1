#pragma once
// A label that reports a click: the card pictures and the name boxes of the table.
// A card of the deck is drawn at the size the label has (and again when it is
// resized), never stretched from its 64 x 100 file.

#include <QLabel>
#include <QPixmap>

// The picture file `utvonal` for a screen of device pixel ratio `arany`: above 1 the
// twice-sized drawing beside it ("kartya/pd@2x.jpg" for "kartya/pd.jpg") where
// there is one, so the picture stays sharp. Each file is read once.
QPixmap kep_fajlbol(const QString& utvonal, qreal arany);

class Kattinthato : public QLabel {
    Q_OBJECT
public:
    explicit Kattinthato(QWidget* szulo = nullptr);

    // Shows the picture file `utvonal` (a card drawn at this label's size); a file
    // that cannot be read leaves a white card with the file's name, so the table
    // stays usable.
    void kep_betoltes(const QString& utvonal);
    const QString& betoltott() const { return utvonal_; }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Draws the picture for the label's size and screen, unless it is drawn for them.
    void kep_rajzolas();

    QString utvonal_;
    QSize rajzolt_meret_;
    qreal rajzolt_arany_ = 0;
    bool lenyomva_ = false;
};
