// TFiler: what TReader and TWriter share, chiefly DefineProperty, through
// which a class stores data beside its published properties.
#pragma once

#include <functional>

#include "vcl/Object.h"
#include "vcl/Stream.h"

namespace vcl {

class TComponent;
class TReader;
class TWriter;

using TReaderProc = std::function<void(TReader*)>;
using TWriterProc = std::function<void(TWriter*)>;
using TStreamProc = std::function<void(TStream*)>;

class TFiler : public TObject {
 public:
  // When writing: if HasData, writes the property's name (with the path of
  // the sub-object being written) and calls WriteData, which must write
  // exactly one value. When reading: calls ReadData if Name is the
  // property being looked for (ASCII case ignored).
  virtual void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData,
                              bool HasData) = 0;
  // The same for raw bytes, stored as one vaBinary value; the procedures
  // get a stream holding just those bytes.
  virtual void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;

  // The component being read or written as a whole (the form), whose
  // published methods events are resolved against.
  TComponent* Root() const { return root_; }

 protected:
  TComponent* root_ = nullptr;
};

}  // namespace vcl
