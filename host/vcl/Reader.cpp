#include "vcl/Reader.h"

#include <memory>

#include "vcl/ClassRegistry.h"
#include "vcl/FilerConsts.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {

// An error that already names its component and property, so that the
// property level does not wrap it a second time.
class EPropertyReadError : public EReadError {
  using EReadError::EReadError;
};

bool IsInt32Type(TValueType T) {
  return T == TValueType::vaInt8 || T == TValueType::vaInt16 || T == TValueType::vaInt32;
}

char NarrowChar(std::uint32_t Code) { return Code <= 255 ? static_cast<char>(Code) : '?'; }

// UTF-8 to the host's 8-bit text: code points up to 255 become that byte,
// the others (and malformed sequences) '?'.
AnsiString Utf8ToAnsi(const AnsiString& S) {
  AnsiString out;
  for (std::size_t i = 0; i < S.size();) {
    const auto lead = static_cast<unsigned char>(S[i++]);
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0) {
      out += '?';
      continue;
    }
    std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    bool ok = true;
    for (; extra > 0; --extra) {
      if (i >= S.size() || (static_cast<unsigned char>(S[i]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      code = (code << 6) | (static_cast<unsigned char>(S[i++]) & 0x3Fu);
    }
    out += ok ? NarrowChar(code) : '?';
  }
  return out;
}

// Whether Component is Root or still owned by it: a Loaded handler may free
// another component that was read, which must then not be touched.
bool StillThere(TComponent* Root, TComponent* Component) {
  if (Component == Root) return true;
  for (int i = 0, n = Root->ComponentCount(); i < n; ++i)
    if (Root->Components(i) == Component) return true;
  return false;
}

AnsiString UniqueName(TComponent* Component, const AnsiString& Name) {
  TComponent* owner = Component->Owner();
  if (owner == nullptr || Name.empty()) return Name;
  TComponent* other = owner->FindComponent(Name);
  if (other == nullptr || other == Component) return Name;
  for (int i = 1;; ++i) {
    AnsiString candidate = Name + "_" + std::to_string(i);
    if (owner->FindComponent(candidate) == nullptr) return candidate;
  }
}

}  // namespace

TComponent* ReadComponent(TStream* Stream, TComponent* Root) {
  TReader reader(Stream);
  return reader.ReadRootComponent(Root);
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  driver_.ReadSignature();
  const TComponentHeader header = driver_.BeginComponent();
  std::unique_ptr<TComponent> created;
  if (Root == nullptr) {
    const TClassInfo& info = FindClass(header.ClassName);
    if (info.Create == nullptr) throw EClassNotFound(Format(FilerConsts::SClassNotFound, header.ClassName.c_str()));
    created.reset(info.Create(nullptr));
    Root = created.get();
  }
  root_ = Root;
  try {
    Root->SetState(csLoading, true);
    Root->SetState(csReading, true);
    loaded_.push_back(Root);
    Root->SetName(UniqueName(Root, header.Name));
    ReadData(Root, 0);
  } catch (...) {
    ClearLoadingFlags();
    throw;
  }
  std::vector<TComponent*> loaded;
  loaded.swap(loaded_);
  for (TComponent* c : loaded)
    if (StillThere(Root, c)) c->SetState(csReading, false);
  for (TComponent* c : loaded)
    if (StillThere(Root, c)) {
      c->Loaded();
      c->SetState(csLoading, false);
    }
  created.release();
  return Root;
}

void TReader::ClearLoadingFlags() {
  for (TComponent* c : loaded_)
    if (StillThere(root_, c)) {
      c->SetState(csReading, false);
      c->SetState(csLoading, false);
    }
  loaded_.clear();
}

void TReader::ReadData(TComponent* Instance, int Depth) {
  while (!driver_.EndOfList()) ReadProperty(Instance);
  driver_.ReadListEnd();
  while (!driver_.EndOfList()) ReadComponent(Instance, Depth + 1);
  driver_.ReadListEnd();
}

void TReader::ReadComponent(TComponent* Parent, int Depth) {
  if (Depth > MaxStreamNesting) throw EReadError(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
  const TComponentHeader header = driver_.BeginComponent();
  TComponent* child = (header.Flags & ffInherited) != 0 ? root_->FindComponent(header.Name) : nullptr;
  if (child == nullptr) {
    const TClassInfo* info = GetClass(header.ClassName);
    if (info == nullptr || info->Create == nullptr) {
      driver_.SkipComponent(false);
      const AnsiString message = Format(FilerConsts::SClassNotFound, header.ClassName.c_str());
      bool handled = false;
      if (OnError) OnError(this, message, handled);
      if (!handled) throw EClassNotFound(message);
      return;
    }
    // Owned by the root from here on; freed again if it cannot take its name.
    std::unique_ptr<TComponent> fresh(info->Create(root_));
    fresh->SetName(header.Name);
    child = fresh.release();
  }
  child->SetState(csLoading, true);
  child->SetState(csReading, true);
  loaded_.push_back(child);
  child->SetParentComponent(Parent);
  ReadData(child, Depth);
  child->SetState(csReading, false);
}

void TReader::Error(const AnsiString& Message) {
  bool handled = false;
  if (OnError) OnError(this, Message, handled);
  if (!handled) throw EPropertyReadError(Message);
}

void TReader::ReadProperty(TComponent* Instance) {
  const AnsiString path = driver_.BeginProperty();
  const AnsiString who = Instance->Name().empty() ? Instance->ClassName() : Instance->Name();
  auto context = [&](const AnsiString& Message) {
    return Format(FilerConsts::SPropertyException, who.c_str(), ".", path.c_str(), Message.c_str());
  };
  auto unknown = [&](const AnsiString& Part) {
    driver_.SkipValue();
    Error(context(Format(FilerConsts::SUnknownProperty, Part.c_str())));
  };
  try {
    TPersistent* target = Instance;
    for (std::size_t start = 0;;) {
      const std::size_t dot = path.find('.', start);
      const AnsiString part = path.substr(start, dot == AnsiString::npos ? AnsiString::npos : dot - start);
      const TClassInfo* info = target->ClassInfo();
      const TPropInfo* prop = info != nullptr ? info->FindProperty(part) : nullptr;
      if (dot == AnsiString::npos) {
        if (prop != nullptr && !ReadPropValue(target, *prop)) Error(context(FilerConsts::SInvalidPropertyValue));
        if (prop != nullptr) return;
        propName_ = part;
        propFound_ = false;
        struct Clear {
          AnsiString& name;
          ~Clear() { name.clear(); }
        } clear{propName_};
        target->DefineProperties(this);
        if (!propFound_) unknown(part);
        return;
      }
      TPersistent* next = prop != nullptr && prop->Kind == TTypeKind::tkClass ? prop->GetObject(target) : nullptr;
      if (next == nullptr) return unknown(part);
      target = next;
      start = dot + 1;
    }
  } catch (const EPropertyReadError&) {
    throw;
  } catch (const EReadError& e) {
    throw EPropertyReadError(context(e.Message()));
  }
}

// False for a value that does not fit the property. The whole value has
// been consumed then too, so that reading can go on at the next property
// when the error is handled.
bool TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  const TValueType type = driver_.NextValue();
  auto reject = [&]() {
    driver_.SkipValue();
    return false;
  };
  switch (Prop.Kind) {
    case TTypeKind::tkInteger: {
      Int64 value = 0;
      if (IsInt32Type(type)) {
        value = driver_.ReadIntegerPayload(driver_.ReadValue());
      } else if (type == TValueType::vaIdent) {
        driver_.ReadValue();
        Integer named = 0;
        if (!IdentToInt(driver_.ReadShortStr(), named, Prop.IdentMap)) return false;
        value = named;
      } else {
        return reject();
      }
      Prop.SetOrd(Instance, value);
      return true;
    }
    case TTypeKind::tkBoolean:
      if (type != TValueType::vaTrue && type != TValueType::vaFalse) return reject();
      driver_.ReadValue();
      Prop.SetOrd(Instance, type == TValueType::vaTrue ? 1 : 0);
      return true;
    case TTypeKind::tkEnumeration: {
      if (type != TValueType::vaIdent) return reject();
      driver_.ReadValue();
      const AnsiString ident = driver_.ReadShortStr();
      for (std::size_t i = 0; i < Prop.Names.size(); ++i)
        if (SameText(Prop.Names[i], ident)) {
          Prop.SetOrd(Instance, static_cast<Int64>(i));
          return true;
        }
      return false;
    }
    case TTypeKind::tkSet: {
      if (type != TValueType::vaSet) return reject();
      driver_.ReadValue();
      Int64 bits = 0;
      for (const AnsiString& member : driver_.ReadSetPayload()) {
        std::size_t i = 0;
        while (i < Prop.Names.size() && !SameText(Prop.Names[i], member)) ++i;
        if (i == Prop.Names.size() || i >= 32) return false;
        bits |= Int64{1} << i;
      }
      Prop.SetOrd(Instance, bits);
      return true;
    }
    case TTypeKind::tkString:
      switch (type) {
        case TValueType::vaString:
        case TValueType::vaLString:
        case TValueType::vaUTF8String:
        case TValueType::vaWString:
        case TValueType::vaUString:
          Prop.SetStr(Instance, ReadString());
          return true;
        default:
          return reject();
      }
    case TTypeKind::tkClass:
      // A sub-object's own value: only nil has a meaning here, and it
      // leaves the owned object as it is.
      if (type != TValueType::vaNil) return reject();
      driver_.ReadValue();
      return true;
    case TTypeKind::tkMethod: {
      if (type == TValueType::vaNil) {
        driver_.ReadValue();
        Prop.SetMethod(Instance, TMethod{});
        return true;
      }
      if (type != TValueType::vaIdent) return reject();
      driver_.ReadValue();
      const AnsiString name = driver_.ReadShortStr();
      const TClassInfo* rootClass = root_->ClassInfo();
      const TMethodInfo* method = rootClass != nullptr ? rootClass->FindMethod(name) : nullptr;
      if (method == nullptr) return false;
      if (Prop.Signature != nullptr && method->Signature != nullptr && *Prop.Signature != *method->Signature)
        return false;
      Prop.SetMethod(Instance, TMethod{method->Code, root_});
      return true;
    }
  }
  return false;
}

void TReader::DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
  (void)WriteData;
  (void)HasData;
  if (propFound_ || !ReadData || propName_.empty() || !SameText(Name, propName_)) return;
  propFound_ = true;
  ReadData(this);
}

void TReader::DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                   bool HasData) {
  (void)WriteData;
  (void)HasData;
  if (propFound_ || !ReadData || propName_.empty() || !SameText(Name, propName_)) return;
  propFound_ = true;
  if (driver_.ReadValue() != TValueType::vaBinary) throw EReadError(FilerConsts::SInvalidPropertyValue);
  const AnsiString bytes = driver_.ReadStringPayload(TValueType::vaBinary);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  stream.SetPosition(0);
  ReadData(&stream);
}

void TReader::ReadListBegin() {
  if (driver_.ReadValue() != TValueType::vaList) throw EReadError(FilerConsts::SListBeginExpected);
}

Integer TReader::ReadInteger() {
  const TValueType type = driver_.ReadValue();
  if (!IsInt32Type(type)) throw EReadError(FilerConsts::SInvalidPropertyValue);
  return static_cast<Integer>(driver_.ReadIntegerPayload(type));
}

Int64 TReader::ReadInt64() {
  const TValueType type = driver_.ReadValue();
  if (!IsInt32Type(type) && type != TValueType::vaInt64) throw EReadError(FilerConsts::SInvalidPropertyValue);
  return driver_.ReadIntegerPayload(type);
}

bool TReader::ReadBoolean() {
  const TValueType type = driver_.ReadValue();
  if (type != TValueType::vaTrue && type != TValueType::vaFalse) throw EReadError(FilerConsts::SInvalidPropertyValue);
  return type == TValueType::vaTrue;
}

AnsiString TReader::ReadString() {
  const TValueType type = driver_.ReadValue();
  switch (type) {
    case TValueType::vaString:
    case TValueType::vaLString:
      return driver_.ReadStringPayload(type);
    case TValueType::vaUTF8String:
      return Utf8ToAnsi(driver_.ReadStringPayload(type));
    case TValueType::vaWString:
    case TValueType::vaUString: {
      AnsiString out;
      for (char16_t unit : driver_.ReadWideStringPayload()) out += NarrowChar(unit);
      return out;
    }
    default:
      throw EReadError(FilerConsts::SInvalidPropertyValue);
  }
}

char TReader::ReadChar() {
  const AnsiString s = ReadString();
  if (s.size() != 1) throw EReadError(FilerConsts::SInvalidPropertyValue);
  return s[0];
}

AnsiString TReader::ReadIdent() {
  switch (driver_.ReadValue()) {
    case TValueType::vaIdent:
      return driver_.ReadShortStr();
    case TValueType::vaFalse:
      return "False";
    case TValueType::vaTrue:
      return "True";
    case TValueType::vaNil:
      return "nil";
    case TValueType::vaNull:
      return "Null";
    default:
      throw EReadError(FilerConsts::SInvalidPropertyValue);
  }
}

long double TReader::ReadFloat() {
  const TValueType type = driver_.ReadValue();
  if (type == TValueType::vaExtended) return driver_.ReadExtendedPayload();
  if (IsInt32Type(type) || type == TValueType::vaInt64) return static_cast<long double>(driver_.ReadIntegerPayload(type));
  throw EReadError(FilerConsts::SInvalidPropertyValue);
}

}  // namespace vcl
