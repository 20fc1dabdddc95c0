#include "vcl/ResourceFile.h"

#include <cctype>
#include <string_view>

#include "vcl/BinaryObjectReader.h"
#include "vcl/Component.h"
#include "vcl/FileSystem.h"
#include "vcl/FilerConsts.h"
#include "vcl/Reader.h"
#include "vcl/Writer.h"

namespace vcl {

namespace {

constexpr Byte ResourceTypeMark = 0xFF;
constexpr Word RT_RCDATA = 10;
constexpr Word ResourceFlags = 0x1030;

// The bytes of a whole memory stream, handed to another stream at once.
void CopyAll(const TMemoryStream& From, TStream* To) {
  const auto& bytes = From.Bytes();
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<Integer>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    To->WriteBuffer(bytes.data() + done, chunk);
    done += static_cast<std::size_t>(chunk);
  }
}

// The class name of the root of a binary stream, read without consuming it.
AnsiString RootClassName(TMemoryStream& Binary) {
  Binary.SetPosition(0);
  AnsiString name;
  {
    TBinaryObjectReader reader(&Binary);
    reader.ReadSignature();
    name = reader.BeginComponent().ClassName;
  }
  Binary.SetPosition(0);
  return name;
}

AnsiString UpperCase(AnsiString S) {
  for (char& c : S) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return S;
}

void WriteWithHeader(TStream* Stream, const AnsiString& ResName, const TMemoryStream& Binary) {
  WriteResourceHeader(Stream, ResName, static_cast<Cardinal>(Binary.Bytes().size()));
  CopyAll(Binary, Stream);
}

}  // namespace

void WriteResourceHeader(TStream* Stream, const AnsiString& ResName, Cardinal Size) {
  std::string header;
  header += static_cast<char>(ResourceTypeMark);
  header += static_cast<char>(RT_RCDATA & 0xFF);
  header += static_cast<char>(RT_RCDATA >> 8);
  header += std::string_view(ResName.c_str());
  header += '\0';
  header += static_cast<char>(ResourceFlags & 0xFF);
  header += static_cast<char>(ResourceFlags >> 8);
  for (int i = 0; i < 4; ++i) header += static_cast<char>((Size >> (8 * i)) & 0xFF);
  Stream->WriteBuffer(header.data(), static_cast<Integer>(header.size()));
}

AnsiString ReadResourceHeader(TStream* Stream) {
  Int64 left = Stream->Size() - Stream->Position();
  auto byte = [&]() -> Byte {
    Byte b;
    if (left-- <= 0) throw EReadError(FilerConsts::SInvalidResource);
    Stream->ReadBuffer(&b, 1);
    return b;
  };
  if (byte() != ResourceTypeMark) throw EReadError(FilerConsts::SInvalidResource);
  if (byte() != (RT_RCDATA & 0xFF) || byte() != (RT_RCDATA >> 8)) throw EReadError(FilerConsts::SInvalidResource);
  AnsiString name;
  for (Byte b = byte(); b != 0; b = byte()) name += static_cast<char>(b);
  if (byte() != (ResourceFlags & 0xFF) || byte() != (ResourceFlags >> 8)) throw EReadError(FilerConsts::SInvalidResource);
  for (int i = 0; i < 4; ++i) byte();
  return name;
}

void ObjectResourceToText(TStream* Input, TStream* Output, TObjectTextEncoding Encoding) {
  ReadResourceHeader(Input);
  ObjectBinaryToText(Input, Output, Encoding);
}

void ObjectTextToResource(TStream* Input, TStream* Output) {
  TMemoryStream binary;
  ObjectTextToBinary(Input, &binary);
  WriteWithHeader(Output, UpperCase(RootClassName(binary)), binary);
}

void WriteComponentRes(TStream* Stream, const AnsiString& ResName, TComponent* Instance) {
  TMemoryStream binary;
  WriteComponent(&binary, Instance);
  WriteWithHeader(Stream, ResName, binary);
}

TComponent* ReadComponentRes(TStream* Stream, TComponent* Instance) {
  ReadResourceHeader(Stream);
  return ReadComponent(Stream, Instance);
}

void WriteComponentResFile(const AnsiString& FileName, TComponent* Instance) {
  TMemoryStream file;
  WriteComponentRes(&file, UpperCase(Instance->ClassName()), Instance);
  FileSystem::WriteFileAtomically(FileName, std::string_view(file.Memory(), file.Bytes().size()));
}

TComponent* ReadComponentResFile(const AnsiString& FileName, TComponent* Instance) {
  TMemoryStream file;
  file.LoadFromFile(FileName);
  return ReadComponentRes(&file, Instance);
}

}  // namespace vcl
