// TStringList: the host's concrete string list, kept in insertion order.
#pragma once

#include <vector>

#include "vcl/Strings.h"

namespace vcl {

class TStringList : public TStrings {
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  const AnsiString& Strings(int Index) const override;
  void Put(int Index, const AnsiString& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override { items_.clear(); }
  void SetText(std::string_view Bytes) override;

  // Room for Capacity items without reallocation.
  void SetCapacity(int Capacity);
  // Exchanges the whole contents with another list in constant time.
  void Swap(TStringList& Other) noexcept { items_.swap(Other.items_); }

 private:
  struct Item {
    AnsiString string;
    TObject* object = nullptr;
  };
  const Item& At(int Index) const;
  Item& At(int Index);

  std::vector<Item> items_;
};

}  // namespace vcl
