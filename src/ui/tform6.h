#pragma once
// The trump dialog of a human declarer.

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* szulo = nullptr);
};
