#pragma once
// The tricks each player took.

#include <QDialog>

class TForm10 : public QDialog {
    Q_OBJECT
public:
    explicit TForm10(QWidget* szulo = nullptr);
};
