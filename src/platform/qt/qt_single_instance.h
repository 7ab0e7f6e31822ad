#pragma once
// The single-instance rule over a local socket named after the main
// window's class and the user ("TfmLrvMain-1000"), so that two users of one
// computer never see each other's program. A later start connects to it and
// asks the running one to come to the top.

#include <functional>
#include <memory>
#include <string>

#include <QString>

#include "platform/single_instance.h"

class QLocalServer;

namespace lrv {

class QtSingleInstance : public SingleInstance {
 public:
  // `name` replaces kInstanceName in tests, which must not meet a running
  // program.
  explicit QtSingleInstance(std::string name = kInstanceName);
  ~QtSingleInstance() override;

  // The socket's name: in $XDG_RUNTIME_DIR when there is one (a folder only
  // the user can enter), else in the system's temporary folder.
  const QString& ServerName() const { return serverName_; }

  bool AnotherIsRunning() override;
  void ActivateOther() override;
  bool Claim(std::function<void()> onActivate) override;
  void Release() override;

 private:
  QString serverName_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> onActivate_;
};

}  // namespace lrv
