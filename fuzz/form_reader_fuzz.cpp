// Feeds arbitrary bytes to the binary component reader (into a form root,
// with unknown properties let pass), to the binary-to-text converter and to
// the text-to-binary converter. Any exception other than the host's read
// errors, any crash, leak or unbounded allocation is a finding.
#include <cstddef>
#include <cstdint>

#include "vcl/Forms.h"
#include "vcl/ObjectText.h"
#include "vcl/Reader.h"

namespace {

void Load(vcl::TMemoryStream& Stream, const std::uint8_t* Data, std::size_t Size) {
  Stream.WriteBuffer(Data, static_cast<vcl::Integer>(Size));
  Stream.SetPosition(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size > (1u << 20)) return 0;
  {
    vcl::TMemoryStream in;
    Load(in, Data, Size);
    vcl::TForm root(nullptr);
    vcl::TReader reader(&in);
    reader.OnError = [](vcl::TReader*, const vcl::AnsiString&, bool& Handled) { Handled = true; };
    try {
      reader.ReadRootComponent(&root);
    } catch (const vcl::EReadError&) {
    } catch (const vcl::EComponentError&) {
      // A stream may name two children alike; the owner refuses the second.
    }
  }
  {
    vcl::TMemoryStream in, out;
    Load(in, Data, Size);
    try {
      vcl::ObjectBinaryToText(&in, &out);
    } catch (const vcl::EReadError&) {
    }
  }
  {
    vcl::TMemoryStream in, out;
    Load(in, Data, Size);
    try {
      vcl::ObjectTextToBinary(&in, &out);
    } catch (const vcl::EReadError&) {
    }
  }
  return 0;
}
