#include "vcl/StringList.h"

#include "vcl/Memory.h"

namespace vcl {

const TStringList::Item& TStringList::At(int Index) const {
  if (Index < 0 || Index >= Count()) Error(Index);
  return items_[static_cast<std::size_t>(Index)];
}

TStringList::Item& TStringList::At(int Index) {
  if (Index < 0 || Index >= Count()) Error(Index);
  return items_[static_cast<std::size_t>(Index)];
}

const AnsiString& TStringList::Strings(int Index) const { return At(Index).string; }

void TStringList::Put(int Index, const AnsiString& S) { At(Index).string = S; }

TObject* TStringList::GetObject(int Index) const { return At(Index).object; }

void TStringList::PutObject(int Index, TObject* AObject) { At(Index).object = AObject; }

void TStringList::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
  if (Index < 0 || Index > Count()) Error(Index);
  items_.insert(items_.begin() + Index, Item{S, AObject});
}

void TStringList::Delete(int Index) {
  At(Index);
  items_.erase(items_.begin() + Index);
}

void TStringList::SetCapacity(int Capacity) {
  if (Capacity <= Count()) return;
  items_.reserve(static_cast<std::size_t>(Capacity));
  AdviseLargeBuffer(items_.data(), items_.capacity() * sizeof(Item));
}

void TStringList::SetText(std::string_view Bytes) {
  std::vector<Item> lines;
  ForEachTextLine(Bytes, [&](std::string_view line) { lines.push_back(Item{AnsiString(line), nullptr}); });
  items_.swap(lines);
}

}  // namespace vcl
