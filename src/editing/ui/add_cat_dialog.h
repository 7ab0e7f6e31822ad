#pragma once
// TfmAddCat: names a new category, or a new subcategory and the category
// that receives it. The checks and the change are the core's (AddCatOk);
// the dialog shows the fields and closes only when they pass.

#include <QDialog>
#include <functional>

#include "editing/add_category.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lrv {

class HelpViewer;

class TfmAddCat : public QDialog {
  Q_OBJECT
 public:
  // `ok` runs the checks and, when they pass, the change; the dialog
  // closes with OK when its result says so.
  using OkHandler = std::function<AddCatResult(AddCatForm& form)>;
  TfmAddCat(const AddCatSetup& setup, HelpViewer& help, OkHandler ok, QWidget* parent = nullptr);

  // What OK last produced (the node added, if any).
  const AddCatResult& Result() const { return result_; }
  // The fields as the core reads them.
  AddCatForm Form() const;

  QRadioButton* rbAddCat;
  QRadioButton* rbAddSubCat;
  QGroupBox* gbAddCat;
  QGroupBox* gbAddSubCat;
  QLabel* lbCat;
  QLineEdit* edCatName;
  QLabel* lbSubCat;
  QLineEdit* edSubCatName;
  QLabel* lbIn;
  QComboBox* cbCats;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btHelp;

 private:
  void rbAddCatClick();
  void btOkClick();

  AddCatMode mode_;
  OkHandler ok_;
  AddCatResult result_;
};

}  // namespace lrv
