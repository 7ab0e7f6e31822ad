#pragma once
// The generated overview pages: their titles, page files and keywords.
// Texts are Windows-1251 bytes.

#include <array>
#include <string>
#include <string_view>

namespace lrv::pages {

struct TTitleImageHint {
  std::string Title;     // for rows 1..11 also the catalogue category the page lists
  std::string Keywords;  // search terms separated by ", "
  std::string PageFile;  // file name in BaseDir
};

inline constexpr int kPageTableRows = 14;
using PageTable = std::array<TTitleImageHint, kPageTableRows>;

// The fixed table, in its order: all articles, the eleven category pages,
// all authors and the authors rating (both in "_authors_.html").
const PageTable& BuildPageTable();

// The temporary page, used for index pages without a row of their own and
// for highlighted articles.
inline constexpr std::string_view kTempPageFile = "_temp_.html";

// The page file of a title (no regard to case, no trimming); the temporary
// page when no row has that title.
std::string PageFileForTitle(std::string_view title);
// The title of a generated page by the file-name part of its address (the
// text after the last "\" or "/"; no regard to case); empty when the file is
// none of the table's.
std::string GeneratedPageTitle(std::string_view address);
// The keywords of a title; those of the general list when no row matches.
std::string PageKeywords(std::string_view title);

}  // namespace lrv::pages
