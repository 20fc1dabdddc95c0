#include "vcl/Component.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace vcl;

namespace {

// Records its destruction; optionally frees a sibling while being freed.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<int>* log, int id) : TComponent(owner), log_(log), id_(id) {}
  ~Probe() override {
    log_->push_back(id_);
    delete victim;
  }
  TComponent* victim = nullptr;

 private:
  std::vector<int>* log_;
  int id_;
};

}  // namespace

TEST(Component, OwnerListsAndFreesFromLastToFirst) {
  std::vector<int> log;
  auto owner = std::make_unique<TComponent>(nullptr);
  for (int i = 0; i < 3; ++i) new Probe(owner.get(), &log, i);
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->Components(1)->Owner(), owner.get());
  owner.reset();
  EXPECT_EQ(log, (std::vector<int>{2, 1, 0}));
}

TEST(Component, FreedAloneLeavesItsOwnersList) {
  std::vector<int> log;
  TComponent owner(nullptr);
  auto* a = new Probe(&owner, &log, 0);
  auto* b = new Probe(&owner, &log, 1);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_EQ(b->ComponentIndex(), 0);
}

TEST(Component, DestructorThatFreesASiblingIsSafe) {
  std::vector<int> log;
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* first = new Probe(owner.get(), &log, 0);
  new Probe(owner.get(), &log, 1);
  auto* last = new Probe(owner.get(), &log, 2);
  last->victim = first;  // freed while the owner walks its list
  owner.reset();
  EXPECT_EQ(log, (std::vector<int>{2, 0, 1}));
}

TEST(Component, BadIndexRaises) {
  TComponent owner(nullptr);
  EXPECT_THROW(owner.Components(0), EComponentError);
  EXPECT_THROW(owner.Components(-1), EComponentError);
}

TEST(Component, NamesAreUniqueAmongSiblingsIgnoringCase) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);
  EXPECT_EQ(owner.FindComponent("button1"), a);
  b->SetTag(7);
  EXPECT_EQ(b->Tag(), 7);
}

TEST(Component, ComponentOfADesignedOwnerIsDesigning) {
  TComponent owner(nullptr);
  owner.SetDesigning(true);
  auto* child = new TComponent(&owner);
  EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
  TComponent other(nullptr);
  auto* plain = new TComponent(&other);
  EXPECT_FALSE(plain->ComponentState().Contains(csDesigning));
}
