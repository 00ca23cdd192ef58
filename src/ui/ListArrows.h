#pragma once

namespace ui {

// Makes the application's style give a closed list's arrow only the room its
// glyph needs and the rest to the entry, over whatever style the desktop
// chose; before any window is made. Calling it again changes nothing.
void useSlimListArrows();

}  // namespace ui
