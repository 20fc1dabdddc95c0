// TComponent: ownership, names and the component state flags.
#pragma once

#include <functional>
#include <vector>

#include "vcl/Exception.h"
#include "vcl/Object.h"
#include "vcl/Set.h"

namespace vcl {

enum class TComponentStateFlag : Byte {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
};
using TComponentState = TSet<TComponentStateFlag, 8>;
inline constexpr TComponentStateFlag csLoading = TComponentStateFlag::csLoading;
inline constexpr TComponentStateFlag csReading = TComponentStateFlag::csReading;
inline constexpr TComponentStateFlag csWriting = TComponentStateFlag::csWriting;
inline constexpr TComponentStateFlag csDestroying = TComponentStateFlag::csDestroying;
inline constexpr TComponentStateFlag csDesigning = TComponentStateFlag::csDesigning;

class EComponentError : public Exception {
  using Exception::Exception;
};

// A component is created with an owner (or none). The owner keeps it in its
// Components list and frees it when the owner itself is freed; a component
// freed on its own leaves its owner's list first. A component whose owner is
// being designed is in csDesigning from its construction on.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError-style EComponentError for an index out of range.
  TComponent* Components(int Index) const;
  int ComponentIndex() const;

  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& NewName);
  Integer Tag() const { return tag_; }
  void SetTag(Integer Value) { tag_ = Value; }

  TComponentState ComponentState() const { return state_; }
  void SetDesigning(bool Value);

  // Called by the form reader once the whole root has been read.
  virtual void Loaded();

  // The position of a non-visual component on its form at design time: the
  // left coordinate in the low word, the top in the high word. Streamed as
  // the defined properties "Left" and "Top", each only when not 0.
  Integer DesignInfo() const { return designInfo_; }
  void SetDesignInfo(Integer Value) { designInfo_ = Value; }
  void DefineProperties(TFiler* Filer) override;

  // Hands the components that are written inside this one to Proc, in
  // order. Root is the component being written as a whole. The base hands
  // out none.
  virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);
  // Whether the component sits inside a parent component (controls do), and
  // is written there rather than directly under its owner.
  virtual bool HasParent() const { return false; }
  // Called by the form reader with the component a child was read inside.
  virtual void SetParentComponent(TComponent* Value) { (void)Value; }

  // Finds an owned component by name, ignoring ASCII case as the host does.
  TComponent* FindComponent(const AnsiString& AName) const;

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

 protected:
  void SetState(TComponentStateFlag Flag, bool On);

 private:
  // The form reader and writer set csLoading, csReading and csWriting.
  friend class TReader;
  friend class TWriter;

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  AnsiString name_;
  Integer tag_ = 0;
  Integer designInfo_ = 0;
  TComponentState state_;
};

}  // namespace vcl
