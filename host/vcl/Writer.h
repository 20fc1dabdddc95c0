// TWriter: writes components as a binary stream. It walks components and
// their properties; the bytes are TBinaryObjectWriter's business.
//
// For each component: its header, its published properties (ancestors'
// first; not-stored ones, empty strings, unassigned events and ordinals
// equal to their default skipped), then the properties it defines in
// DefineProperties, then its children (GetChildren), each list ended by 00.
#pragma once

#include "vcl/BinaryObjectWriter.h"
#include "vcl/Component.h"
#include "vcl/Filer.h"

namespace vcl {

struct TPropInfo;

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream* Stream) : driver_(Stream) {}

  // Signature, then Root and everything GetChildren hands out, then the
  // bytes go to the stream.
  void WriteRootComponent(TComponent* Root);
  void WriteComponent(TComponent* Component);
  // The published and defined properties of Instance, names prefixed with
  // the path of the sub-object being written.
  void WriteProperties(TPersistent* Instance);

  void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

  // Values, for defined properties.
  void WriteListBegin() { driver_.BeginList(); }
  void WriteListEnd() { driver_.EndList(); }
  void WriteInteger(Int64 Value) { driver_.WriteInteger(Value); }
  void WriteBoolean(bool Value) { driver_.WriteBoolean(Value); }
  void WriteString(const AnsiString& Value) { driver_.WriteString(Value); }
  void WriteChar(char Value) { driver_.WriteString(AnsiString(1, Value)); }
  void WriteIdent(const AnsiString& Ident) { driver_.WriteIdent(Ident); }
  void WriteFloat(long double Value) { driver_.WriteFloat(Value); }

  // Hands the bytes written so far to the stream.
  void FlushBuffer() { driver_.Flush(); }

 private:
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop);

  TBinaryObjectWriter driver_;
  AnsiString propPath_;
};

// Writes Instance as a whole binary stream ("TPF0" ...) at Stream's position.
void WriteComponent(TStream* Stream, TComponent* Instance);

}  // namespace vcl
