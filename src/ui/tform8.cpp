#include "ui/tform8.h"

TForm8::TForm8(QWidget* szulo) : QDialog(szulo) {
    setObjectName("Form8");
    setWindowTitle(QString::fromUtf8("Eredménytáblázat"));
    setFixedSize(643, 255);
    // Its controls come with the feature that uses it.
}
