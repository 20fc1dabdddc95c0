#include "win32/Module.h"

#include <gtest/gtest.h>

#include "win32/LastError.h"

extern "C" HINSTANCE captioneer_probe_instance();

namespace {

int programVariable = 0;
void ProgramFunction() {}

TEST(ModuleTest, OneHandlePerModuleWhateverAddressInside) {
  HINSTANCE program = win32::ModuleInstance(reinterpret_cast<const void*>(&ProgramFunction));
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(win32::ModuleInstance(&programVariable), program);

  HINSTANCE probe = captioneer_probe_instance();
  ASSERT_NE(probe, nullptr);
  EXPECT_NE(probe, program);
  EXPECT_EQ(win32::ModuleInstance(reinterpret_cast<const void*>(&captioneer_probe_instance)), probe);
}

TEST(ModuleTest, FailuresSetTheLastError) {
  HMODULE module = nullptr;
  EXPECT_FALSE(GetModuleHandleExA(0, "libc.so.6", &module));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  int onTheStack = 0;
  EXPECT_FALSE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                  reinterpret_cast<LPCSTR>(&onTheStack), &module));
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(module, nullptr);
}

}  // namespace
