#include "vcl/ClassRegistry.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"
#include "vcl/StdCtrls.h"

namespace {

using namespace vcl;

TEST(ClassRegistryTest, HostObjectsKnowTheirClassNames) {
  TForm form(nullptr);
  TButton button(nullptr);
  TLabel label(nullptr);
  TPanel panel(nullptr);
  TComponent component(nullptr);
  TFont font;
  TStringList list;
  EXPECT_EQ(form.ClassName(), "TForm");
  EXPECT_EQ(button.ClassName(), "TButton");
  EXPECT_EQ(label.ClassName(), "TLabel");
  EXPECT_EQ(panel.ClassName(), "TPanel");
  EXPECT_EQ(component.ClassName(), "TComponent");
  EXPECT_EQ(font.ClassName(), "TFont");
  EXPECT_EQ(list.ClassName(), "TStringList");
  EXPECT_TRUE(button.ClassInfo()->InheritsFrom(ClassInfoOf<TWinControl>()));
  EXPECT_FALSE(label.ClassInfo()->InheritsFrom(ClassInfoOf<TWinControl>()));
}

TEST(ClassRegistryTest, FindsClassesIgnoringCaseAndCreatesThemWithAnOwner) {
  const TClassInfo* info = GetClass("tbutton");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->Name, "TButton");
  EXPECT_EQ(info->Parent->Name, "TWinControl");
  TForm owner(nullptr);
  TComponent* created = info->Create(&owner);
  EXPECT_EQ(created->Owner(), &owner);
  EXPECT_EQ(created->ClassName(), "TButton");
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  try {
    FindClass("TNoSuchClass");
    FAIL() << "no error";
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class \"TNoSuchClass\" not found");
  }
  EXPECT_EQ(GetClass("TStrings")->Create, nullptr);  // abstract
  EXPECT_EQ(GetClass("TFont")->Create, nullptr);     // not a component
}

class TUnregisteredButton : public TButton {
 public:
  using TButton::TButton;
};
class TTwiceRegistered : public TComponent {
 public:
  using TComponent::TComponent;
};

TEST(ClassRegistryTest, AnUnregisteredClassIsKnownByItsNearestRegisteredAncestor) {
  TUnregisteredButton button(nullptr);
  EXPECT_EQ(button.ClassName(), "TButton");
}

TEST(ClassRegistryTest, RegisteringAgainIsHarmlessButANameBelongsToOneClass) {
  const TClassInfo& first = RegisterClass<TTwiceRegistered, TComponent>("TTwiceRegistered");
  EXPECT_EQ((&RegisterClass<TTwiceRegistered, TComponent>("TTwiceRegistered")), &first);
  EXPECT_THROW((RegisterClass<TUnregisteredButton, TButton>("ttwiceregistered")), EFilerError);
}

TEST(ClassRegistryTest, PropertiesComeAncestorsFirstInDeclarationOrder) {
  formtest::RegisterTestClasses();
  std::vector<std::string> names;
  for (const TPropInfo* p : GetClass("TCaptioneer")->AllProperties()) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "About", "Captions", "FileName", "Locale", "Title",
                                             "Translate", "Font", "Language", "OnTranslate", "OnTranslated"}));
  EXPECT_NE(GetClass("TButton")->FindProperty("caption"), nullptr);
  EXPECT_NE(GetClass("TForm1")->FindMethod("CAPTIONEER1TRANSLATE"), nullptr);
}

}  // namespace
