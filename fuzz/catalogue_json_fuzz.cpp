// The catalogue's JSON form (the command-line tool reads it from users):
// anything accepted dumps to a document that reads back to the same dump,
// and saves as a tree file that loads.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/catalogue_json.h"
#include "catalogue/tree_file.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  auto catalogue = lrv::CatalogueFromJson(text, &error);
  if (!catalogue) {
    Check(!error.empty());
    return 0;
  }
  const std::string dump = lrv::DumpTreeJson(*catalogue, true);
  auto back = lrv::CatalogueFromJson(dump, &error);
  Check(back.has_value());
  Check(lrv::DumpTreeJson(*back, true) == dump);
  Check(lrv::ReadTreeBytes(lrv::TreeBytes(*catalogue)).ok);
  return 0;
}
