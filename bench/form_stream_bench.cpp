// Throughput of form files holding a TCaptioneer whose dictionary has n
// lines (10, 1,000, 100,000), in bytes of the binary stream per second:
//
// BM_WriteForm: the form written as a binary stream (TWriter).
// BM_ReadForm: that stream read into a fresh form (TReader), the form and
//   its component created and freed in every iteration.
// BM_BinaryToText / BM_TextToBinary: the stream converted to its text form
//   and back.
//
// FileName is empty, so "Storage" writes and reads no dictionary file: the
// cost measured is the form stream's alone.
#include <benchmark/benchmark.h>

#include <string>

#include "Tolvane/Tolvane.h"
#include "vcl/Application.h"
#include "vcl/Forms.h"
#include "vcl/ObjectText.h"
#include "vcl/Reader.h"
#include "vcl/Writer.h"

namespace {

// Dictionary lines shaped like real captions: a key and its translation.
void FillDictionary(Tolvane::TCaptioneer& c, int n) {
  c.Captions()->SetCapacity(n);
  for (int i = 0; i < n; ++i) c.Captions()->Add("Caption number " + std::to_string(i) + "|Beschriftung Nummer " + std::to_string(i));
}

std::string Bytes(const vcl::TMemoryStream& S) { return std::string(S.Memory(), S.Bytes().size()); }

void Load(vcl::TMemoryStream& S, const std::string& Bytes) {
  S.Clear();
  S.WriteBuffer(Bytes.data(), static_cast<vcl::Integer>(Bytes.size()));
  S.SetPosition(0);
}

// A form owning one component with n dictionary lines.
class CaptioneerForm {
 public:
  explicit CaptioneerForm(int n) {
    form_.SetName("Form1");
    auto* c = new Tolvane::TCaptioneer(&form_);
    c->SetName("Captioneer1");
    FillDictionary(*c, n);
  }
  vcl::TForm* Form() { return &form_; }
  std::string Write() {
    vcl::TMemoryStream out;
    vcl::WriteComponent(&out, &form_);
    return Bytes(out);
  }

 private:
  vcl::TForm form_{nullptr};
};

std::string Text(const std::string& Binary) {
  vcl::TMemoryStream in, out;
  Load(in, Binary);
  vcl::ObjectBinaryToText(&in, &out);
  return Bytes(out);
}

void BM_WriteForm(benchmark::State& state) {
  CaptioneerForm form(static_cast<int>(state.range(0)));
  const std::size_t size = form.Write().size();
  vcl::TMemoryStream out;
  for (auto _ : state) {
    out.Clear();
    vcl::WriteComponent(&out, form.Form());
    benchmark::DoNotOptimize(out.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void BM_ReadForm(benchmark::State& state) {
  const std::string binary = CaptioneerForm(static_cast<int>(state.range(0))).Write();
  vcl::TMemoryStream in;
  Load(in, binary);
  for (auto _ : state) {
    in.SetPosition(0);
    vcl::TForm form(nullptr);
    vcl::ReadComponent(&in, &form);
    benchmark::DoNotOptimize(form.ComponentCount());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * binary.size()));
}

void BM_BinaryToText(benchmark::State& state) {
  const std::string binary = CaptioneerForm(static_cast<int>(state.range(0))).Write();
  vcl::TMemoryStream in, out;
  Load(in, binary);
  for (auto _ : state) {
    in.SetPosition(0);
    out.Clear();
    vcl::ObjectBinaryToText(&in, &out);
    benchmark::DoNotOptimize(out.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * binary.size()));
}

void BM_TextToBinary(benchmark::State& state) {
  const std::string binary = CaptioneerForm(static_cast<int>(state.range(0))).Write();
  vcl::TMemoryStream in, out;
  Load(in, Text(binary));
  for (auto _ : state) {
    in.SetPosition(0);
    out.Clear();
    vcl::ObjectTextToBinary(&in, &out);
    benchmark::DoNotOptimize(out.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * binary.size()));
}

void FormSizes(benchmark::internal::Benchmark* b) { b->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond); }
BENCHMARK(BM_WriteForm)->Apply(FormSizes);
BENCHMARK(BM_ReadForm)->Apply(FormSizes);
BENCHMARK(BM_BinaryToText)->Apply(FormSizes);
BENCHMARK(BM_TextToBinary)->Apply(FormSizes);

}  // namespace
