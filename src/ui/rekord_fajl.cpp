#include "ui/rekord_fajl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include "model/asztal.h"
#include "review/rekord.h"

QString& rekordok_fajl() {
    static QString f;
    return f;
}

QString rekordok_alap_fajl() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ulti/rekordok.txt");
}

bool rekordok_olvasasa(const QString& fajl, std::vector<PartiRekord>& ki, std::string& hiba) {
    QFile f(fajl);
    if (!f.open(QIODevice::ReadOnly)) {
        hiba = "A fájl nem olvasható: " + f.errorString().toStdString();
        return false;
    }
    const QByteArray b = f.readAll();
    auto r =
        rekordok_ertelmezes(std::string_view(b.constData(), static_cast<size_t>(b.size())), &hiba);
    if (!r) return false;
    ki = std::move(*r);
    return true;
}

void RekordMegorzes::visszatoltes(Asztal& a, QWidget* szulo) {
    const QString fajl = rekordok_fajl();
    if (fajl.isEmpty() || !QFileInfo::exists(fajl)) return;
    std::vector<PartiRekord> r;
    std::string hiba;
    if (!rekordok_olvasasa(fajl, r, hiba)) {
        // Once the window is up, over it; the file stays until the next deal is kept.
        const QString szoveg =
            QString::fromUtf8("Az elmentett partik nem tölthetők be (%1):\n%2")
                .arg(QDir::toNativeSeparators(fajl), QString::fromStdString(hiba));
        QTimer::singleShot(0, szulo, [szulo, szoveg] {
            QMessageBox::warning(szulo, QString::fromUtf8("Visszanézés"), szoveg);
        });
        return;
    }
    a.rekordok = std::move(r);
    if (!a.rekordok.empty())
        kulcs_ = std::to_string(a.rekordok.size()) + rekordok_szoveg({a.rekordok.back()});
}

void RekordMegorzes::frissites(const Asztal& a) {
    const QString fajl = rekordok_fajl();
    if (fajl.isEmpty() || a.rekordok.empty()) return;
    // Records change only when a deal settles: the count and the newest tell.
    std::string kulcs = std::to_string(a.rekordok.size()) + rekordok_szoveg({a.rekordok.back()});
    if (kulcs == kulcs_) return;
    const std::string szoveg = rekordok_szoveg(a.rekordok);
    QDir().mkpath(QFileInfo(fajl).absolutePath());
    QSaveFile f(fajl);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(szoveg.data(), static_cast<qint64>(szoveg.size()));
    // Not written is not kept: the next settled deal tries again.
    if (f.commit()) kulcs_ = std::move(kulcs);
}
