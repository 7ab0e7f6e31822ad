#pragma once
// Moving the selected articles to another subcategory, or the selected
// subcategories to another category, with the dialog TfmMove (acMove).
// The moved nodes are re-created under the target: articles keep title,
// file name and state and lose their viewed mark.
//
// A move either completes or leaves the catalogue exactly as it was: when
// any step cannot be carried out (the target has vanished, a title lookup
// finds another node than the copy just made), everything is put back
// from a copy taken before the first change and nothing is recorded.
//
// After a move the caller shows the status counts again
// (UpdateStatusCounts).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/journal.h"
#include "platform/prompter.h"

namespace lrv {

inline constexpr std::string_view kMoveCaption = "Перемещение";
inline constexpr int kMoveHelp = 20;  // the dialog's "&Справка"
// The prefix a dialog move puts before the titles of the subcategories it
// replaces, so title lookups find the new copies instead of them.
inline constexpr std::string_view kForDeleteMarker = "_for_del_";
// How much lower gbMain and the window get when the subcategory list is
// hidden (moving subcategories).
inline constexpr int kMoveDialogShrink = 25;

// acMoveUpdate: a selection whose first node is not a category, while the
// tree is shown.
bool MoveEnabled(const Catalogue& catalogue, bool treeInView);

enum class MoveKind { Articles, Subcategories };

// How TfmMove opens. List entries are catalogue titles (Windows-1251).
struct MoveSetup {
  MoveKind kind = MoveKind::Articles;
  std::string caption;             // UTF-8: "Перемещение", with " [n]" for several nodes
  bool showSubcategories = true;   // lbSubCat and cbSubCats; hidden for subcategories
  std::vector<std::string> categories;     // cbCats in its order
  int chosenCategory = -1;
  std::vector<std::string> subcategories;  // cbSubCats in its order (articles only)
  int chosenSubcategory = -1;
  std::string presentCategory;     // the entries chosen at opening
  std::string presentSubcategory;
};

// acMoveExecute up to the dialog. nullopt when there is nothing to move or
// the move is impossible: an article with only one subcategory in the
// catalogue (information 44), a subcategory with fewer than two categories
// (information 43).
std::optional<MoveSetup> PrepareMove(const Catalogue& catalogue, Prompter& prompter);

// acFindSubCat: enabled when the catalogue has a category. The dialog
// (TfmMove captioned "Найти подкатегорию") lists every category, the first
// one chosen, with its subcategories and the first of them chosen.
bool FindSubcategoryEnabled(const Catalogue& catalogue);
MoveSetup PrepareFindSubcategory(const Catalogue& catalogue);

// What the user chose (Windows-1251 entries; nullopt: none selected).
struct MoveChoice {
  std::optional<std::string> category;
  std::optional<std::string> subcategory;  // articles only
};

// On OK: the chosen subcategory becomes the only selected and focused
// node, its category expanded. Returns it, or nullptr without a choice.
CatalogueNode* FindSubcategoryChosen(Catalogue& catalogue, const MoveChoice& choice);

// The progress window (TfmProgress) as the move drives it. Texts are UTF-8.
class MoveProgress {
 public:
  virtual ~MoveProgress() = default;
  virtual void Open(const std::string& caption) = 0;  // lbCaption; shows the window
  virtual void SetMaximum(int bar, int maximum) = 0;   // bar 1: Progress1, 2: Progress2
  virtual void SetPosition(int bar, int position) = 0;
  virtual void SetStatus(const std::string& text) = 0;  // lbStatus
  virtual void SetText(const std::string& text) = 0;    // lbText, already fitted to its width
  virtual int TextWidth() const = 0;                     // width of lbText in pixels
  virtual int MeasureText(std::string_view utf8) const = 0;
  virtual void Close() = 0;  // called whichever way the move ends
};

enum class MoveOutcome {
  Moved,      // re-created under the target; "Перемещение" recorded
  Unchanged,  // the present place chosen again, or no target chosen
  Failed,     // a step could not be carried out; the catalogue is as before
};

// The move after the dialog's OK, over the nodes selected now (the same
// ones PrepareMove looked at). `progress` may be null.
MoveOutcome MoveSelected(Catalogue& catalogue, UndoJournal& journal, const MoveSetup& setup, const MoveChoice& choice,
                         MoveProgress* progress);

}  // namespace lrv
