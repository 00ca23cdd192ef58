#pragma once

#include <QWidget>
#include <memory>

// One start-up under the same application set-up as the program, ended as
// soon as the event loop is idle. The instruction count compares the start-up
// of the program with that of a bare window with the same controls; each of
// the two executables defines the window it starts.
void prepareApplication();
std::unique_ptr<QWidget> createStartWindow();
