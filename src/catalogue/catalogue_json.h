#pragma once
// The catalogue as JSON text, for the command-line tool and for tests.
//
//   {"loaded": true|false, "roots": [NODE, ...]}
//   NODE = {"values": [text, ...], "image": n, "selected": n, "state": n,
//           "data": n, "children": [NODE, ...]}
//
// Texts are UTF-8 in JSON and Windows-1251 in the catalogue (byte 0x98 is
// U+0098). Writing and reading use explicit stacks, so the deepest tree a
// file can hold round-trips.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/outline_import.h"

namespace lrv {

// The catalogue's nodes with their stored integers (the image index as
// stored, not as displayed). No trailing line break.
std::string DumpTreeJson(const Catalogue& catalogue, bool loaded);

// `tree dump FILE`: reads the file and dumps what was read; "loaded" tells
// whether the whole file was read (the nodes read before a failure are
// shown either way).
std::string DumpTreeFileJson(const std::filesystem::path& treeFile);

// `tree from-json`: builds a catalogue from the dump format. "loaded" and
// "image" are ignored, unknown keys too; "selected", "state" and "data"
// default to -1, -1 and 0; "expanded": true expands a node. Nothing is
// selected or focused. nullopt with a message in *error for malformed
// JSON, a number that is no 32-bit integer, or a text with no Windows-1251
// form.
std::optional<Catalogue> CatalogueFromJson(std::string_view json, std::string* error);

// `outline BASEDIR`: {"roots": [NODE...], "no_name": [...], "missing": [...],
// "unplaced": [...], "problems": true|false}.
std::string OutlineImportJson(const Catalogue& catalogue, const OutlineImportResult& result);
// Imports baseDir/"menu.list" into an empty catalogue with baseDir as
// BaseDir, answering every question with OK, and returns OutlineImportJson.
// Writes nothing.
std::string RunOutlineImportJson(const std::filesystem::path& baseDir);

}  // namespace lrv
