#include "vcl/Reader.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"
#include "vcl/BinaryObjectWriter.h"

namespace {

using namespace formtest;

TTestCaptioneer* ReadInto(TComponent& Root, const std::string& Bytes, TReader::TReaderError OnError = nullptr) {
  TMemoryStream in;
  Load(in, Bytes);
  TReader reader(&in);
  reader.OnError = std::move(OnError);
  reader.ReadRootComponent(&Root);
  return dynamic_cast<TTestCaptioneer*>(Root.FindComponent("Captioneer1"));
}

TEST(ReaderTest, ReadsEveryFixtureIntoAPlainFormWhateverTheRootClassName) {
  RegisterTestClasses();
  TForm root(nullptr);  // the stream says TForm1; a given root is not checked
  TTestCaptioneer* c = ReadInto(root, ReadFile(DataPath("captions.bin")));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(root.Name(), "Form1");
  EXPECT_EQ(c->Owner(), &root);
  ASSERT_EQ(c->FCaptions->Count(), 10);
  const auto expected = FixtureCaptions();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(c->FCaptions->Strings(i), expected[static_cast<std::size_t>(i)]) << i;
  EXPECT_EQ(c->FLocale, 0);
  EXPECT_TRUE(c->FTranslate);
  EXPECT_EQ(c->FFont->Name(), "MS Sans Serif");
  EXPECT_EQ(c->FFont->Color(), clWindowText);
  EXPECT_EQ(c->FFont->Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(c->FLanguage, TTestLang::lnUser);
  EXPECT_EQ(c->storageReads, 1);

  TForm second(nullptr);
  TTestCaptioneer* d = ReadInto(second, ReadFile(DataPath("design_info.bin")));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->DesignInfo(), 24 | (300 << 16));
}

TEST(ReaderTest, SetsLoadingFlagsWhileReadingAndCallsLoadedOnceAfterwards) {
  RegisterTestClasses();
  FixtureForm f;
  f.captioneer->FTitle = "x";
  const std::string bytes = f.Write();
  TForm root(nullptr);
  TTestCaptioneer* c = ReadInto(root, bytes);
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->stateInTitle.Contains(csLoading));
  EXPECT_TRUE(c->stateInTitle.Contains(csReading));
  EXPECT_EQ(c->loadedCalls, 1);
  EXPECT_FALSE(c->stateInLoaded.Contains(csReading));
  EXPECT_FALSE(c->ComponentState().Contains(csLoading));
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
  EXPECT_FALSE(root.ComponentState().Contains(csReading));
}

TEST(ReaderTest, ChildrenOfADesignedRootAreDesigned) {
  RegisterTestClasses();
  TForm root(nullptr);
  root.SetDesigning(true);
  TTestCaptioneer* c = ReadInto(root, ReadFile(DataPath("one_default.bin")));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->ComponentState().Contains(csDesigning));
}

TEST(ReaderTest, UnknownPropertyNamesComponentAndPropertyUnlessOnErrorLetsItPass) {
  RegisterTestClasses();
  const std::string bytes = ReadFile(DataPath("unknown_property.bin"));
  {
    TForm root(nullptr);
    try {
      ReadInto(root, bytes);
      FAIL() << "no error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), "Error reading Captioneer1.Bogus: Unknown property: \"Bogus\"");
    }
    EXPECT_EQ(root.ComponentCount(), 1);  // the half-read component stays owned
    EXPECT_FALSE(root.Components(0)->ComponentState().Contains(csLoading));
  }
  TForm root(nullptr);
  std::vector<std::string> messages;
  TTestCaptioneer* c = ReadInto(root, bytes, [&](TReader*, const AnsiString& Message, bool& Handled) {
    messages.push_back(Message);
    Handled = true;
  });
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(messages, std::vector<std::string>{"Error reading Captioneer1.Bogus: Unknown property: \"Bogus\""});
  EXPECT_EQ(c->FLocale, 7);
  EXPECT_EQ(c->FTitle, "after the unknown one");
  EXPECT_EQ(c->storageReads, 1);
  EXPECT_EQ(c->loadedCalls, 1);
}

// A stream built value by value: the root Form1 and Captioneer1 with the
// given properties.
std::string Stream(void (*Properties)(TBinaryObjectWriter&), const char* ChildClass = "TCaptioneer") {
  TMemoryStream s;
  TBinaryObjectWriter w(&s);
  w.WriteSignature();
  w.BeginComponent(0, 0, "TForm1", "Form1");
  w.EndList();
  w.BeginComponent(0, 0, ChildClass, "Captioneer1");
  Properties(w);
  w.EndList();
  w.EndList();
  w.EndList();
  w.Flush();
  return Bytes(s);
}

struct BadValueCase {
  const char* name;
  void (*properties)(TBinaryObjectWriter&);
  const char* message;
};

const BadValueCase kBadValues[] = {
    {"StringForInteger",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Locale");
       w.WriteString("seven");
     },
     "Error reading Captioneer1.Locale: Invalid value for property"},
    {"Int64ForInteger",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Locale");
       w.WriteInteger(Int64{1} << 40);
     },
     "Error reading Captioneer1.Locale: Invalid value for property"},
    {"UnknownEnumMember",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Language");
       w.WriteIdent("lnKlingon");
     },
     "Error reading Captioneer1.Language: Invalid value for property"},
    {"UnknownSetMember",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Font.Style");
       w.WriteSet({"fsBold", "fsBlink"});
     },
     "Error reading Captioneer1.Font.Style: Invalid value for property"},
    {"UnknownColorName",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Font.Color");
       w.WriteIdent("clNoSuchColour");
     },
     "Error reading Captioneer1.Font.Color: Invalid value for property"},
    {"UnknownMethod",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("OnTranslate");
       w.WriteIdent("NoSuchHandler");
     },
     "Error reading Captioneer1.OnTranslate: Invalid value for property"},
    {"MethodOfTheWrongKind",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("OnTranslate");
       w.WriteIdent("Captioneer1Translated");
     },
     "Error reading Captioneer1.OnTranslate: Invalid value for property"},
    {"PathThroughANonObject",
     [](TBinaryObjectWriter& w) {
       w.BeginProperty("Locale.Value");
       w.WriteInteger(1);
     },
     "Error reading Captioneer1.Locale.Value: Unknown property: \"Locale\""},
};

class ReaderBadValueTest : public ::testing::TestWithParam<BadValueCase> {};

// Each bad value fails with its context; when OnError handles it, the value
// is skipped whole and the property after it is still read.
TEST_P(ReaderBadValueTest, FailsWithContextOrIsSkippedWhenHandled) {
  RegisterTestClasses();
  const auto with = [](TBinaryObjectWriter& w) {
    GetParam().properties(w);
    w.BeginProperty("Title");
    w.WriteString("after");
  };
  const std::string bytes = Stream(with);
  {
    TForm1 root(nullptr);
    try {
      ReadInto(root, bytes);
      FAIL() << "no error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), GetParam().message);
    }
  }
  TForm1 root(nullptr);
  int errors = 0;
  TTestCaptioneer* c = ReadInto(root, bytes, [&](TReader*, const AnsiString&, bool& Handled) {
    ++errors;
    Handled = true;
  });
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(c->FTitle, "after");
}

INSTANTIATE_TEST_SUITE_P(Values, ReaderBadValueTest, ::testing::ValuesIn(kBadValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReaderTest, ResolvesEventsThroughTheRootsPublishedMethods) {
  RegisterTestClasses();
  const std::string bytes = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("OnTranslate");
    w.WriteIdent("captioneer1translate");  // names ignore case
    w.BeginProperty("OnTranslated");
    w.WriteIdent("Captioneer1Translated");
  });
  TForm1 root(nullptr);
  TTestCaptioneer* c = ReadInto(root, bytes);
  ASSERT_NE(c, nullptr);
  bool skip = false;
  c->FOnTranslate(c, skip);
  EXPECT_TRUE(skip);
  c->FOnTranslated(c);
  EXPECT_EQ(root.lastSender, c);
}

TEST(ReaderTest, AcceptsIdentsThroughTheIntegerMapAndWideOrUtf8Strings) {
  RegisterTestClasses();
  const std::string bytes = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("Font.Color");
    w.WriteIdent("CLRED");
    w.BeginProperty("Font.Charset");
    w.WriteInteger(238);
    w.BeginProperty("Title");
    w.WriteWideString(u"Gr\u00FC\u00DFe \u20AC");
    w.BeginProperty("FileName");
    w.WriteUTF8String("\xC3\xBC\xE2\x82\xAC");
  });
  TForm1 root(nullptr);
  TTestCaptioneer* c = ReadInto(root, bytes);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->FFont->Color(), clRed);
  EXPECT_EQ(c->FFont->Charset(), EASTEUROPE_CHARSET);
  EXPECT_EQ(c->FTitle, "Gr\xFC\xDF" "e ?");
  EXPECT_EQ(c->FFileName, "\xFC?");
}

TEST(ReaderTest, UnknownClassRaisesOrSkipsTheWholeComponentWhenHandled) {
  RegisterTestClasses();
  const std::string bytes = Stream(
      [](TBinaryObjectWriter& w) {
        w.BeginProperty("Anything");
        w.BeginList();
        w.WriteInteger(1);
        w.EndList();
      },
      "TNoSuchClass");
  {
    TForm1 root(nullptr);
    TMemoryStream in;
    Load(in, bytes);
    try {
      ReadComponent(&in, &root);
      FAIL() << "no error";
    } catch (const EClassNotFound& e) {
      EXPECT_EQ(e.Message(), "Class \"TNoSuchClass\" not found");
    }
  }
  TForm1 root(nullptr);
  ReadInto(root, bytes, [](TReader*, const AnsiString&, bool& Handled) { Handled = true; });
  EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(ReaderTest, CreatesTheRootFromTheRegistryWhenNoneIsGiven) {
  RegisterTestClasses();
  TMemoryStream in;
  Load(in, ReadFile(DataPath("one_default.bin")));
  std::unique_ptr<TComponent> root(ReadComponent(&in, nullptr));
  ASSERT_NE(dynamic_cast<TForm1*>(root.get()), nullptr);
  EXPECT_EQ(root->ClassName(), "TForm1");
  EXPECT_EQ(root->ComponentCount(), 1);

  std::string unknownRoot = ReadFile(DataPath("one_default.bin"));
  unknownRoot[5] = 'X';  // "XForm1"
  Load(in, unknownRoot);
  EXPECT_THROW(ReadComponent(&in, nullptr), EClassNotFound);
}

TEST(ReaderTest, ErrorsInsideADefinedPropertyAreNotOfferedToOnError) {
  RegisterTestClasses();
  const std::string bytes = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("Storage");
    w.WriteInteger(3);
  });
  TForm1 root(nullptr);
  int offered = 0;
  try {
    ReadInto(root, bytes, [&](TReader*, const AnsiString&, bool& Handled) {
      ++offered;
      Handled = true;
    });
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Error reading Captioneer1.Storage: Start of list expected");
  }
  EXPECT_EQ(offered, 0);
}

}  // namespace
