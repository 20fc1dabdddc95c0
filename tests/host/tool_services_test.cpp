#include "vcl/ToolServices.h"

#include <gtest/gtest.h>

namespace {

using namespace vcl;

TEST(ToolServicesTest, NilOutsideADevelopmentEnvironment) { EXPECT_EQ(ToolServices, nullptr); }

TEST(ToolServicesTest, ScopeInstallsAndPutsThePreviousBack) {
  TProjectToolServices outer("/projects/Ledger.dpr");
  {
    TToolServicesScope installOuter(outer);
    EXPECT_EQ(ToolServices->GetProjectName(), "/projects/Ledger.dpr");
    TProjectToolServices inner("");
    {
      TToolServicesScope installInner(inner);
      EXPECT_EQ(ToolServices, &inner);
    }
    EXPECT_EQ(ToolServices, &outer);
    outer.SetProjectName("/projects/Other.dpr");
    EXPECT_EQ(ToolServices->GetProjectName(), "/projects/Other.dpr");
  }
  EXPECT_EQ(ToolServices, nullptr);
}

}  // namespace
