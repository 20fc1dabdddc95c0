// Test-only classes shaped like the form files the reference converter
// wrote: a form class TForm1 with published methods, and a non-visual
// component registered as "TCaptioneer" with the published properties of
// those files in their order and a defined "Storage" holding an empty list.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "vcl/ClassRegistry.h"
#include "vcl/Forms.h"
#include "vcl/Reader.h"
#include "vcl/StringList.h"
#include "vcl/Writer.h"

namespace formtest {

using namespace vcl;

enum class TTestLang : Byte { lnUser, lnGerman, lnFrench, lnCzech };

class TTestCaptioneer : public TComponent {
 public:
  using TTranslateEvent = TEvent<void(TObject*, bool&)>;
  using TTranslatedEvent = TEvent<void(TObject*)>;

  explicit TTestCaptioneer(TComponent* AOwner) : TComponent(AOwner) {}
  ~TTestCaptioneer() override {
    delete FCaptions;
    delete FFont;
  }

  void DefineProperties(TFiler* Filer) override {
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        "Storage",
        [this](TReader* R) {
          R->ReadListBegin();
          R->ReadListEnd();
          ++storageReads;
        },
        [](TWriter* W) {
          W->WriteListBegin();
          W->WriteListEnd();
        },
        true);
  }

  void Loaded() override {
    TComponent::Loaded();
    ++loadedCalls;
    stateInLoaded = ComponentState();
  }

  AnsiString FAbout = "about text";
  TStringList* FCaptions = new TStringList;
  AnsiString FFileName;
  Integer FLocale = 0;
  AnsiString FTitle;
  bool FTranslate = true;
  TFont* FFont = new TFont;
  TTestLang FLanguage = TTestLang::lnUser;
  TTranslateEvent FOnTranslate;
  TTranslatedEvent FOnTranslated;

  int storageReads = 0;
  int loadedCalls = 0;
  TComponentState stateInLoaded;
  TComponentState stateInTitle;
  void SetTitle(const AnsiString& Value) {
    stateInTitle = ComponentState();
    FTitle = Value;
  }
  const AnsiString& Title() const { return FTitle; }
};

// The root of the fixtures. The reference wrote them from a form class with
// no published properties of its own, so the test root is a bare component
// that, like a form, hands out the components it owns when written.
class TForm1 : public TComponent {
 public:
  explicit TForm1(TComponent* AOwner) : TComponent(AOwner) {}
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
  void Captioneer1Translate(TObject* Sender, bool& Skip) {
    (void)Sender;
    Skip = true;
  }
  void Captioneer1Translated(TObject* Sender) { lastSender = Sender; }
  TObject* lastSender = nullptr;
};

inline void RegisterTestClasses() {
  using P = Published<TTestCaptioneer>;
  using C = TTestCaptioneer;
  RegisterClass<TTestCaptioneer, TComponent>(
      "TCaptioneer", {
                         P::StringProp("About", &C::FAbout, &C::FAbout).NotStored(),
                         P::ObjectProp("Captions", &C::FCaptions),
                         P::StringProp("FileName", &C::FFileName, &C::FFileName),
                         P::IntegerProp("Locale", &C::FLocale, &C::FLocale),
                         P::StringProp("Title", &C::Title, &C::SetTitle),
                         P::BooleanProp("Translate", &C::FTranslate, &C::FTranslate),
                         P::ObjectProp("Font", &C::FFont),
                         P::EnumProp("Language", &C::FLanguage, &C::FLanguage,
                                     {"lnUser", "lnGerman", "lnFrench", "lnCzech"}),
                         P::EventProp("OnTranslate", &C::FOnTranslate, &C::FOnTranslate),
                         P::EventProp("OnTranslated", &C::FOnTranslated, &C::FOnTranslated),
                     });
  RegisterClass<TForm1, TComponent>("TForm1", {},
                               {
                                   PublishedMethod<&TForm1::Captioneer1Translate>("Captioneer1Translate"),
                                   PublishedMethod<&TForm1::Captioneer1Translated>("Captioneer1Translated"),
                               });
}

inline std::string DataPath(const std::string& Name) { return std::string(CAPTIONEER_TEST_DATA) + "/forms/" + Name; }

inline std::string ReadFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Bytes(const TMemoryStream& S) { return std::string(S.Memory(), S.Bytes().size()); }

inline void Load(TMemoryStream& S, const std::string& Bytes) {
  S.Clear();
  S.WriteBuffer(Bytes.data(), static_cast<Integer>(Bytes.size()));
  S.SetPosition(0);
}

// The form of the fixtures: Form1 owning Captioneer1 with the defaults.
struct FixtureForm {
  FixtureForm() {
    RegisterTestClasses();
    form.SetName("Form1");
    captioneer = new TTestCaptioneer(&form);
    captioneer->SetName("Captioneer1");
  }
  std::string Write() {
    TMemoryStream out;
    WriteComponent(&out, &form);
    return Bytes(out);
  }
  TForm1 form{nullptr};
  TTestCaptioneer* captioneer;
};

// The captions the "captions" fixture holds.
inline std::vector<std::string> FixtureCaptions() {
  std::string high = "High|";
  for (int b = 128; b < 256; ++b) high += static_cast<char>(b);
  return {"&Yes|&Ja",
          "Cancel|Abbrechen",
          "Don't save|Nicht speichern",
          "",
          "Tab\tStop",
          "Gr\xFC\xDF" "e",
          "Gr\xC3\xBC\xC3\x9F" "e",
          high,
          std::string(255, 'x'),
          "Long|" + std::string(295, 'y')};
}

}  // namespace formtest
