// TCaptioneer in form files: the bytes against the reference converter's
// fixtures, reading them back, the dictionary file that "Storage" saves and
// loads beside the form, and the component state a loaded form ends in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "component_fixture.h"
#include "host/form_test_classes.h"
#include "test_dir.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Dialogs.h"
#include "vcl/ModalResult.h"
#include "vcl/ObjectText.h"
#include "vcl/Reader.h"
#include "vcl/SysUtils.h"
#include "vcl/ToolServices.h"
#include "vcl/Writer.h"

using namespace Tolvane;
using namespace vcl;

namespace {

using Lines = std::vector<std::string>;

// The root class of the fixtures, "TForm1": a bare component with no
// published properties that writes the components it owns, and offers two
// published methods to the component's events. The methods count their
// calls, which must stay at zero: the component never calls its handlers.
class TFixtureRoot : public TComponent {
 public:
  explicit TFixtureRoot(TComponent* AOwner) : TComponent(AOwner) {}
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
    if (Root != this) return;
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
  void Captioneer1Translate(TObject*, bool&) { ++calls; }
  void Captioneer1Translated(TObject*) { ++calls; }
  int calls = 0;
};

void RegisterFixtureRoot() {
  RegisterClass<TFixtureRoot, TComponent>(
      "TForm1", {},
      {
          PublishedMethod<&TFixtureRoot::Captioneer1Translate>("Captioneer1Translate"),
          PublishedMethod<&TFixtureRoot::Captioneer1Translated>("Captioneer1Translated"),
      });
}

Lines Dictionary(const TCaptioneer& c) {
  Lines out;
  for (int i = 0; i < c.Captions()->Count(); ++i) out.push_back(c.Captions()->Strings(i));
  return out;
}

void Fill(TCaptioneer& c, const Lines& lines) {
  c.Captions()->Clear();
  for (auto& l : lines) c.Captions()->Add(l);
}

std::string Write(TComponent* Root) {
  TMemoryStream out;
  WriteComponent(&out, Root);
  return formtest::Bytes(out);
}

void Read(TComponent* Root, const std::string& Bytes) {
  TMemoryStream in;
  formtest::Load(in, Bytes);
  ReadComponent(&in, Root);
}

std::string ToText(const std::string& Bytes) {
  TMemoryStream in, out;
  formtest::Load(in, Bytes);
  ObjectBinaryToText(&in, &out);
  return formtest::Bytes(out);
}

// The one TCaptioneer a root owns.
TCaptioneer* CaptioneerOf(const TComponent* Root, int Index = 0) {
  return dynamic_cast<TCaptioneer*>(Root->Components(Index));
}

// Makes Dir the process's current directory for the life of the object.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& Dir) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(Dir);
  }
  ~CurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

// A file below the test program's directory, given relative to it: a bare
// name, or a directory and a name. Removed with its directory at the end.
class BesideProgram {
 public:
  explicit BesideProgram(std::string Relative)
      : dir_(ExtractFilePath(Application->ExeName())), relative_(std::move(Relative)) {}
  ~BesideProgram() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_ + relative_.substr(0, relative_.find('/')), ignored);
  }
  BesideProgram(const BesideProgram&) = delete;
  BesideProgram& operator=(const BesideProgram&) = delete;

  const std::string& Relative() const { return relative_; }
  std::string Path() const { return dir_ + relative_; }

 private:
  std::string dir_;
  std::string relative_;
};

// Named after the process, so that test programs running side by side in
// the same directory do not meet.
std::string UniqueName() { return "form_storage_" + std::to_string(::getpid()); }

void WriteFile(const std::string& Name, const std::string& Bytes) {
  std::filesystem::create_directories(std::filesystem::path(Name).parent_path());
  std::ofstream(Name, std::ios::binary) << Bytes;
}

// "Storage" with its empty list: the list-begin marker, then the list end.
const std::string kStorage("\x07" "Storage\x01\x00", 10);

class FormStorage : public ComponentFixture {
 protected:
  void SetUp() override {
    ComponentFixture::SetUp();
    RegisterFixtureRoot();
  }

  // A root "Form1" without an owner, outside the locale groups' scope,
  // holding one component "Captioneer1" as the fixtures do.
  static std::unique_ptr<TFixtureRoot> Form(bool Designing = false) {
    auto root = std::make_unique<TFixtureRoot>(nullptr);
    root->SetName("Form1");
    root->SetDesigning(Designing);
    (new TCaptioneer(root.get()))->SetName("Captioneer1");
    return root;
  }
  // A root that Application owns, so its components are in scope.
  static TFixtureRoot* ApplicationRoot() { return new TFixtureRoot(Application); }
  // The stream read into a fresh root without an owner.
  static std::unique_ptr<TFixtureRoot> Loaded(const std::string& Bytes) {
    auto root = std::make_unique<TFixtureRoot>(nullptr);
    Read(root.get(), Bytes);
    return root;
  }
};

// --- The fixtures --------------------------------------------------------------

struct FixtureCase {
  const char* file;
  void (*setup)(TCaptioneer*);
};

const FixtureCase kFixtures[] = {
    {"one_default", [](TCaptioneer*) {}},
    {"design_info", [](TCaptioneer* c) { c->SetDesignInfo(24 | (300 << 16)); }},
    {"captions", [](TCaptioneer* c) { Fill(*c, formtest::FixtureCaptions()); }},
};

class FormStorageFixture : public FormStorage, public ::testing::WithParamInterface<FixtureCase> {};

// The same values give the reference's bytes; those bytes read back give
// the values (and so the bytes) again, and their text form is the
// reference's text.
TEST_P(FormStorageFixture, WritesReadsAndConvertsLikeTheReference) {
  const std::string name = GetParam().file;
  const std::string expected = formtest::ReadFile(formtest::DataPath(name + ".bin"));
  ASSERT_FALSE(expected.empty());

  auto written = Form();
  GetParam().setup(CaptioneerOf(written.get()));
  EXPECT_EQ(Write(written.get()), expected);

  auto read = Loaded(expected);
  ASSERT_EQ(read->ComponentCount(), 1);
  const TCaptioneer* c = CaptioneerOf(read.get());
  const TCaptioneer* w = CaptioneerOf(written.get());
  EXPECT_EQ(c->Name(), "Captioneer1");
  EXPECT_EQ(Dictionary(*c), Dictionary(*w));
  EXPECT_EQ(c->DesignInfo(), w->DesignInfo());
  EXPECT_EQ(c->FileName(), "");
  EXPECT_EQ(c->Locale(), 0);
  EXPECT_EQ(c->Title(), "");
  EXPECT_TRUE(c->Translate());
  EXPECT_EQ(c->Language(), lnUser);
  EXPECT_EQ(c->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(c->Font()->Height(), -11);
  EXPECT_EQ(Write(read.get()), expected);

  EXPECT_EQ(ToText(Write(written.get())), formtest::ReadFile(formtest::DataPath(name + ".txt")));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FormStorageFixture, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) { return std::string(info.param.file); });

TEST_F(FormStorage, UnknownPropertyFailsNamingItOrPassesWithAHandler) {
  const std::string bytes = formtest::ReadFile(formtest::DataPath("unknown_property.bin"));
  EXPECT_EQ(ToText(bytes), formtest::ReadFile(formtest::DataPath("unknown_property.txt")));
  {
    TFixtureRoot root(nullptr);
    TMemoryStream in;
    formtest::Load(in, bytes);
    try {
      ReadComponent(&in, &root);
      ADD_FAILURE() << "the unknown property was accepted";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), "Error reading Captioneer1.Bogus: Unknown property: \"Bogus\"");
    }
  }
  TFixtureRoot root(nullptr);
  TMemoryStream in;
  formtest::Load(in, bytes);
  TReader reader(&in);
  Lines errors;
  reader.OnError = [&](TReader*, const AnsiString& Message, bool& Handled) {
    errors.push_back(Message);
    Handled = true;
  };
  reader.ReadRootComponent(&root);
  EXPECT_EQ(errors, Lines{"Error reading Captioneer1.Bogus: Unknown property: \"Bogus\""});
  const TCaptioneer* c = CaptioneerOf(&root);
  EXPECT_EQ(c->Locale(), 7);
  EXPECT_EQ(c->Title(), "after the unknown one");
  EXPECT_TRUE(c->Translate());
}

// --- Storage and the dictionary file ------------------------------------------

TEST_F(FormStorage, EmptyFileNameStillWritesStorageAndCreatesNoFile) {
  TestDir dir;
  CurrentDirectory cwd(dir.path());
  TProjectToolServices project(dir.Path("Project1.dpr"));
  TToolServicesScope services(project);
  for (bool designing : {true, false}) {
    auto root = Form(designing);
    Fill(*CaptioneerOf(root.get()), {"Yes|Ja"});
    const std::string bytes = Write(root.get());
    EXPECT_NE(bytes.find(kStorage), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "designing " << designing;
    EXPECT_EQ(Dictionary(*CaptioneerOf(Loaded(bytes).get())), Lines{"Yes|Ja"});
  }
}

// Written while designing, read at run time from elsewhere: the file's
// entries replace the captions that the stream holds.
TEST_F(FormStorage, FullPathIsWrittenAndReadAtThatPlace) {
  TestDir dir, elsewhere;
  const std::string file = dir.Path("lang/german.txt");
  std::filesystem::create_directory(dir.Path("lang"));
  std::string bytes;
  {
    auto root = Form(true);
    TCaptioneer* c = CaptioneerOf(root.get());
    c->SetFileName(file);
    Fill(*c, {"No|Nein", "Yes|Ja"});
    bytes = Write(root.get());
  }
  EXPECT_EQ(TestDir::Read(file), "No\tNein\r\nYes\tJa\r\n");
  WriteFile(file, "Yes\tJawohl\r\n");
  CurrentDirectory cwd(elsewhere.path());
  EXPECT_EQ(Dictionary(*CaptioneerOf(Loaded(bytes).get())), Lines{"Yes|Jawohl"});
}

// A plain name goes beside the project while designing and beside the
// program at run time; reading tries the current directory first.
TEST_F(FormStorage, PlainNameBesideTheProjectThenCurrentDirectoryOrProgram) {
  TestDir project, cwdDir;
  CurrentDirectory cwd(cwdDir.path());
  BesideProgram besideProgram(UniqueName() + ".txt");
  const std::string name = besideProgram.Relative();
  std::string bytes;
  {
    TProjectToolServices services(project.Path("Project1.dpr"));
    TToolServicesScope scope(services);
    auto root = Form(true);
    TCaptioneer* c = CaptioneerOf(root.get());
    c->SetFileName(name);
    Fill(*c, {"Yes|Ja"});
    bytes = Write(root.get());
  }
  EXPECT_EQ(TestDir::Read(project.Path(name)), "Yes\tJa\r\n");
  EXPECT_TRUE(std::filesystem::is_empty(cwdDir.path()));

  struct Case {
    bool inCurrent;
    bool besideProgram;
    Lines loaded;
  } cases[] = {
      {true, true, {"Yes|current"}},
      {false, true, {"Yes|program"}},
      {false, false, {"Yes|Ja"}},
  };
  for (const Case& k : cases) {
    std::filesystem::remove(cwdDir.Path(name));
    std::filesystem::remove(besideProgram.Path());
    if (k.inCurrent) cwdDir.Write(name, "Yes\tcurrent\r\n");
    if (k.besideProgram) WriteFile(besideProgram.Path(), "Yes\tprogram\r\n");
    EXPECT_EQ(Dictionary(*CaptioneerOf(Loaded(bytes).get())), k.loaded)
        << "current " << k.inCurrent << ", beside the program " << k.besideProgram;
  }

  std::filesystem::remove(besideProgram.Path());
  auto running = Loaded(bytes);
  Write(running.get());
  EXPECT_EQ(TestDir::Read(besideProgram.Path()), "Yes\tJa\r\n");
}

// A relative name with a directory is written relative to the current
// directory, designing or not; reading tries the current directory, then
// the program's directory.
TEST_F(FormStorage, RelativeNameWithDirectoryWritesHereAndReadsHereThenBesideTheProgram) {
  TestDir project, cwdDir;
  CurrentDirectory cwd(cwdDir.path());
  BesideProgram besideProgram(UniqueName() + "/dict.txt");
  const std::string name = besideProgram.Relative();
  ASSERT_NE(name.find('/'), std::string::npos);
  std::string bytes;
  {
    TProjectToolServices services(project.Path("Project1.dpr"));
    TToolServicesScope scope(services);
    auto root = Form(true);
    TCaptioneer* c = CaptioneerOf(root.get());
    c->SetFileName(name);
    Fill(*c, {"Yes|Ja"});
    std::filesystem::create_directories(std::filesystem::path(cwdDir.Path(name)).parent_path());
    bytes = Write(root.get());
  }
  EXPECT_EQ(TestDir::Read(cwdDir.Path(name)), "Yes\tJa\r\n");
  EXPECT_TRUE(std::filesystem::is_empty(project.path()));

  WriteFile(cwdDir.Path(name), "Yes\tcurrent\r\n");
  WriteFile(besideProgram.Path(), "Yes\tprogram\r\n");
  EXPECT_EQ(Dictionary(*CaptioneerOf(Loaded(bytes).get())), Lines{"Yes|current"});
  std::filesystem::remove(cwdDir.Path(name));
  EXPECT_EQ(Dictionary(*CaptioneerOf(Loaded(bytes).get())), Lines{"Yes|program"});
}

TEST_F(FormStorage, GetAppDirIsTheProgramsOrTheProjectsDirectoryWithItsDelimiter) {
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::string programDir = exe.substr(0, exe.rfind('/') + 1);
  auto running = Form();
  EXPECT_EQ(CaptioneerOf(running.get())->GetAppDir(), programDir);

  auto designing = Form(true);
  const TCaptioneer* c = CaptioneerOf(designing.get());
  EXPECT_EQ(c->GetAppDir(), "") << "no development environment: no project directory";
  TProjectToolServices services("/projects/demo/Project1.dpr");
  TToolServicesScope scope(services);
  EXPECT_EQ(c->GetAppDir(), "/projects/demo/");
  services.SetProjectName("Project1.dpr");
  EXPECT_EQ(c->GetAppDir(), "");
}

// A stored language writes its row over the stored captions, as assigning
// it would; a dictionary file found through Storage then replaces all.
TEST_F(FormStorage, StoredLanguageGoesOverTheCaptionsAndAFileReplacesThemAll) {
  const Lines stored = {"&Yes|Oui", "Extra|Encore", "&No|Non"};
  auto root = Form();
  TCaptioneer* c = CaptioneerOf(root.get());
  c->SetLanguage(lnGerman);
  Fill(*c, stored);
  const std::string bytes = Write(root.get());

  TCaptioneer expected(nullptr);
  Fill(expected, stored);
  expected.SetLanguage(lnGerman);
  auto read = Loaded(bytes);
  EXPECT_EQ(CaptioneerOf(read.get())->Language(), lnGerman);
  EXPECT_EQ(Dictionary(*CaptioneerOf(read.get())), Dictionary(expected));
  EXPECT_NE(Dictionary(expected), stored);

  TestDir dir;
  const std::string file = dir.Write("only.txt", "Only\tEinzig\r\n");
  c->SetFileName(file);
  std::filesystem::remove(file);
  const std::string withFile = Write(root.get());
  dir.Write("only.txt", "Only\tEinzig\r\n");
  auto fromFile = Loaded(withFile);
  EXPECT_EQ(Dictionary(*CaptioneerOf(fromFile.get())), Lines{"Only|Einzig"});
  EXPECT_EQ(CaptioneerOf(fromFile.get())->Language(), lnGerman);
}

// --- Translation state after loading -----------------------------------------

// A form with one component per entry, as (Locale, Translate) pairs, written
// from outside the scope so that writing touches no live component.
std::string FormWith(const std::vector<std::pair<Integer, bool>>& Components) {
  TFixtureRoot root(nullptr);
  root.SetName("Form1");
  for (std::size_t i = 0; i < Components.size(); ++i) {
    auto* c = new TCaptioneer(&root);
    c->SetName("Captioneer" + std::to_string(i + 1));
    c->SetLocale(Components[i].first);
    c->SetTranslate(Components[i].second);
  }
  return Write(&root);
}

TEST_F(FormStorage, StoredTranslateFalseIsOffUnlessLoadedFindsAnOnMemberOfItsGroup) {
  struct Case {
    std::vector<std::pair<Integer, bool>> stored;
    std::vector<bool> loaded;
  } cases[] = {
      {{{0, false}}, {false}},
      {{{4, false}}, {false}},
      {{{0, false}, {0, true}}, {false, true}},
      {{{4, false}, {4, true}}, {true, true}},
      {{{4, true}, {4, false}}, {false, false}},
      {{{4, false}, {5, true}}, {false, true}},
  };
  for (const Case& k : cases) {
    const std::string bytes = FormWith(k.stored);
    TFixtureRoot* root = ApplicationRoot();
    Read(root, bytes);
    for (std::size_t i = 0; i < k.loaded.size(); ++i)
      EXPECT_EQ(CaptioneerOf(root, static_cast<int>(i))->Translate(), k.loaded[i])
          << "case " << (&k - cases) << ", component " << i;
    delete root;
  }
}

// Loaded takes the state of the first other member of the group, forms in
// the order Application owns them; taking an equal state changes nothing. A
// member on a form that Application does not own directly is out of scope.
TEST_F(FormStorage, LoadedTakesTheStateOfTheFirstOtherMemberInScopeOrder) {
  const std::string bytes = FormWith({{6, true}});
  struct Case {
    std::vector<bool> members;
    std::vector<bool> membersAfter;
    bool loaded;
  } cases[] = {
      {{}, {}, true},
      {{false, true}, {false, false}, false},
      {{true, false}, {true, false}, true},
  };
  for (const Case& k : cases) {
    auto* holder = new TFixtureRoot(Application);
    auto* outside = new TCaptioneer(new TFixtureRoot(holder));
    outside->SetLocale(6);
    outside->InternalTranslate(false);
    std::vector<TCaptioneer*> members;
    for (bool on : k.members) {
      members.push_back(new TCaptioneer(new TFixtureRoot(Application)));
      members.back()->SetLocale(6);
      members.back()->InternalTranslate(on);
    }

    TFixtureRoot* read = ApplicationRoot();
    Read(read, bytes);
    const std::string which = "case " + std::to_string(&k - cases);
    EXPECT_EQ(CaptioneerOf(read)->Translate(), k.loaded) << which;
    for (std::size_t i = 0; i < members.size(); ++i) EXPECT_EQ(members[i]->Translate(), k.membersAfter[i]) << which;
    EXPECT_FALSE(outside->Translate()) << which;
    ResetApplication();
  }
}

// --- Events -------------------------------------------------------------------

TEST_F(FormStorage, HandlersAreSavedAndLoadedAndNeverCalled) {
  auto root = Form();
  TCaptioneer* c = CaptioneerOf(root.get());
  c->SetOnTranslate(MakeMethod<&TFixtureRoot::Captioneer1Translate>(root.get()));
  c->SetOnTranslated(MakeMethod<&TFixtureRoot::Captioneer1Translated>(root.get()));
  const std::string bytes = Write(root.get());
  EXPECT_NE(bytes.find("\x0B" "OnTranslate\x07\x14" "Captioneer1Translate"), std::string::npos);
  EXPECT_NE(bytes.find("\x0C" "OnTranslated\x07\x15" "Captioneer1Translated"), std::string::npos);

  TFixtureRoot* read = ApplicationRoot();
  Read(read, bytes);
  TCaptioneer* loaded = CaptioneerOf(read);
  EXPECT_EQ(static_cast<TMethod>(loaded->OnTranslate()), MakeMethod<&TFixtureRoot::Captioneer1Translate>(read));
  EXPECT_EQ(static_cast<TMethod>(loaded->OnTranslated()),
            MakeMethod<&TFixtureRoot::Captioneer1Translated>(read));
  EXPECT_EQ(Write(read), bytes);

  loaded->SetLanguage(lnGerman);
  desktop.Press("Ja");
  EXPECT_EQ(MessageDlg("Save?", TMsgDlgType::mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrYes);
  EXPECT_EQ(root->calls + read->calls, 0);
}

// --- Failure ------------------------------------------------------------------

// The file goes out before the list markers: when it cannot be made, the
// host's error leaves the writer, "Storage" has no value, and nothing has
// reached the stream.
TEST_F(FormStorage, FailingSaveLeavesTheWriterWithoutStorageMarkers) {
  TestDir dir;
  auto root = Form();
  TCaptioneer* c = CaptioneerOf(root.get());
  c->SetFileName(dir.Path("missing/dict.txt"));
  Fill(*c, {"Yes|Ja"});
  TMemoryStream out;
  TWriter writer(&out);
  try {
    writer.WriteRootComponent(root.get());
    ADD_FAILURE() << "the save did not fail";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message().find(dir.Path("missing/dict.txt")), std::string::npos) << e.Message();
  }
  EXPECT_TRUE(out.Bytes().empty());
  writer.FlushBuffer();
  const std::string bytes = formtest::Bytes(out);
  EXPECT_EQ(bytes.substr(bytes.size() - 8), "\x07" "Storage");
  EXPECT_FALSE(c->ComponentState().Contains(csWriting));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("missing")));
}

}  // namespace
