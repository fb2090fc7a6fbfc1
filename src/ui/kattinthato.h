#pragma once
// A label that reports a click: the card pictures and the name boxes of the table.

#include <QLabel>

class Kattinthato : public QLabel {
    Q_OBJECT
public:
    explicit Kattinthato(QWidget* szulo = nullptr);

    // Shows the picture file `utvonal`; a file that cannot be read leaves a white
    // card with the file's name, so the table stays usable.
    void kep_betoltes(const QString& utvonal);
    const QString& betoltott() const { return utvonal_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString utvonal_;
    bool lenyomva_ = false;
};
