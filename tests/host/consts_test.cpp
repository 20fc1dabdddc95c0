#include "vcl/Consts.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Consts, EnglishTableInSlotOrder) {
  ResetResStrings();
  const TResStringRec* slots[] = {&SMsgDlgYes,   &SMsgDlgNo,     &SMsgDlgOK,  &SMsgDlgCancel,
                                  &SMsgDlgHelp,  &SMsgDlgAbort,  &SMsgDlgRetry, &SMsgDlgIgnore,
                                  &SMsgDlgAll,   &SOKButton,     &SCancelButton};
  const char* english[] = {"&Yes", "&No", "OK", "Cancel", "&Help", "&Abort",
                           "&Retry", "&Ignore", "&All", "OK", "Cancel"};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(LoadResString(slots[i]), english[i]) << slots[i]->Identifier;
  EXPECT_EQ(LoadResString(&SMsgDlgConfirm), "Confirm");
}

TEST(Consts, ReplacedAtRunTimeAndReset) {
  SetResString(&SMsgDlgYes, "&Ja");
  EXPECT_EQ(LoadResString(&SMsgDlgYes), "&Ja");
  EXPECT_EQ(FindResString("SMsgDlgYes"), &SMsgDlgYes);
  EXPECT_EQ(FindResString("smsgdlgyes"), nullptr);
  ResetResStrings();
  EXPECT_EQ(LoadResString(&SMsgDlgYes), "&Yes");
}
