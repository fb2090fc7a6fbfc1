#include "ui/tform10.h"

TForm10::TForm10(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form10");
    setWindowTitle(QString::fromUtf8("Ütések"));
    setFixedSize(641, 565);
    // Its controls come with the feature that uses it.
}
