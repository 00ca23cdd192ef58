#pragma once

#include <QIcon>

// What the desktop knows the program by: name, version, desktop entry and icon.
namespace app {

// Sets them on the application; call once, right after QApplication exists.
void setApplicationIdentity();

// The program's icon in its three drawn sizes.
QIcon programIcon();

}  // namespace app
