// A package loaded through the development environment, as a person's
// environment loads it: built once per host version, against that
// version's package (CAPTIONEER_PACKAGE). The test program links the host
// and the environment only, never the unit.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "ide/DevelopmentEnvironment.h"
#include "ide/PackageFile.h"
#include "test_dir.h"

namespace {

TEST(PackageTest, TheFileNamesItsHostAndItsUnit) {
  const ide::TPackageFile file(CAPTIONEER_PACKAGE);
  EXPECT_EQ(file.HostVersion(), CAPTIONEER_VCL_VERSION);
  EXPECT_EQ(file.Units(), std::vector<std::string>{"Tolvane"});
}

TEST(PackageTest, ExportsRegisterAndTheModuleVariablesOnly) {
  void* library = ::dlopen(CAPTIONEER_PACKAGE, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  ASSERT_NE(library, nullptr) << ::dlerror();
  EXPECT_NE(::dlsym(library, "_ZN7Tolvane8RegisterEv"), nullptr);
  EXPECT_NE(::dlsym(library, "_ZN7Tolvane18captioneerInstanceE"), nullptr);
  EXPECT_NE(::dlsym(library, "_ZN7Tolvane7CBTHookE"), nullptr);
  // The editors are private to the unit.
  EXPECT_EQ(::dlsym(library, "_ZN7Tolvane17TCaptioneerEditor12GetVerbCountEv"), nullptr);
  ::dlclose(library);
}

class LoadedPackageTest : public ::testing::Test {
 protected:
  ide::TDevelopmentEnvironment env{"/projects/Project1.dpr"};
  ide::TPackage& package = env.LoadPackage(CAPTIONEER_PACKAGE);
};

TEST_F(LoadedPackageTest, RegistersTheComponentOnItsPageWithItsPicture) {
  EXPECT_EQ(package.Units(), std::vector<std::string>{"Tolvane"});
  const std::vector<ide::TPalettePage> palette = ide::Palette();
  ASSERT_EQ(palette.size(), 1u);
  EXPECT_EQ(palette[0].Name, "Quendale");
  ASSERT_EQ(palette[0].Components.size(), 1u);
  const ide::TPaletteComponent& component = palette[0].Components[0];
  EXPECT_EQ(component.Class->Name, "TCaptioneer");
  EXPECT_TRUE(component.Bitmap.Found);
  EXPECT_EQ(component.Bitmap.Size, 392u);
  EXPECT_EQ(component.Bitmap.Width, 24);
  EXPECT_EQ(component.Bitmap.Height, 24);
  EXPECT_EQ(component.Bitmap.BitCount, 4);
}

TEST_F(LoadedPackageTest, DescribesItself) { EXPECT_EQ(package.Description(), "Quendale Captioneer"); }

TEST_F(LoadedPackageTest, ThePlacedComponentShowsItsEditors) {
  vcl::TComponent* placed = env.Designer().AddComponent(ide::Palette().at(0).Components.at(0).Class);
  EXPECT_EQ(placed->Name(), "Captioneer1");
  EXPECT_TRUE(placed->ComponentState().Contains(vcl::csDesigning));
  bool sawAbout = false;
  bool sawFileName = false;
  for (const ide::TInspectorRow& row : env.Inspector().Rows(placed)) {
    if (row.Name == "About") {
      sawAbout = true;
      EXPECT_EQ(row.Attributes.ToBits(), 68);
      EXPECT_EQ(row.Value, "(About...)");
    }
    if (row.Name == "FileName") {
      sawFileName = true;
      EXPECT_EQ(row.Attributes.ToBits(), 4);
    }
  }
  EXPECT_TRUE(sawAbout && sawFileName);
  EXPECT_EQ(ide::Verbs(placed, env.Designer()), (std::vector<std::string>{"About Captioneer", "Help Contents"}));
  env.Inspector().SetValue(placed, "FileName", "typed.txt");
  EXPECT_EQ(env.Designer().ModifiedCount(), 1);
  EXPECT_THROW(env.Inspector().SetValue(placed, "About", "x"), ide::EPropertyError);
  // Sub-objects are edited in their sub-rows only; an enumeration takes a member's name.
  EXPECT_THROW(env.Inspector().SetValue(placed, "Font", "x"), ide::EPropertyError);
  env.Inspector().SetValue(placed, "Language", "lnGerman");
  EXPECT_EQ(env.Designer().ModifiedCount(), 2);
  for (const ide::TInspectorRow& row : env.Inspector().Rows(placed)) {
    if (row.Name == "Language") {
      EXPECT_EQ(row.Value, "lnGerman");
    }
  }
}

TEST(PackageLoadTest, APackageOfAnotherHostVersionIsRefused) {
  ide::TDevelopmentEnvironment env("/projects/Project1.dpr");
  EXPECT_THROW(env.LoadPackage(CAPTIONEER_OTHER_PACKAGE), ide::EPackageError);
  EXPECT_TRUE(ide::Palette().empty());
}

TEST(PackageLoadTest, AFileThatIsNoPackageIsRefused) {
  const TestDir dir;
  ide::TDevelopmentEnvironment env("/projects/Project1.dpr");
  for (const std::string& bytes : {std::string(), std::string("\x7f" "ELF"), std::string(200, 'x')})
    EXPECT_THROW(env.LoadPackage(dir.Write("bad.so", bytes)), ide::EPackageError);
  EXPECT_THROW(env.LoadPackage(dir.Path("missing.so")), ide::EPackageError);
}

}  // namespace
