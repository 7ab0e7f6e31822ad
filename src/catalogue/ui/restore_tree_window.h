#pragma once
// The restore window: offered at start-up when the tree file is damaged
// and backups exist. Its buttons hand over to RestoreSession.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "catalogue/startup_load.h"

namespace lrv {

class HelpViewer;

class TfmRestoreTree : public QDialog {
  Q_OBJECT
 public:
  TfmRestoreTree(RestoreSession& session, HelpViewer& help, QWidget* parent = nullptr);

  QComboBox* cbCopies;
  QPushButton* btRestore;
  QPushButton* btOk;
  QPushButton* btCancel;
  QPushButton* btHelp;

 protected:
  void reject() override;  // Esc and the title bar's close answer like Cancel

 private:
  void FocusList();
  RestoreSession& session_;
};

// Runs TfmRestoreTree modally as the start-up's restore chooser.
class RestoreWindowChooser : public RestoreChooser {
 public:
  RestoreWindowChooser(HelpViewer& help, QWidget* parent) : help_(help), parent_(parent) {}
  void Run(RestoreSession& session) override;

 private:
  HelpViewer& help_;
  QWidget* parent_;
};

}  // namespace lrv
