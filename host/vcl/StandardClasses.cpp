#include "vcl/StandardClasses.h"

#include "vcl/ClassRegistry.h"
#include "vcl/Controls.h"
#include "vcl/Font.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/StringList.h"

namespace vcl {

namespace {

template <typename C, typename Parent>
void Add(const char* Name, std::vector<TPropInfo> Properties = {}) {
  detail::AddClass(detail::MakeClassInfo<C>(Name, detail::ExactClassInfo(typeid(Parent)), std::move(Properties), {}));
}

}  // namespace

// Parents first: each class finds its parent's registration.
void RegisterStandardClasses() {
  detail::AddClass(detail::MakeClassInfo<TObject>("TObject", nullptr, {}, {}));
  Add<TPersistent, TObject>("TPersistent");

  using F = Published<TFont>;
  Add<TFont, TPersistent>(
      "TFont", {
                   F::IntegerProp("Charset", &TFont::Charset, &TFont::SetCharset, CharsetIdents()),
                   F::IntegerProp("Color", &TFont::Color, &TFont::SetColor, ColorIdents()),
                   F::IntegerProp("Height", &TFont::Height, &TFont::SetHeight),
                   F::StringProp("Name", &TFont::Name, &TFont::SetName),
                   F::EnumProp("Pitch", &TFont::Pitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"})
                       .Default(static_cast<Int64>(TFontPitch::fpDefault)),
                   F::IntegerProp("Size", &TFont::Size, &TFont::SetSize).NotStored(),
                   F::SetProp("Style", &TFont::Style, &TFont::SetStyle,
                              {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}),
               });

  Add<TStrings, TPersistent>("TStrings");
  Add<TStringList, TStrings>("TStringList");

  using P = Published<TComponent>;
  Add<TComponent, TPersistent>("TComponent", {
                                                 P::StringProp("Name", &TComponent::Name, &TComponent::SetName).NotStored(),
                                                 P::IntegerProp("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0),
                                             });

  using C = Published<TControl>;
  Add<TControl, TComponent>("TControl", {
                                            C::IntegerProp("Left", &TControl::Left, &TControl::SetLeft),
                                            C::IntegerProp("Top", &TControl::Top, &TControl::SetTop),
                                            C::IntegerProp("Width", &TControl::Width, &TControl::SetWidth),
                                            C::IntegerProp("Height", &TControl::Height, &TControl::SetHeight),
                                            C::StringProp("Caption", &TControl::Caption, &TControl::SetCaption),
                                            C::ObjectProp("Font", &TControl::Font),
                                        });
  Add<TWinControl, TControl>("TWinControl");
  Add<TForm, TWinControl>("TForm");
  Add<TButton, TWinControl>("TButton");
  Add<TLabel, TControl>("TLabel");
  Add<TPanel, TWinControl>("TPanel");
}

}  // namespace vcl
