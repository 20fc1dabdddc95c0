#include "vcl/Component.h"

#include <algorithm>

#include "vcl/SysUtils.h"

namespace vcl {

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_ += csDestroying;
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EComponentError(Format("List index out of bounds (%d)", Index));
  return components_[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const AnsiString& NewName) {
  if (NewName == name_) return;
  if (!NewName.empty() && owner_ != nullptr) {
    TComponent* other = owner_->FindComponent(NewName);
    if (other != nullptr && other != this)
      throw EComponentError("A component named " + NewName + " already exists");
  }
  name_ = NewName;
}

void TComponent::SetDesigning(bool Value) {
  SetState(csDesigning, Value);
  for (TComponent* c : components_) c->SetDesigning(Value);
}

void TComponent::Loaded() { SetState(csLoading, false); }

TComponent* TComponent::FindComponent(const AnsiString& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  if (state_.Contains(csDesigning)) AComponent->SetDesigning(true);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find(components_.begin(), components_.end(), AComponent);
  if (it == components_.end()) return;
  components_.erase(it);
  AComponent->owner_ = nullptr;
}

// Frees from the last to the first and takes the bound afresh each time: a
// destructor may free a sibling, which then leaves the list on its own.
void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;
  }
}

void TComponent::SetState(TComponentStateFlag Flag, bool On) {
  if (On)
    state_ += Flag;
  else
    state_ -= Flag;
}

}  // namespace vcl
