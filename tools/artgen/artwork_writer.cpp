#include "artwork_writer.h"

#include "bmp_writer.h"
#include "design_style.h"
#include "icon_painter.h"
#include "symbol_painter.h"
#include "tile_painter.h"
#include "toolbar_painter.h"

#include "core/modules/catalogue.h"
#include "core/util/error.h"
#include "core/util/system_error_text.h"

#include <system_error>

namespace veltra::artgen {

namespace fs = std::filesystem;

namespace {

void makeFolder(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec)
    throw core::Error("Ordner " + dir.string() + " kann nicht angelegt werden. " + core::systemErrorText(ec.value()));
}

} // namespace

int writeArtwork(const fs::path& programDir) {
  int count = 0;
  const auto write = [&](const fs::path& path, const Image& image) {
    writeBmp(path, image);
    ++count;
  };

  for (const DesignStyle* style : allDesigns()) {
    const fs::path dir = programDir / "designs" / std::string(style->folder);
    makeFolder(dir);
    for (const core::ModuleType& type : core::allModuleTypes())
      for (bool inverted : {false, true})
        write(dir / symbolFileName(type.letter, inverted), paintModuleSymbol(type, inverted, *style));
    for (char digit = '0'; digit <= '9'; ++digit)
      write(dir / symbolFileName(digit, false), paintDigitSymbol(digit, *style));
  }

  makeFolder(programDir);
  for (int n = 0; n < kTileCount; ++n)
    for (bool analog : {false, true})
      write(programDir / tileFileName(n, analog), paintTile(n, analog));

  makeFolder(programDir / "toolbar");
  for (int i = 0; i < kToolbarImageCount; ++i)
    write(programDir / "toolbar" / toolbarFileName(i), paintToolbarImage(i));

  write(programDir / "veltra.bmp", paintAppIcon());
  return count;
}

} // namespace veltra::artgen
