// veltra-artgen: paints the module symbols, connection tiles, toolbar
// pictures and program icon into the program folder given as the only
// argument. Run by the build; the pictures are never edited by hand.
#include "artwork_writer.h"

#include "core/util/error.h"

#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Aufruf: veltra-artgen PROGRAMMORDNER\n";
    return 64;
  }
  try {
    const int count = veltra::artgen::writeArtwork(argv[1]);
    std::cout << count << " Bilder geschrieben nach " << argv[1] << "\n";
    return 0;
  } catch (const veltra::core::Error& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
}
