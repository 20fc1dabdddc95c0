// TStrings: the host's abstract list of strings, each with an associated
// object reference, and the text-file loading and saving shared by all
// string lists.
#pragma once

#include <string_view>

#include "vcl/Exception.h"
#include "vcl/Object.h"

namespace vcl {

class TStream;

// A bad index into a string list.
class EStringListError : public Exception {
  using Exception::Exception;
};

// Calls Line(std::string_view) for each line of Bytes. CR LF, LF alone and
// CR alone each end a line; a last line without an end is passed too; a
// final line end adds no empty line.
template <typename F>
void ForEachTextLine(std::string_view Bytes, F&& Line) {
  std::size_t start = 0;
  const std::size_t size = Bytes.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = Bytes[i];
    if (c != '\r' && c != '\n') continue;
    Line(Bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < size && Bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) Line(Bytes.substr(start));
}

class TStrings : public TPersistent {
 public:
  virtual int Count() const = 0;
  // The string at Index; raises EStringListError for a bad index.
  virtual const AnsiString& Strings(int Index) const = 0;
  // Replaces the string at Index in place, keeping its object.
  virtual void Put(int Index, const AnsiString& S) = 0;
  virtual TObject* GetObject(int Index) const = 0;
  virtual void PutObject(int Index, TObject* AObject) = 0;
  virtual void InsertObject(int Index, const AnsiString& S, TObject* AObject) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  int Add(const AnsiString& S) { return AddObject(S, nullptr); }
  int AddObject(const AnsiString& S, TObject* AObject);
  void Insert(int Index, const AnsiString& S) { InsertObject(Index, S, nullptr); }
  int IndexOf(const AnsiString& S) const;

  // Copies the strings and objects of another TStrings; raises EConvertError
  // for any other kind of source.
  void Assign(const TPersistent* Source) override;

  // The lines joined, each followed by CR LF.
  AnsiString Text() const;
  // Replaces the list by the lines of Bytes (ForEachTextLine).
  virtual void SetText(std::string_view Bytes);

  // Reads a text file with SetText. Raises EFOpenError / EReadError; on
  // failure the list is unchanged.
  void LoadFromFile(const AnsiString& FileName);
  // Writes Text() to a file, replacing it only once all bytes are stored
  // (FileSystem::WriteFileAtomically). An empty list gives 0 bytes.
  void SaveToFile(const AnsiString& FileName) const;
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream) const;

  // Streams the strings as the defined property "Strings", a list of
  // strings, written only when the list is not empty.
  void DefineProperties(TFiler* Filer) override;

 protected:
  [[noreturn]] static void Error(int Index);
};

}  // namespace vcl
