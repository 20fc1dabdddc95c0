// TReader: reads components from a binary stream. It walks components and
// their properties; the bytes are TBinaryObjectReader's business.
//
// Each component read is in csLoading and csReading while its data is read;
// once the whole root is read, Loaded runs on every component read, in the
// order they were read, and the flags are cleared. Children are created by
// their registered class with the root as their owner, so a read that fails
// half-way leaves nothing unowned: the components read so far stay with the
// root (and a root the reader created itself is freed).
//
// An unknown property, a value of the wrong type, or an unknown class is
// first offered to OnError (the value or component is skipped first, so the
// stream stays in step); if the handler sets Handled, reading goes on.
// Errors of the stream itself and errors inside a defined property's reader
// are not offered. An EReadError that passes out of a property names the
// component and the property: "Error reading Captioneer1.Bogus: ...".
#pragma once

#include <vector>

#include "vcl/BinaryObjectReader.h"
#include "vcl/Component.h"
#include "vcl/Filer.h"

namespace vcl {

struct TPropInfo;

class TReader : public TFiler {
 public:
  using TReaderError = std::function<void(TReader* Reader, const AnsiString& Message, bool& Handled)>;

  explicit TReader(TStream* Stream) : driver_(Stream) {}

  // Reads a whole stream ("TPF0" ...) into Root, whatever class name the
  // stream gives it, and returns Root. With Root null, creates the root from
  // the stream's class name (EClassNotFound if none is registered) without
  // an owner and returns it; the caller owns it.
  TComponent* ReadRootComponent(TComponent* Root);

  TReaderError OnError;

  void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

  // Values, for defined properties. Each raises EReadError when the next
  // value is not of its kind.
  TValueType NextValue() { return driver_.NextValue(); }
  bool EndOfList() { return driver_.EndOfList(); }
  void ReadListBegin();
  void ReadListEnd() { driver_.ReadListEnd(); }
  Integer ReadInteger();
  Int64 ReadInt64();
  bool ReadBoolean();
  // 8-bit text: vaString, vaLString; vaUTF8String, vaWString and vaUString
  // give each character up to 255 as that byte and '?' for the others.
  AnsiString ReadString();
  char ReadChar();
  AnsiString ReadIdent();
  long double ReadFloat();
  void SkipValue() { driver_.SkipValue(); }

 private:
  void ReadData(TComponent* Instance, int Depth);
  void ReadComponent(TComponent* Parent, int Depth);
  void ReadProperty(TComponent* Instance);
  bool ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  // Offers Message to OnError; raises EReadError when it is not handled.
  void Error(const AnsiString& Message);
  void ClearLoadingFlags();

  TBinaryObjectReader driver_;
  std::vector<TComponent*> loaded_;
  AnsiString propName_;
  bool propFound_ = false;
};

// Reads a whole binary stream at Stream's position into Root
// (TReader::ReadRootComponent).
TComponent* ReadComponent(TStream* Stream, TComponent* Root);

}  // namespace vcl
