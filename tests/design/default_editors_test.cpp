// The default property editors, chosen by the property's kind, on a sample
// component whose root (the form being designed) publishes event handlers.
// Built once per host version.
#include "vcl/DefaultEditors.h"

#include <gtest/gtest.h>

#include <memory>

#include "vcl/Font.h"

namespace {

using Editor = std::unique_ptr<vcl::TPropertyEditor>;
using Names = std::vector<vcl::AnsiString>;

// The form being designed: two handlers, one of which fits TSample's event.
class TEditorRoot : public vcl::TComponent {
 public:
  using vcl::TComponent::TComponent;
  void SampleChange(vcl::TObject*) {}
  void SampleQuery(vcl::TObject*, bool&) {}
};

class TSample : public vcl::TComponent {
 public:
  using vcl::TComponent::TComponent;
  vcl::Integer count = 0;
  vcl::TColor color = vcl::clWindowText;
  bool enabled = true;
  vcl::TFontPitch pitch = vcl::TFontPitch::fpVariable;
  vcl::TFontStyles style{vcl::TFontStyle::fsBold, vcl::TFontStyle::fsUnderline};
  std::unique_ptr<vcl::TFont> font = std::make_unique<vcl::TFont>();
  vcl::TEvent<void(vcl::TObject*)> onChange;
  vcl::TFont* Font() const { return font.get(); }
  vcl::TFont* NoFont() const { return nullptr; }
};

const vcl::TClassInfo* SampleClass() {
  static const vcl::TClassInfo* cls = [] {
    vcl::RegisterClass<TEditorRoot, vcl::TComponent>(
        "TEditorRoot", {},
        {vcl::PublishedMethod<&TEditorRoot::SampleQuery>("SampleQuery"),
         vcl::PublishedMethod<&TEditorRoot::SampleChange>("SampleChange")});
    using P = vcl::Published<TSample>;
    return &vcl::RegisterClass<TSample, vcl::TComponent>(
        "TSample", {
                       P::IntegerProp("Count", &TSample::count, &TSample::count),
                       P::IntegerProp("Color", &TSample::color, &TSample::color, vcl::ColorIdents()),
                       P::BooleanProp("Enabled", &TSample::enabled, &TSample::enabled),
                       P::EnumProp("Pitch", &TSample::pitch, &TSample::pitch, {"fpDefault", "fpVariable", "fpFixed"}),
                       P::SetProp("Style", &TSample::style, &TSample::style,
                                  {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}),
                       P::ObjectProp("Font", &TSample::Font),
                       P::ObjectProp("Missing", &TSample::NoFont),
                       P::EventProp("OnChange", &TSample::onChange, &TSample::onChange),
                   });
  }();
  return cls;
}

class Designer final : public vcl::TDesigner {
 public:
  explicit Designer(vcl::TComponent* Root) : root_(Root) {}
  void Modified() override { ++modified; }
  vcl::TComponent* GetRoot() override { return root_; }
  int modified = 0;

 private:
  vcl::TComponent* root_;
};

class DefaultEditorsTest : public ::testing::Test {
 protected:
  // The editor the environment picks for Property of the selection.
  Editor For(const char* Property, std::vector<vcl::TPersistent*> Selection = {}) {
    if (Selection.empty()) Selection = {&sample};
    const vcl::TPropInfo* prop = SampleClass()->FindProperty(Property);
    Editor editor(vcl::FindPropertyEditor(SampleClass(), *prop).Create(&designer, std::move(Selection), prop));
    editor->Initialize();
    return editor;
  }

  TEditorRoot root{nullptr};
  TSample sample{&root};
  Designer designer{&root};
};

Names Values(vcl::TPropertyEditor& E) {
  Names out;
  E.GetValues([&](const vcl::AnsiString& S) { out.push_back(S); });
  return out;
}

// The sub-property editors, owned by the caller.
std::vector<Editor> SubProperties(vcl::TPropertyEditor& E) {
  std::vector<Editor> out;
  E.GetProperties([&](vcl::TPropertyEditor* P) { out.emplace_back(P); });
  return out;
}

TEST_F(DefaultEditorsTest, EachKindShowsItsValueAndAttributes) {
  sample.onChange = vcl::MakeMethod<&TEditorRoot::SampleChange>(&root);
  struct Case {
    const char* property;
    const char* value;
    unsigned attributes;
  };
  // 136 multi-select, revertable; 169 value list, multi-select, sorted,
  // revertable; 194 sub-properties, read-only, revertable; 74 multi-select,
  // sub-properties, read-only.
  const Case cases[] = {
      {"Count", "0", 136},          {"Color", "clWindowText", 136}, {"Enabled", "True", 169},
      {"Pitch", "fpVariable", 169}, {"Style", "[fsBold,fsUnderline]", 194}, {"Font", "(TFont)", 74},
      {"Missing", "", 74},          {"OnChange", "SampleChange", 169},
  };
  for (const Case& c : cases) {
    const Editor e = For(c.property);
    EXPECT_EQ(e->GetName(), c.property);
    EXPECT_EQ(e->GetValue(), c.value) << c.property;
    EXPECT_EQ(e->GetAttributes().ToBits(), c.attributes) << c.property;
  }
  sample.onChange = {};
  EXPECT_EQ(For("OnChange")->GetValue(), "");
}

TEST_F(DefaultEditorsTest, TypedTextRoundTrips) {
  struct Case {
    const char* property;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"Count", "42", "42"},         {"Count", "-2147483648", "-2147483648"},
      {"Count", "$10", "16"},        {"Count", "$FFFFFFFF", "-1"},
      {"Color", "clred", "clRed"},   {"Color", "255", "clRed"},
      {"Color", "$00FF01", "65281"}, {"Enabled", "false", "False"},
      {"Enabled", "True", "True"},   {"Pitch", "FPFIXED", "fpFixed"},
      {"OnChange", "SampleChange", "SampleChange"}, {"OnChange", "", ""},
  };
  for (const Case& c : cases) {
    const int before = designer.modified;
    For(c.property)->SetValue(c.typed);
    EXPECT_EQ(For(c.property)->GetValue(), c.shown) << c.property << " " << c.typed;
    EXPECT_EQ(designer.modified, before + 1) << c.property << " " << c.typed;
  }
  sample.onChange = {};
  For("OnChange")->SetValue("SampleChange");
  EXPECT_EQ(sample.onChange, vcl::TEvent<void(vcl::TObject*)>(vcl::MakeMethod<&TEditorRoot::SampleChange>(&root)));
}

TEST_F(DefaultEditorsTest, BadTextIsRefusedAndChangesNothing) {
  struct Case {
    const char* property;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"Count", "abc", "'abc' is not a valid integer value"},
      {"Count", "", "'' is not a valid integer value"},
      {"Count", "12x", "'12x' is not a valid integer value"},
      {"Count", "2147483648", "'2147483648' is not a valid integer value"},
      {"Count", "-", "'-' is not a valid integer value"},
      {"Count", "$", "'$' is not a valid integer value"},
      {"Color", "clNoSuch", "'clNoSuch' is not a valid integer value"},
      {"Enabled", "yes", "Invalid property value"},
      {"Pitch", "fpWide", "Invalid property value"},
      {"OnChange", "NoSuchMethod", "Invalid property value"},
      // The root publishes it, but its parameters do not fit the event.
      {"OnChange", "SampleQuery", "Invalid property value"},
  };
  for (const Case& c : cases) {
    const vcl::AnsiString before = For(c.property)->GetValue();
    try {
      For(c.property)->SetValue(c.typed);
      ADD_FAILURE() << c.property << " took " << c.typed;
    } catch (const vcl::EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(For(c.property)->GetValue(), before) << c.property;
  }
  EXPECT_EQ(designer.modified, 0);
}

TEST_F(DefaultEditorsTest, ValueListsOfferTheMembersAndTheFittingHandlers) {
  EXPECT_EQ(Values(*For("Pitch")), (Names{"fpDefault", "fpVariable", "fpFixed"}));
  EXPECT_EQ(Values(*For("Enabled")), (Names{"False", "True"}));
  EXPECT_EQ(Values(*For("OnChange")), (Names{"SampleChange"}));
  // The base's Edit moves a value list on to the next value.
  For("Pitch")->Edit();
  EXPECT_EQ(sample.pitch, vcl::TFontPitch::fpFixed);
}

TEST_F(DefaultEditorsTest, TheClassEditorHandsOutTheSubObjectsProperties) {
  const Editor font = For("Font");
  const std::vector<Editor> rows = SubProperties(*font);
  std::vector<std::pair<vcl::AnsiString, vcl::AnsiString>> shown;
  for (const Editor& row : rows) shown.emplace_back(row->GetName(), row->GetValue());
  EXPECT_EQ(shown, (std::vector<std::pair<vcl::AnsiString, vcl::AnsiString>>{{"Charset", "DEFAULT_CHARSET"},
                                                                             {"Color", "clWindowText"},
                                                                             {"Height", "-11"},
                                                                             {"Name", "MS Sans Serif"},
                                                                             {"Pitch", "fpDefault"},
                                                                             {"Size", "8"},
                                                                             {"Style", "[]"}}));
  rows[1]->SetValue("clRed");
  EXPECT_EQ(sample.font->Color(), vcl::clRed);
  EXPECT_EQ(designer.modified, 1);
  EXPECT_TRUE(SubProperties(*For("Missing")).empty());
}

TEST_F(DefaultEditorsTest, TheSetEditorHasOneBooleanRowPerMember) {
  const std::vector<Editor> rows = SubProperties(*For("Style"));
  Names shown;
  for (const Editor& row : rows) shown.push_back(row->GetName() + "=" + row->GetValue());
  EXPECT_EQ(shown, (Names{"fsBold=True", "fsItalic=False", "fsUnderline=True", "fsStrikeOut=False"}));
  EXPECT_EQ(rows[1]->GetAttributes().ToBits(), 41u);
  rows[1]->SetValue("True");
  rows[2]->SetValue("False");
  EXPECT_EQ(For("Style")->GetValue(), "[fsBold,fsItalic]");
  EXPECT_THROW(rows[0]->SetValue("maybe"), vcl::EConvertError);
}

TEST_F(DefaultEditorsTest, AllEqualComparesTheWholeSelection) {
  TSample other{&root};
  const std::vector<vcl::TPersistent*> both{&sample, &other};
  for (const char* property : {"Count", "Color", "Enabled", "Pitch", "Style", "OnChange"})
    EXPECT_TRUE(For(property, both)->AllEqual()) << property;
  other.count = 1;
  other.style = {};
  other.onChange = vcl::MakeMethod<&TEditorRoot::SampleChange>(&root);
  EXPECT_FALSE(For("Count", both)->AllEqual());
  EXPECT_FALSE(For("Style", both)->AllEqual());
  EXPECT_FALSE(For("OnChange", both)->AllEqual());
  const std::vector<Editor> members = SubProperties(*For("Style", both));
  EXPECT_FALSE(members[0]->AllEqual());
  EXPECT_TRUE(members[1]->AllEqual());
  // Typed text goes to every selected component.
  For("Pitch", both)->SetValue("fpDefault");
  EXPECT_EQ(other.pitch, vcl::TFontPitch::fpDefault);
  // The sub-rows of a class property serve the sub-objects of the selection.
  SubProperties(*For("Font", both))[2]->SetValue("-20");
  EXPECT_EQ(other.font->Height(), -20);
}

TEST_F(DefaultEditorsTest, ARegisteredEditorWinsOverTheDefault) {
  class Registered : public vcl::TIntegerProperty {
   public:
    using vcl::TIntegerProperty::TIntegerProperty;
    vcl::AnsiString GetValue() override { return "registered"; }
  };
  const vcl::Integer group = vcl::NewEditorGroup();
  vcl::RegisterPropertyEditor(vcl::TypeInfo<vcl::Integer>(), SampleClass(), "Count",
                              vcl::PropertyEditorClass<Registered>());
  EXPECT_EQ(For("Count")->GetValue(), "registered");
  EXPECT_EQ(For("Color")->GetValue(), "clWindowText");
  vcl::FreeEditorGroup(group);
  EXPECT_EQ(For("Count")->GetValue(), "0");
}

}  // namespace
