// The design-time interface of one host version: built once per version,
// so each build checks its own base classes.
#include "vcl/DsgnIntf.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "vcl/InterfacedObject.h"
#include "vcl/StdCtrls.h"

namespace {

#if CAPTIONEER_VCL_VERSION >= 40
static_assert(std::is_base_of_v<vcl::TInterfacedObject, vcl::TComponentEditor>);
static_assert(std::is_constructible_v<vcl::TComponentEditor, vcl::TComponent*, vcl::IFormDesigner*>);
static_assert(std::is_same_v<vcl::TDesigner, vcl::IFormDesigner>);
#else
static_assert(!std::is_base_of_v<vcl::IInterface, vcl::TComponentEditor> &&
              std::is_base_of_v<vcl::TObject, vcl::TComponentEditor>);
static_assert(std::is_constructible_v<vcl::TComponentEditor, vcl::TComponent*, vcl::TFormDesigner*>);
static_assert(std::is_base_of_v<vcl::TObject, vcl::TFormDesigner>);
#endif

// AutoFill is a slot of the property-editor base in vcl40 only.
template <typename E>
concept HasAutoFill = requires(E& e) { e.AutoFill(); };
static_assert(HasAutoFill<vcl::TPropertyEditor> == (CAPTIONEER_VCL_VERSION >= 40));

static_assert(sizeof(vcl::TPropertyAttributes) == 1);

class Designer final : public vcl::TDesigner {
 public:
  void Modified() override { ++modified; }
  vcl::TComponent* GetRoot() override { return nullptr; }
  int modified = 0;
};

// A fresh editor group per test: what a test registers is dropped after it.
class DsgnIntfTest : public ::testing::Test {
 protected:
  void SetUp() override { group = vcl::NewEditorGroup(); }
  void TearDown() override { vcl::FreeEditorGroup(group); }

  int group = 0;
  Designer designer;
};

TEST_F(DsgnIntfTest, AttributeOrdinalsAreTheHostsBits) {
  const std::pair<vcl::TPropertyAttribute, int> ordinals[] = {
      {vcl::paValueList, 0}, {vcl::paSubProperties, 1}, {vcl::paDialog, 2},   {vcl::paMultiSelect, 3},
      {vcl::paAutoUpdate, 4}, {vcl::paSortList, 5},     {vcl::paReadOnly, 6}, {vcl::paRevertable, 7}};
  for (auto [attribute, bit] : ordinals) EXPECT_EQ(vcl::TPropertyAttributes{attribute}.ToBits(), 1 << bit);
  EXPECT_EQ((vcl::TPropertyAttributes{vcl::paDialog, vcl::paReadOnly}.ToBits()), 68);
}

// A component editor that counts its instances, to see when it is freed.
int liveEditors = 0;
class CountingEditor : public vcl::TComponentEditor {
 public:
  CountingEditor(vcl::TComponent* C, vcl::TDesigner* D) : vcl::TComponentEditor(C, D) { ++liveEditors; }
  ~CountingEditor() override { --liveEditors; }
  vcl::Integer GetVerbCount() override { return 1; }
  vcl::AnsiString GetVerb(vcl::Integer) override { return "Count"; }
  void ExecuteVerb(vcl::Integer) override { Designer()->Modified(); }
};

TEST_F(DsgnIntfTest, TheRegisteredComponentEditorServesTheClassAndItsDescendants) {
  vcl::RegisterComponentEditor(vcl::ClassInfoOf<vcl::TButton>(), vcl::ComponentEditorClass<CountingEditor>());
  vcl::TButton button(nullptr);
  {
    vcl::TComponentEditorPtr editor = vcl::GetComponentEditor(&button, &designer);
    EXPECT_EQ(liveEditors, 1);
    EXPECT_EQ(editor->Component(), &button);
    EXPECT_EQ(editor->GetVerb(0), "Count");
    // The base's double click runs the first verb.
    editor->Edit();
    EXPECT_EQ(designer.modified, 1);
#if CAPTIONEER_VCL_VERSION >= 40
    // The environment holds the one reference.
    EXPECT_EQ(editor->RefCount(), 1);
#endif
  }
  EXPECT_EQ(liveEditors, 0);

  vcl::TLabel label(nullptr);
  vcl::TComponentEditorPtr plain = vcl::GetComponentEditor(&label, &designer);
  EXPECT_EQ(plain->GetVerbCount(), 0);
  EXPECT_EQ(plain->GetVerb(0), "");
}

TEST_F(DsgnIntfTest, FreeingTheGroupDropsItsRegistrations) {
  const int own = vcl::NewEditorGroup();
  const vcl::TComponentClass button = vcl::ClassInfoOf<vcl::TButton>();
  vcl::RegisterComponents("Standard", &button, 0);
  vcl::RegisterComponentEditor(button, vcl::ComponentEditorClass<CountingEditor>());
  ASSERT_EQ(vcl::PalettePages().size(), 1u);
  vcl::FreeEditorGroup(own);
  EXPECT_TRUE(vcl::PalettePages().empty());
  vcl::TButton b(nullptr);
  EXPECT_EQ(vcl::GetComponentEditor(&b, &designer)->GetVerbCount(), 0);
}

TEST_F(DsgnIntfTest, PalettePagesKeepRegistrationOrder) {
  const vcl::TComponentClass classes[] = {vcl::ClassInfoOf<vcl::TButton>(), vcl::ClassInfoOf<vcl::TLabel>()};
  vcl::RegisterComponents("Standard", classes, 1);
  const vcl::TComponentClass panel = vcl::ClassInfoOf<vcl::TPanel>();
  vcl::RegisterComponents("Extra", &panel, 0);
  vcl::RegisterComponents("Standard", &panel, 0);
  const std::vector<vcl::TPaletteEntry> pages = vcl::PalettePages();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].Page, "Standard");
  EXPECT_EQ(pages[0].Classes, (std::vector<vcl::TComponentClass>{classes[0], classes[1], panel}));
  EXPECT_EQ(pages[1].Page, "Extra");
}

class MarkedEditor : public vcl::TStringProperty {
 public:
  using vcl::TStringProperty::TStringProperty;
  vcl::AnsiString GetValue() override { return "marked"; }
};
class NamedEditor : public vcl::TStringProperty {
 public:
  using vcl::TStringProperty::TStringProperty;
  vcl::AnsiString GetValue() override { return "named"; }
};

vcl::AnsiString ValueShown(vcl::TComponent* C, const char* Property, Designer& D) {
  const vcl::TPropInfo* prop = vcl::ClassInfoOf(C)->FindProperty(Property);
  std::unique_ptr<vcl::TPropertyEditor> editor(
      vcl::FindPropertyEditor(vcl::ClassInfoOf(C), *prop).Create(&D, {C}, prop));
  return editor->GetValue();
}

TEST_F(DsgnIntfTest, TheBestFittingPropertyEditorWins) {
  vcl::TButton button(nullptr);
  button.SetName("Button1");
  button.SetCaption("Go");
  // Unregistered string properties get the string editor.
  EXPECT_EQ(ValueShown(&button, "Caption", designer), "Go");
  // A registration for any component class ...
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::AnsiString>(), nullptr, "",
                              vcl::PropertyEditorClass<MarkedEditor>());
  EXPECT_EQ(ValueShown(&button, "Caption", designer), "marked");
  // ... gives way to one naming the property for an ancestor class ...
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::AnsiString>(), vcl::ClassInfoOf<vcl::TComponent>(), "Caption",
                              vcl::PropertyEditorClass<NamedEditor>());
  EXPECT_EQ(ValueShown(&button, "Caption", designer), "named");
  EXPECT_EQ(ValueShown(&button, "Name", designer), "marked");
  // ... and the editor of another property type is not used.
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::Integer>(), vcl::ClassInfoOf<vcl::TButton>(), "Caption",
                              vcl::PropertyEditorClass<MarkedEditor>());
  EXPECT_EQ(ValueShown(&button, "Caption", designer), "named");
}

TEST_F(DsgnIntfTest, TheStringEditorReadsAndWritesTheSelection) {
  vcl::TButton first(nullptr);
  vcl::TButton second(nullptr);
  first.SetCaption("A");
  second.SetCaption("B");
  const vcl::TPropInfo* caption = vcl::ClassInfoOf<vcl::TButton>()->FindProperty("Caption");
  vcl::TStringProperty editor(&designer, {&first, &second}, caption);
  EXPECT_EQ(editor.GetValue(), "A");
  EXPECT_FALSE(editor.AllEqual());
  editor.SetValue("Same");
  EXPECT_EQ(second.Caption(), "Same");
  EXPECT_TRUE(editor.AllEqual());
  EXPECT_EQ(designer.modified, 1);
  EXPECT_EQ(editor.GetComponent(1), &second);
  EXPECT_THROW(editor.GetComponent(2), vcl::EComponentError);
  EXPECT_EQ(editor.GetAttributes(), (vcl::TPropertyAttributes{vcl::paMultiSelect, vcl::paRevertable}));
}

}  // namespace
