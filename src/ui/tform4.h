#pragma once
// The players dialog: names and kinds of the three seats.

#include <QDialog>

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* szulo = nullptr);
};
