#include "ui/tform7.h"

TForm7::TForm7(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form7");
    setWindowTitle(QString::fromUtf8("Jelentések és kontrák"));
    setFixedSize(401, 201);
    // Its controls come with the feature that uses it.
}
