#pragma once
// "Hellóbelló": one line of text and "OK", shown modally for every refusal and
// every announcement of a computer player.

#include <QDialog>

class QLabel;
class QPushButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* szulo = nullptr);

    // Sets the line and shows the dialog until "OK" is pressed.
    void uzenet(const QString& szoveg);

    QLabel* Label1;
    QPushButton* Button1;

public slots:
    void Button1Click();
};
