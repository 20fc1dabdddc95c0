// Tool services: what the development environment tells a design-time
// package about its state. Only a development environment provides them;
// in a running program ToolServices is nil.
#pragma once

#include "vcl/Object.h"

namespace vcl {

class TIToolServices : public TObject {
 public:
  // The open project's file name; empty when no project is open.
  virtual AnsiString GetProjectName() = 0;
};

// Installed by the development environment; nil otherwise.
extern TIToolServices* ToolServices;

// Tool services that name a fixed project, for tests and simple hosts.
class TProjectToolServices : public TIToolServices {
 public:
  explicit TProjectToolServices(AnsiString ProjectName) : projectName_(std::move(ProjectName)) {}
  AnsiString GetProjectName() override { return projectName_; }
  void SetProjectName(const AnsiString& Value) { projectName_ = Value; }

 private:
  AnsiString projectName_;
};

// Installs tool services for the length of a scope and puts the previous
// ones back.
class TToolServicesScope {
 public:
  explicit TToolServicesScope(TIToolServices& Services) : previous_(ToolServices) {
    ToolServices = &Services;
  }
  ~TToolServicesScope() { ToolServices = previous_; }
  TToolServicesScope(const TToolServicesScope&) = delete;
  TToolServicesScope& operator=(const TToolServicesScope&) = delete;

 private:
  TIToolServices* previous_;
};

}  // namespace vcl
