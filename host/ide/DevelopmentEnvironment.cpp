#include "ide/DevelopmentEnvironment.h"

namespace ide {

TDevelopmentEnvironment::TDevelopmentEnvironment(const std::string& ProjectName)
    : services_(ProjectName), servicesScope_(services_), designer_(std::make_unique<TFormDesigner>("Form1")) {}

TDevelopmentEnvironment::~TDevelopmentEnvironment() = default;

TPackage& TDevelopmentEnvironment::LoadPackage(const std::string& Path) {
  packages_.push_back(std::make_unique<TPackage>(Path));
  return *packages_.back();
}

}  // namespace ide
