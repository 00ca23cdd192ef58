#pragma once

#include <QList>
#include <QString>

class QIODevice;

namespace base {
class Regional;
}

// The one-line settings file kv.inf beside the program: "SPRACHE=" and the
// list position 0..4 of the chosen language.
namespace settings {

QString settingsFilePath(const QString& programFolder);

// The user's own folder for kv.inf: $XDG_CONFIG_HOME/zelvaro, else
// $HOME/.config/zelvaro; empty when neither names an absolute folder.
QString userSettingsFolder();

// Where a language change is saved: beside the program while its folder is
// writable, else in the user's folder (empty when there is none).
QString settingsWritePath(const QString& programFolder);

// What start-up reads: the file changes are saved to, or, while the user has
// none of their own, the program folder's (an administrator's default).
QString settingsReadPath(const QString& programFolder);

// The language positions of the valid lines, in file order. Reading stops
// silently at the first failure (a number beyond 16 bits), keeping what came before.
QList<int> readLanguagePositions(QIODevice& file, const base::Regional& regional);

// Replaces the file atomically; false when it could not be written.
bool writeLanguagePosition(const QString& path, int position);

// Writes the position to settingsWritePath, creating the user's folder when needed.
bool saveLanguagePosition(const QString& programFolder, int position);

}  // namespace settings
