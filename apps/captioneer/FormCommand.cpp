// captioneer form: converts form files between the binary form (with or
// without the .dfm resource header) and the text form, and loads a form as
// a running program would, writing it again.
#include <unistd.h>

#include <memory>
#include <string_view>

#include "Commands.h"
#include "FormRoot.h"
#include "Output.h"
#include "vcl/Application.h"
#include "vcl/BinaryObjectReader.h"
#include "vcl/FileSystem.h"
#include "vcl/ObjectText.h"
#include "vcl/Reader.h"
#include "vcl/ResourceFile.h"
#include "vcl/Writer.h"

namespace captioneer {

namespace {

struct Options {
  std::string file;
  std::string output = "-";
  std::string resName;
};

// How a form file holds its component: told by its first bytes, a resource
// header starting with FF and a bare stream with its signature.
enum class Layout { Resource, Binary, Text };

Layout LayoutOf(std::string_view Bytes) {
  if (!Bytes.empty() && static_cast<unsigned char>(Bytes.front()) == 0xFF) return Layout::Resource;
  if (Bytes.substr(0, 4) == "TPF0") return Layout::Binary;
  return Layout::Text;
}

std::string BytesOf(const vcl::TMemoryStream& Stream) { return std::string(Stream.Memory(), Stream.Bytes().size()); }

void LoadBytes(vcl::TMemoryStream& Stream, std::string_view Bytes) {
  Stream.WriteBuffer(Bytes.data(), static_cast<vcl::Integer>(Bytes.size()));
  Stream.SetPosition(0);
}

// Runs Read, naming File in front of a fault of the form's content. Faults
// of the file system name their file themselves.
template <typename F>
void Reading(const std::string& File, F&& Read) {
  try {
    Read();
  } catch (const vcl::EFilerError& e) {
    throw Failure(File + ": " + e.what());
  }
}

// Binary bytes would garble a terminal; they go to a file or a pipe.
void RefuseBinaryOnTerminal(const std::string& Output) {
  if (Output == "-" && ::isatty(STDOUT_FILENO))
    throw UsageError("standard output is a terminal; give -o FILE (or redirect) for a binary form");
}

void ToText(const Options& O) {
  const std::string bytes = vcl::FileSystem::ReadWholeFile(O.file);
  const Layout layout = LayoutOf(bytes);
  if (layout == Layout::Text)
    throw Failure(O.file + ": not a binary form file (neither the signature TPF0 nor a resource header)");
  vcl::TMemoryStream in, out;
  LoadBytes(in, bytes);
  Reading(O.file, [&] {
    if (layout == Layout::Resource)
      vcl::ObjectResourceToText(&in, &out);
    else
      vcl::ObjectBinaryToText(&in, &out);
  });
  WriteOutput(O.output, BytesOf(out));
}

void ToBinary(const Options& O, bool WithHeader) {
  if (WithHeader && O.resName.empty()) throw UsageError("--res: the resource name is empty");
  RefuseBinaryOnTerminal(O.output);
  vcl::TMemoryStream in, binary;
  LoadBytes(in, vcl::FileSystem::ReadWholeFile(O.file));
  Reading(O.file, [&] { vcl::ObjectTextToBinary(&in, &binary); });
  if (!WithHeader) return WriteOutput(O.output, BytesOf(binary));
  vcl::TMemoryStream out;
  vcl::WriteResourceHeader(&out, O.resName, static_cast<vcl::Cardinal>(binary.Bytes().size()));
  const std::string stream = BytesOf(binary);
  out.WriteBuffer(stream.data(), static_cast<vcl::Integer>(stream.size()));
  WriteOutput(O.output, BytesOf(out));
}

// The class name of the root of the stream at Stream's position, which is
// kept.
vcl::AnsiString RootClassName(vcl::TMemoryStream& Stream) {
  const vcl::Int64 start = Stream.Position();
  vcl::AnsiString name;
  {
    vcl::TBinaryObjectReader reader(&Stream);
    reader.ReadSignature();
    name = reader.BeginComponent().ClassName;
  }
  Stream.SetPosition(start);
  return name;
}

// Reads the form into a root that the application owns, as a program's
// form is, so that its components see the application they would run in;
// writing it again saves whatever its components store beside the form.
void Load(const Options& O) {
  const std::string bytes = vcl::FileSystem::ReadWholeFile(O.file);
  const Layout layout = LayoutOf(bytes);
  vcl::TMemoryStream in;
  vcl::AnsiString resName;
  std::unique_ptr<vcl::TComponent> root;
  Reading(O.file, [&] {
    if (layout == Layout::Text) {
      vcl::TMemoryStream text;
      LoadBytes(text, bytes);
      vcl::ObjectTextToBinary(&text, &in);
      in.SetPosition(0);
    } else {
      LoadBytes(in, bytes);
      if (layout == Layout::Resource) resName = vcl::ReadResourceHeader(&in);
    }
    root.reset(CreateFormRoot(RootClassName(in), vcl::Application));
    vcl::ReadComponent(&in, root.get());
  });

  vcl::TMemoryStream binary;
  vcl::WriteComponent(&binary, root.get());
  binary.SetPosition(0);
  vcl::TMemoryStream out;
  if (O.output == "-" || layout == Layout::Text) {
    vcl::ObjectBinaryToText(&binary, &out);
  } else {
    if (layout == Layout::Resource)
      vcl::WriteResourceHeader(&out, resName, static_cast<vcl::Cardinal>(binary.Bytes().size()));
    const std::string stream = BytesOf(binary);
    out.WriteBuffer(stream.data(), static_cast<vcl::Integer>(stream.size()));
  }
  WriteOutput(O.output, BytesOf(out));
}

void AddFileOptions(CLI::App* Sub, Options& O, const std::string& OutputHelp) {
  Sub->add_option("FILE", O.file, "The form file")->required();
  Sub->add_option("-o,--output", O.output, OutputHelp)->capture_default_str();
}

}  // namespace

Command AddFormCommand(CLI::App& app) {
  auto options = std::make_shared<Options>();
  CLI::App* form = app.add_subcommand("form", "Convert form files, or load one as a running program would");
  form->require_subcommand(1);
  CLI::App* text = form->add_subcommand(
      "text", "Binary form (with or without the .dfm resource header) to the text form");
  AddFileOptions(text, *options, "Write the text to FILE, '-' for standard output");
  CLI::App* binary = form->add_subcommand("binary", "Text form to the binary form");
  AddFileOptions(binary, *options,
                 "Write the binary form to FILE, '-' for standard output (refused on a terminal)");
  binary->add_option("--res", options->resName, "Put a .dfm resource header named NAME in front");
  CLI::App* load = form->add_subcommand(
      "load", "Read the form as a running program would (components load their files), then write it again");
  AddFileOptions(load, *options,
                 "Write the form to FILE in the layout it was read in; '-' for the text form on standard output");
  return [options, text, binary, load] {
    if (text->parsed()) ToText(*options);
    if (binary->parsed()) ToBinary(*options, binary->count("--res") > 0);
    if (load->parsed()) Load(*options);
  };
}

}  // namespace captioneer
