#include "ui/tform5.h"

TForm5::TForm5(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form5");
    setWindowTitle(QString::fromUtf8("Licitálás"));
    setFixedSize(153, 391);
    // Its controls come with the feature that uses it.
}
