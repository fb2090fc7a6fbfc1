#include "ui/adat_mappa.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList adat_mappak() {
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + "/" + QString::fromUtf8(ULTI_ADAT_RELATIV)), program};
}

QString adat_utvonal(const QString& relativ, const QStringList& mappak) {
    if (QFileInfo::exists(relativ)) return relativ;
    for (const QString& mappa : mappak) {
        const QString utvonal = QDir(mappa).filePath(relativ);
        if (QFileInfo::exists(utvonal)) return utvonal;
    }
    return relativ;
}

QString adat_utvonal(const QString& relativ) {
    // Looked up once per process: the folders do not move while it runs.
    static const QStringList mappak = adat_mappak();
    return adat_utvonal(relativ, mappak);
}
