// The program's own drawings, as vectors so they stay sharp at every scale: the maker's
// logo in the header and the application icon.
#pragma once

#include <string>

#include "Tavin/VectorImage.h"

// 112 x 50 at 100 %: a blue mark and the maker's name beside it.
TVectorImage MakerLogo();
// A square grid: a blue rounded tile with the rows of a list on it.
TVectorImage AppIconDrawing();
// The .ico bytes of the application icon at the sizes Windows asks for (16 to 256).
std::string AppIconFile();
