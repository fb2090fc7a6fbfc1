#pragma once
// The about dialog: a picture and seven lines naming the program and its makers.

#include <QDialog>

class QLabel;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* szulo = nullptr);

    QLabel* Image1;
    QLabel* Label[8];  // Label1 .. Label7 (index 0 unused)
};
