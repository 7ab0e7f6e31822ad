#pragma once
// What the editing windows share: the button row of a dialog with its
// help button, the look of a field that is switched off, pick-only lists
// that carry the catalogue's own title bytes, and the error box for a
// journal snapshot that cannot be written.

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QComboBox;
class QDialog;
class QListWidget;
class QPushButton;
class QWidget;

namespace lrv {

class HelpViewer;
class Prompter;

struct DialogButtons {
  QPushButton* ok = nullptr;      // "&OK", the default button
  QPushButton* cancel = nullptr;  // "О&тмена": closes with Cancel
  QPushButton* help = nullptr;    // "&Справка": the help file at the dialog's context
};
// Adds the row of the three buttons, right-aligned, to `layout`. OK is
// left to the dialog (it closes only when its checks pass).
DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, HelpViewer& help, int helpContext);

// ShowFieldActive applied to an edit box or a drop-down list with the
// widget's own system colours.
void ApplyFieldLook(QWidget* field, bool active);

// Pick-only lists whose entries are catalogue titles (Windows-1251): each
// entry shows the title and keeps its bytes, so the window hands back
// exactly what the core gave it.
void FillChoices(QComboBox* list, const std::vector<std::string>& titles, int chosen);
void FillChoices(QListWidget* list, const std::vector<std::string>& titles, int chosen);
std::optional<std::string> ChosenEntry(const QComboBox* list);
std::optional<std::string> ChosenEntry(const QListWidget* list);

// Runs a step of an editing command. The journal throws when a snapshot
// cannot be written; the user then sees the platform's error box, and the
// change already made stays.
void RunReportingErrors(Prompter& prompter, const std::function<void()>& step);

}  // namespace lrv
