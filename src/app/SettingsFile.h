#pragma once

#include <QList>
#include <QString>

class QIODevice;

namespace ui {
class Regional;
}

// The one-line settings file kv.inf beside the program: "SPRACHE=" and the
// list position 0..4 of the chosen language.
namespace settings {

QString settingsFilePath(const QString& programFolder);

// The language positions of the valid lines, in file order. Reading stops
// silently at the first failure (a number beyond 16 bits), keeping what came before.
QList<int> readLanguagePositions(QIODevice& file, const ui::Regional& regional);

// Replaces the file atomically; false when it could not be written.
bool writeLanguagePosition(const QString& path, int position);

}  // namespace settings
