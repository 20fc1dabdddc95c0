#include "Tolvane/component/Captioneer.h"

#include "Tolvane/component/LiveComponents.h"
#include "vcl/Application.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Controls.h"

namespace Tolvane {

namespace {

vcl::TEnumNames LanguageNames() {
  vcl::TEnumNames names;
  for (int i = 0; i < kLangNameCount; ++i) names.push_back(LangNameIdentifier(static_cast<TLangName>(i)));
  return names;
}

// The published properties in the order the form file holds them. None has
// a default, so Locale, Translate and Language are always written; About is
// never written.
const vcl::TClassInfo& RegisterCaptioneer() {
  using P = vcl::Published<TCaptioneer>;
  static const vcl::TClassInfo& info = vcl::RegisterClass<TCaptioneer, vcl::TComponent>(
      "TCaptioneer",
      {
          P::StringProp("About", &TCaptioneer::About, &TCaptioneer::SetAbout).NotStored(),
          P::ObjectProp("Captions", &TCaptioneer::Captions),
          P::StringProp("FileName", &TCaptioneer::FileName, &TCaptioneer::SetFileName),
          P::IntegerProp("Locale", &TCaptioneer::Locale, &TCaptioneer::SetLocale),
          P::StringProp("Title", &TCaptioneer::Title, &TCaptioneer::SetTitle),
          P::BooleanProp("Translate", &TCaptioneer::Translate, &TCaptioneer::SetTranslate),
          P::ObjectProp("Font", &TCaptioneer::Font),
          P::EnumProp("Language", &TCaptioneer::Language, &TCaptioneer::SetLanguage, LanguageNames()),
          P::EventProp("OnTranslate", &TCaptioneer::OnTranslate, &TCaptioneer::SetOnTranslate),
          P::EventProp("OnTranslated", &TCaptioneer::OnTranslated, &TCaptioneer::SetOnTranslated),
      });
  return info;
}

// Registered when the unit is loaded, so that form files can name the class.
[[maybe_unused]] const vcl::TClassInfo& kRegistration = RegisterCaptioneer();

}  // namespace

TCaptioneer::TCaptioneer(vcl::TComponent* AOwner)
    : vcl::TComponent(AOwner), FCaptions(new vcl::TStringList), FFont(new vcl::TFont) {
  // The owner is normally the form the component sits on; an owner that is
  // no control (a data module, or none) leaves the host's default font.
  if (auto* control = dynamic_cast<vcl::TControl*>(AOwner)) FFont->Assign(control->Font());
  LiveComponents::Add(this);
  InternalTranslate(true);
  captioneerInstance = this;
}

TCaptioneer::~TCaptioneer() {
  InternalTranslate(false);
  LiveComponents::Remove(this);
  if (captioneerInstance == this)
    captioneerInstance = LiveComponents::All().empty() ? nullptr : LiveComponents::All().back();
}

void TCaptioneer::Loaded() {
  vcl::TComponent::Loaded();
  if (FLocale == 0) return;
  for (int i = 0; i < vcl::Application->ComponentCount(); ++i) {
    vcl::TComponent* owner = vcl::Application->Components(i);
    for (int j = 0; j < owner->ComponentCount(); ++j) {
      auto* other = dynamic_cast<TCaptioneer*>(owner->Components(j));
      if (other != nullptr && other != this && other->FLocale == FLocale) {
        SetTranslate(other->FTranslate);
        return;
      }
    }
  }
}

void TCaptioneer::SetCaptions(const vcl::TStrings* Value) { FCaptions->Assign(Value); }

void TCaptioneer::SetFont(const vcl::TFont* Value) { FFont->Assign(Value); }

void TCaptioneer::SetTitle(const vcl::AnsiString& Value) {
  if (Value != FTitle) FTitle = Value;
}

}  // namespace Tolvane
