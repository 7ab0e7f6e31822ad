#pragma once
// The rules a title entered by the user must meet, the uniqueness tests
// the rename and add commands share, and the title lookups they use.
//
// Titles are Windows-1251 bytes. Trimmed means without leading and
// trailing bytes <= 32; "the same title" means equal after trimming both
// and lower-casing with the Windows-1251 tables (Ё/ё included).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace lrv {

// Messages of the title checks (UTF-8), with their help contexts.
inline constexpr std::string_view kInvalidTitleText = "В заголовке используются недопустимые символы!";
inline constexpr int kInvalidTitleHelp = 35;
inline constexpr std::string_view kCategoryExistsText = "Категория с таким названием уже существует!";
inline constexpr int kCategoryExistsHelp = 32;
inline constexpr std::string_view kSubcategoryExistsText = "Подкатегория с таким названием уже существует!";
inline constexpr int kSubcategoryExistsHelp = 33;
inline constexpr std::string_view kArticleExistsText = "Статья с таким названием уже существует!";
inline constexpr int kArticleExistsHelp = 34;

// Trimmed; an empty result is valid (callers test emptiness themselves);
// otherwise valid when no byte is one of ForbiddenTitleChars.
bool TitleIsValid(std::string_view title);

// False for a blank title or an empty catalogue; otherwise whether some
// node of that level anywhere in the catalogue has the same title.
bool CategoryTitleExists(const Catalogue& catalogue, std::string_view title);
bool SubcategoryTitleExists(const Catalogue& catalogue, std::string_view title);
bool ArticleTitleExists(const Catalogue& catalogue, std::string_view title);
// The test of the given level (0, 1, 2); false for any other level.
bool TitleExistsAtLevel(const Catalogue& catalogue, int level, std::string_view title);

// Whether two titles are the same title.
bool SameTitle(std::string_view a, std::string_view b);
// The first category (tree order) with that title; nullptr for a blank
// title or none.
CatalogueNode* FindCategory(const Catalogue& catalogue, std::string_view title);
// The first subcategory of `category` with that title; nullptr when none.
CatalogueNode* FindSubcategoryIn(const CatalogueNode* category, std::string_view title);

// Text typed into a window (UTF-8), trimmed, as the archive's bytes;
// nullopt when a character has no Windows-1251 form (such a title can
// never be stored, so the commands treat it as a forbidden character).
std::optional<std::string> TypedText(std::string_view utf8);
// UTF-8 text trimmed the same way (what a window puts back into its box).
std::string TrimmedUtf8(std::string_view utf8);

// The entries of a pick-only list that keeps itself in alphabetical
// order: without regard to case, then by bytes so equal-looking titles
// keep a fixed order.
void SortChoices(std::vector<std::string>& titles);
// Index of the entry equal to the title, else of the first with the same
// title; -1 when none.
int ChoiceIndex(const std::vector<std::string>& titles, std::string_view title);

}  // namespace lrv
