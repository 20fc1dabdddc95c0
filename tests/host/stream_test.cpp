#include "vcl/Stream.h"

#include <gtest/gtest.h>

#include "test_dir.h"

using namespace vcl;

TEST(Stream, FileStreamReadsOnlyInOpenMode0) {
  TestDir dir;
  const std::string name = dir.Write("f.bin", "hello");
  TFileStream stream(name, fmOpenRead);
  char buf[8] = {};
  EXPECT_EQ(stream.Read(buf, 8), 5);
  EXPECT_EQ(std::string(buf), "hello");
  EXPECT_EQ(stream.Size(), 5);
  EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError);
}

TEST(Stream, OpenAndCreateErrorsNameTheFile) {
  TestDir dir;
  try {
    TFileStream stream(dir.Path("missing"), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + dir.Path("missing") + "\". No such file or directory");
  }
  EXPECT_THROW(TFileStream(dir.Path("no/such/dir"), fmCreate), EFCreateError);
}

TEST(Stream, CreateEmptiesAndWrites) {
  TestDir dir;
  const std::string name = dir.Write("f.bin", "old content");
  {
    TFileStream stream(name, fmCreate);
    stream.WriteBuffer("new", 3);
  }
  EXPECT_EQ(TestDir::Read(name), "new");
}

TEST(Stream, MemoryStreamReadsWritesAndSeeks) {
  TMemoryStream stream;
  stream.WriteBuffer("abcdef", 6);
  stream.SetPosition(2);
  char buf[3] = {};
  stream.ReadBuffer(buf, 2);
  EXPECT_EQ(std::string(buf), "cd");
  EXPECT_EQ(stream.Size(), 6);
  EXPECT_THROW(stream.ReadBuffer(buf, 3), EReadError);
  EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}
