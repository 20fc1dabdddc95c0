#include "vcl/Component.h"

#include <algorithm>

#include "vcl/Reader.h"
#include "vcl/SysUtils.h"
#include "vcl/Writer.h"

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

// The words are written unsigned, so a position of -8 is stored as 65528.
void TComponent::DefineProperties(TFiler* Filer) {
  auto word = [this](int Shift) { return (static_cast<Cardinal>(designInfo_) >> Shift) & 0xFFFFu; };
  auto setWord = [this](int Shift, Int64 Value) {
    const Cardinal mask = 0xFFFFu << Shift;
    designInfo_ = static_cast<Integer>((static_cast<Cardinal>(designInfo_) & ~mask) |
                                       ((static_cast<Cardinal>(Value) & 0xFFFFu) << Shift));
  };
  Filer->DefineProperty(
      "Left", [setWord](TReader* R) { setWord(0, R->ReadInteger()); },
      [word](TWriter* W) { W->WriteInteger(word(0)); }, word(0) != 0);
  Filer->DefineProperty(
      "Top", [setWord](TReader* R) { setWord(16, R->ReadInteger()); },
      [word](TWriter* W) { W->WriteInteger(word(16)); }, word(16) != 0);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  (void)Proc;
  (void)Root;
}

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
