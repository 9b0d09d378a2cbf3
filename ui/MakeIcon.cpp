// orvane_make_icon: writes the application icon, drawn by the program's artwork code, to
// the file named on the command line (resources/orvane.ico in the repository).
#include <cstdio>
#include <fstream>

#include "ui/Artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvane_make_icon OUTPUT.ico\n");
    return 2;
  }
  const std::string bytes = AppIconFile();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (bytes.empty() || !out) {
    std::fprintf(stderr, "orvane_make_icon: could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
