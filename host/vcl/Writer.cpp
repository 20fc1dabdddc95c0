#include "vcl/Writer.h"

#include "vcl/ClassRegistry.h"

namespace vcl {

namespace {

// Extends the path of the sub-object being written for the life of the object.
class ScopedPath {
 public:
  ScopedPath(AnsiString& Path, const AnsiString& Append) : path_(Path), saved_(Path) { path_ += Append; }
  ~ScopedPath() { path_ = std::move(saved_); }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  AnsiString& path_;
  AnsiString saved_;
};

}  // namespace

void WriteComponent(TStream* Stream, TComponent* Instance) {
  TWriter writer(Stream);
  writer.WriteRootComponent(Instance);
}

void TWriter::WriteRootComponent(TComponent* Root) {
  root_ = Root;
  driver_.WriteSignature();
  WriteComponent(Root);
  driver_.Flush();
}

void TWriter::WriteComponent(TComponent* Component) {
  struct Writing {
    TComponent* c;
    explicit Writing(TComponent* C) : c(C) { c->SetState(csWriting, true); }
    ~Writing() { c->SetState(csWriting, false); }
  } writing(Component);
  driver_.BeginComponent(0, 0, Component->ClassName(), Component->Name());
  WriteProperties(Component);
  driver_.EndList();
  Component->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, root_);
  driver_.EndList();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  if (const TClassInfo* info = Instance->ClassInfo())
    for (const TPropInfo* p : info->AllProperties()) WriteProperty(Instance, *p);
  Instance->DefineProperties(this);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop) {
  if (!Prop.Stored) return;
  switch (Prop.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkBoolean:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: {
      const Int64 value = Prop.GetOrd(Instance);
      if (Prop.DefaultValue && *Prop.DefaultValue == value) return;
      driver_.BeginProperty(propPath_ + Prop.Name);
      if (Prop.Kind == TTypeKind::tkBoolean) {
        driver_.WriteBoolean(value != 0);
      } else if (Prop.Kind == TTypeKind::tkSet) {
        std::vector<AnsiString> members;
        for (std::size_t i = 0; i < Prop.Names.size() && i < 32; ++i)
          if ((value >> i) & 1) members.push_back(Prop.Names[i]);
        driver_.WriteSet(members);
      } else if (Prop.Kind == TTypeKind::tkEnumeration && value >= 0 &&
                 value < static_cast<Int64>(Prop.Names.size())) {
        driver_.WriteIdent(Prop.Names[static_cast<std::size_t>(value)]);
      } else if (AnsiString ident; Prop.Kind == TTypeKind::tkInteger &&
                                   IntToIdent(static_cast<Integer>(value), ident, Prop.IdentMap)) {
        driver_.WriteIdent(ident);
      } else {
        driver_.WriteInteger(value);
      }
      return;
    }
    case TTypeKind::tkString: {
      const AnsiString value = Prop.GetStr(Instance);
      if (value.empty()) return;
      driver_.BeginProperty(propPath_ + Prop.Name);
      driver_.WriteString(value);
      return;
    }
    case TTypeKind::tkClass: {
      TPersistent* object = Prop.GetObject(Instance);
      if (object == nullptr) return;
      ScopedPath path(propPath_, Prop.Name + ".");
      WriteProperties(object);
      return;
    }
    case TTypeKind::tkMethod: {
      const TMethod method = Prop.GetMethod(Instance);
      if (!method || root_ == nullptr || method.Data != root_) return;
      const TClassInfo* rootClass = root_->ClassInfo();
      const TMethodInfo* published = rootClass != nullptr ? rootClass->FindMethod(method.Code) : nullptr;
      if (published == nullptr) return;
      driver_.BeginProperty(propPath_ + Prop.Name);
      driver_.WriteIdent(published->Name);
      return;
    }
  }
}

void TWriter::DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
  (void)ReadData;
  if (!HasData || !WriteData) return;
  driver_.BeginProperty(propPath_ + Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                   bool HasData) {
  (void)ReadData;
  if (!HasData || !WriteData) return;
  TMemoryStream bytes;
  WriteData(&bytes);
  driver_.BeginProperty(propPath_ + Name);
  driver_.WriteBinary(std::string_view(bytes.Memory(), bytes.Bytes().size()));
}

}  // namespace vcl
