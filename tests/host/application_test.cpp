#include "vcl/Application.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

#include "forms_fixture.h"
#include "vcl/DataModule.h"
#include "vcl/SysUtils.h"
#include "win32/Window.h"

namespace {

using namespace vcl;

class ApplicationTest : public forms_test::FormsFixture {};

// Counts its destructions, to see who frees it.
class TCountedForm : public TForm {
 public:
  using TForm::TForm;
  ~TCountedForm() override { ++destroyed; }
  inline static int destroyed = 0;
};

TEST_F(ApplicationTest, CreateFormMakesTheFirstFormTheMainForm) {
  TDataModule* data = nullptr;
  TForm* first = nullptr;
  TForm* second = nullptr;
  Application->CreateForm(data);
  Application->CreateForm(first);
  Application->CreateForm(second);
  EXPECT_EQ(data->Owner(), Application);
  EXPECT_EQ(first->Owner(), Application);
  EXPECT_EQ(Application->MainForm(), first);
  EXPECT_EQ(Application->ComponentCount(), 3);

  delete first;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, ResetFreesEverythingTheApplicationOwnsAndStartsClean) {
  TCountedForm::destroyed = 0;
  TCountedForm* form = nullptr;
  TDataModule* data = nullptr;
  Application->CreateForm(form);
  Application->CreateForm(data);
  new TCountedForm(form);
  form->Show();
  HWND window = form->Handle();
  Application->SetTitle("Old");

  ResetApplication();
  EXPECT_EQ(TCountedForm::destroyed, 2);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(Count(HCBT_DESTROYWND, window), 1);
  EXPECT_EQ(Screen->FormCount(), 0);
  EXPECT_NE(Application, nullptr);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_NE(Application->Title(), "Old");
}

TEST_F(ApplicationTest, ExeNameIsTheRunningProgramsAbsoluteName) {
  AnsiString exe = Application->ExeName();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(exe[0], '/');
  EXPECT_TRUE(FileExists(exe));
  char resolved[PATH_MAX];
  ASSERT_NE(::realpath(exe.c_str(), resolved), nullptr);
  EXPECT_EQ(exe, resolved);
  EXPECT_EQ(exe.substr(exe.rfind('/') + 1), "host_forms_test");
  EXPECT_EQ(Application->Title(), "host_forms_test");
}

}  // namespace
