// The unit's registration and editors, driven as the development
// environment drives them: through what Register registers.
#include <gtest/gtest.h>

#include "Tolvane/Tolvane.h"
#include "Tolvane/design/Register.h"
#include "test_dir.h"
#include "vcl/Application.h"
#include "vcl/Consts.h"
#include "vcl/DsgnIntf.h"
#include "vcl/Forms.h"
#include "vcl/HeadlessDesktop.h"
#include "win32/Hooks.h"
#include "win32/WinExec.h"
#include "win32/stand_in_program.h"

namespace {

class Designer final : public vcl::TDesigner {
 public:
  explicit Designer(vcl::TComponent* Root) : root(Root) {}
  void Modified() override { ++modified; }
  vcl::TComponent* GetRoot() override { return root; }
  vcl::TComponent* root;
  int modified = 0;
};

// A form being designed with one TCaptioneer on it, and the unit's
// registrations in a group of their own.
class EditorsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vcl::ResetApplication();
    vcl::ResetResStrings();
    win32::ResetHooks();
    group = vcl::NewEditorGroup();
    Tolvane::Register();
    form = std::make_unique<vcl::TForm>(nullptr);
    form->SetDesigning(true);
    captioneer = new Tolvane::TCaptioneer(form.get());
  }
  void TearDown() override {
    form.reset();
    vcl::FreeEditorGroup(group);
    vcl::ResetApplication();
    win32::ResetHooks();
  }

  std::unique_ptr<vcl::TPropertyEditor> EditorOf(const char* Property) {
    const vcl::TClassInfo* cls = vcl::ClassInfoOf(captioneer);
    const vcl::TPropInfo* prop = cls->FindProperty(Property);
    std::unique_ptr<vcl::TPropertyEditor> editor(
        vcl::FindPropertyEditor(cls, *prop).Create(&designer, {captioneer}, prop));
    editor->Initialize();
    return editor;
  }

  int group = 0;
  std::unique_ptr<vcl::TForm> form;
  Tolvane::TCaptioneer* captioneer = nullptr;
  Designer designer{nullptr};
  vcl::THeadlessDesktop desktop;
  vcl::TDesktopScope desktopScope{desktop};
};

TEST_F(EditorsTest, RegisterPutsTheComponentOnThePageQuendale) {
  const std::vector<vcl::TPaletteEntry> pages = vcl::PalettePages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].Page, "Quendale");
  ASSERT_EQ(pages[0].Classes.size(), 1u);
  EXPECT_EQ(pages[0].Classes[0], vcl::ClassInfoOf<Tolvane::TCaptioneer>());
}

TEST_F(EditorsTest, TheAboutRowReadsTheSameWhateverAboutHolds) {
  for (const char* about : {"", "anything", "(About...)", "x\r\ny"}) {
    captioneer->SetAbout(about);
    EXPECT_EQ(EditorOf("About")->GetValue(), "(About...)") << about;
  }
}

TEST_F(EditorsTest, AttributeBytes) {
  EXPECT_EQ(EditorOf("About")->GetAttributes().ToBits(), 68);
  EXPECT_EQ(EditorOf("FileName")->GetAttributes().ToBits(), 4);
}

TEST_F(EditorsTest, TheAboutButtonOpensTheAboutBoxModally) {
  desktop.PressEnter();
  EditorOf("About")->Edit();
  ASSERT_EQ(desktop.Activations().size(), 1u);
  EXPECT_EQ(desktop.Activations()[0].Caption, "About ...");
  EXPECT_EQ(desktop.PendingSteps(), 0u);
}

TEST_F(EditorsTest, TheFileNameRowIsAStringTheUserMayType) {
  captioneer->SetFileName("old.txt");
  const auto editor = EditorOf("FileName");
  EXPECT_EQ(editor->GetValue(), "old.txt");
  editor->SetValue("typed.txt");
  EXPECT_EQ(captioneer->FileName(), "typed.txt");
}

TEST_F(EditorsTest, ConfirmingTheFileDialogStoresTheFullPathAndMarksTheForm) {
  const TestDir dir;
  const std::string chosen = dir.Write("german.txt", "");
  desktop.ChooseFile(chosen);
  EditorOf("FileName")->Edit();
  ASSERT_EQ(desktop.FileDialogs().size(), 1u);
  const vcl::TOpenFileRequest& asked = desktop.FileDialogs()[0];
  EXPECT_EQ(asked.Filter, "Dictionary (*.txt)|*.txt");
  EXPECT_EQ(asked.Title, "Select a dictionary file");
  EXPECT_EQ(asked.DefaultExt, "txt");
  EXPECT_EQ(asked.FileName, "");
  EXPECT_EQ(captioneer->FileName(), chosen);
  EXPECT_EQ(designer.modified, 1);
}

TEST_F(EditorsTest, TheDialogOpensWithTheCurrentNameAndMakesARelativeAnswerFull) {
  captioneer->SetFileName("current.txt");
  desktop.ChooseFile("picked");
  EditorOf("FileName")->Edit();
  EXPECT_EQ(desktop.FileDialogs().at(0).FileName, "current.txt");
  EXPECT_EQ(captioneer->FileName(), (std::filesystem::current_path() / "picked.txt").string());
}

TEST_F(EditorsTest, CancellingTheFileDialogChangesNothing) {
  captioneer->SetFileName("kept.txt");
  desktop.CancelFileDialog();
  EditorOf("FileName")->Edit();
  EXPECT_EQ(captioneer->FileName(), "kept.txt");
  EXPECT_EQ(designer.modified, 0);
}

TEST_F(EditorsTest, AnExceptionFromTheDialogPassesOnAfterTheDialogIsFreed) {
  // No answer scripted: the dialog raises while it is open. The sanitizer
  // build sees a dialog that was not freed as a leak.
  EXPECT_THROW(EditorOf("FileName")->Edit(), vcl::EInvalidOperation);
  EXPECT_EQ(captioneer->FileName(), "");
  EXPECT_EQ(designer.modified, 0);
}

TEST_F(EditorsTest, TheContextMenuHasExactlyTwoVerbs) {
  const vcl::TComponentEditorPtr editor = vcl::GetComponentEditor(captioneer, &designer);
  ASSERT_EQ(editor->GetVerbCount(), 2);
  EXPECT_EQ(editor->GetVerb(0), "About Captioneer");
  EXPECT_EQ(editor->GetVerb(1), "Help Contents");
  for (int other : {-1, 2, 3, 1000}) {
    EXPECT_EQ(editor->GetVerb(other), "") << other;
    editor->ExecuteVerb(other);
  }
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_TRUE(win32::WaitForStartedPrograms().empty());
}

TEST_F(EditorsTest, TheAboutVerbOpensTheAboutBox) {
  desktop.PressEnter();
  vcl::GetComponentEditor(captioneer, &designer)->ExecuteVerb(0);
  ASSERT_EQ(desktop.Activations().size(), 1u);
  EXPECT_EQ(desktop.Activations()[0].Caption, "About ...");
}

TEST_F(EditorsTest, TheHelpVerbStartsTheHelpViewerHidden) {
  const StandInProgram viewer("WINHLP32.EXE");
  vcl::GetComponentEditor(captioneer, &designer)->ExecuteVerb(1);
  ASSERT_EQ(win32::WaitForStartedPrograms().size(), 1u);
  EXPECT_EQ(viewer.Record(), "TOLVANE.HLP\nshow=0\n");
}

TEST_F(EditorsTest, AMissingHelpViewerIsSilent) {
  const StandInProgram other("SOMETHING.EXE");
  ::setenv("PATH", other.Dir().path().c_str(), 1);
  EXPECT_NO_THROW(vcl::GetComponentEditor(captioneer, &designer)->ExecuteVerb(1));
  EXPECT_TRUE(win32::WaitForStartedPrograms().empty());
}

}  // namespace
