#pragma once
// The five value columns every catalogue node carries, the article states
// kept in the state column, and the characters a title may not contain.
// Values are Windows-1251 bytes; captions are UTF-8 (they only reach the screen).

#include <string_view>

namespace lrv {

// Column numbers: the position of a text in a node's value list.
enum Column : int {
  ColTitle = 0,     // title of every node
  ColCount = 1,     // number of children of a category or subcategory, decimal
  ColFileName = 2,  // article file, relative to BaseDir
  ColState = 3,     // ArticleState text
  ColLook = 4,      // kLookedYes once the article was opened
};
inline constexpr int kColumnCount = 5;

// Header captions of the tree's columns (UTF-8). The count column has none,
// which is also what makes it sort by number.
std::string_view ColumnCaption(int column);
// True for a column whose caption is blank: its texts compare as integers.
bool ColumnSortsAsNumber(int column);

// The text of the state column of an article.
enum class ArticleState { NotRead, Favourite, New, Read };
inline constexpr std::string_view kStateFavourite = "1";
inline constexpr std::string_view kStateNew = "2";
inline constexpr std::string_view kStateRead = "3";
inline constexpr std::string_view kStateNotRead = "";
std::string_view ArticleStateText(ArticleState state);
// Any text other than "1", "2" and "3" is shown as not read.
ArticleState ArticleStateOf(std::string_view text);

// Column ColLook of an article that has been opened.
inline constexpr std::string_view kLookedYes = "yes";

// Characters no title may contain: they separate the fields of the undo
// journal's entries. Asterisk, circumflex, grave accent and tilde.
inline constexpr std::string_view ForbiddenTitleChars = "*^`~";
bool HasForbiddenTitleChar(std::string_view title);

// The sort mark a column header carries.
enum class SortMark { None, Ascending, Descending };

}  // namespace lrv
