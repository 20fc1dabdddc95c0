#include "vcl/Strings.h"

#include "vcl/FileSystem.h"
#include "vcl/Reader.h"
#include "vcl/Stream.h"
#include "vcl/StringList.h"
#include "vcl/SysUtils.h"
#include "vcl/Writer.h"

namespace vcl {

int TStrings::AddObject(const AnsiString& S, TObject* AObject) {
  int index = Count();
  InsertObject(index, S, AObject);
  return index;
}

int TStrings::IndexOf(const AnsiString& S) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (Strings(i) == S) return i;
  return -1;
}

void TStrings::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TStrings*>(Source);
  if (source == nullptr) AssignError(Source);
  if (source == this) return;
  TStringList copy;
  for (int i = 0, n = source->Count(); i < n; ++i) copy.AddObject(source->Strings(i), source->GetObject(i));
  Clear();
  for (int i = 0, n = copy.Count(); i < n; ++i) AddObject(copy.Strings(i), copy.GetObject(i));
}

AnsiString TStrings::Text() const {
  std::size_t total = 0;
  const int n = Count();
  for (int i = 0; i < n; ++i) total += Strings(i).size() + 2;
  AnsiString out;
  out.reserve(total);
  for (int i = 0; i < n; ++i) {
    out += Strings(i);
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(std::string_view Bytes) {
  TStringList lines;
  lines.SetText(Bytes);
  Assign(&lines);
}

void TStrings::LoadFromFile(const AnsiString& FileName) { SetText(FileSystem::ReadWholeFile(FileName)); }

void TStrings::SaveToFile(const AnsiString& FileName) const {
  FileSystem::WriteFileAtomically(FileName, Text());
}

void TStrings::LoadFromStream(TStream* Stream) {
  AnsiString bytes;
  char chunk[65536];
  for (Integer n; (n = Stream->Read(chunk, sizeof chunk)) > 0;) bytes.append(chunk, static_cast<std::size_t>(n));
  SetText(bytes);
}

void TStrings::SaveToStream(TStream* Stream) const {
  AnsiString text = Text();
  std::size_t done = 0;
  while (done < text.size()) {
    Integer chunk = static_cast<Integer>(std::min<std::size_t>(text.size() - done, 1u << 30));
    Stream->WriteBuffer(text.data() + done, chunk);
    done += static_cast<std::size_t>(chunk);
  }
}

void TStrings::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      "Strings",
      [this](TReader* R) {
        TStringList lines;
        R->ReadListBegin();
        while (!R->EndOfList()) lines.Add(R->ReadString());
        R->ReadListEnd();
        Assign(&lines);
      },
      [this](TWriter* W) {
        W->WriteListBegin();
        for (int i = 0, n = Count(); i < n; ++i) W->WriteString(Strings(i));
        W->WriteListEnd();
      },
      Count() > 0);
}

void TStrings::Error(int Index) { throw EStringListError(Format("List index out of bounds (%d)", Index)); }

}  // namespace vcl
