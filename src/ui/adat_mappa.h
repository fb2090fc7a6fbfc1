#pragma once
// Where the program's own files are: the card pictures "kartya/..." and the help
// "help/..." are named relative to the working directory, as in the build tree.
// An installed program is started from any folder, so a name the working
// directory lacks is looked up in the data folder beside the program.

#include <QString>
#include <QStringList>

// The folders tried after the working directory: the installed data folder
// (relative to the executable, so an unpacked package in any root works) and the
// executable's own folder (the build tree). Needs the QCoreApplication.
QStringList adat_mappak();

// `relativ` itself when it exists relative to the working directory, else the
// first folder of `mappak` that holds it joined with it, else `relativ` unchanged
// (so a missing file is reported under its own name).
QString adat_utvonal(const QString& relativ, const QStringList& mappak);
QString adat_utvonal(const QString& relativ);
