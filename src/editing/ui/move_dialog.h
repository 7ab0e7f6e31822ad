#pragma once
// TfmMove: the category, and for articles the subcategory, that the
// selected nodes move to (acMove); the find-subcategory command uses the
// same dialog. Also the progress window as the move drives it.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/move.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace lrv {

class HelpViewer;
class Registry;
class TfmProgress;

class TfmMove : public QDialog {
  Q_OBJECT
 public:
  // cbCatsChange: the subcategories of a category, in the list's order.
  using SubcategoryLister = std::function<std::vector<std::string>(const std::string& category)>;
  TfmMove(const MoveSetup& setup, HelpViewer& help, SubcategoryLister subcategories, QWidget* parent = nullptr);

  // The entries chosen (Windows-1251).
  MoveChoice Choice() const;

  QGroupBox* gbMain;
  QLabel* lbCat;
  QComboBox* cbCats;
  QLabel* lbSubCat;
  QComboBox* cbSubCats;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btHelp;

 private:
  void cbCatsChange();
  bool subcategoriesShown_;
  SubcategoryLister subcategories_;
};

// MoveProgress over the progress window TfmProgress.
class ProgressWindowForMove : public MoveProgress {
 public:
  ProgressWindowForMove(Registry& registry, QWidget* owner);
  ~ProgressWindowForMove() override;
  void Open(const std::string& caption) override;
  void SetMaximum(int bar, int maximum) override;
  void SetPosition(int bar, int position) override;
  void SetStatus(const std::string& text) override;
  void SetText(const std::string& text) override;
  int TextWidth() const override;
  int MeasureText(std::string_view utf8) const override;
  void Close() override;

 private:
  Registry& registry_;
  QWidget* owner_;
  std::unique_ptr<TfmProgress> window_;
};

}  // namespace lrv
