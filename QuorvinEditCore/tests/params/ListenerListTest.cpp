#include "FakeParameter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Removes another listener from the list while being told.
class RemovingListener : public ParameterListener {
public:
    RemovingListener(ListenerList& list, ParameterListener* victim) : list_(list), victim_(victim) {}
    void onParameterChanged(Parameter*, std::uint32_t) override { list_.remove(victim_); }

private:
    ListenerList& list_;
    ParameterListener* victim_;
};

TEST(ListenerLists, DuplicatesAreKeptAndToldTwiceInOrder)
{
    EventLog log;
    RecordingListener a("a", &log);
    RecordingListener b("b", &log);
    ListenerList list;
    list.add(&a);
    list.add(&b);
    list.add(&a);
    list.add(nullptr);
    list.notifyAll(nullptr, 0x20);
    EXPECT_EQ(log, (EventLog{"notify a", "notify b", "notify a"}));
}

TEST(ListenerLists, ADestroyedListenerLeavesEveryList)
{
    FakeParameter p(0, 1);
    FakeParameter q(0, 1);
    auto listener = std::make_unique<RecordingListener>();
    p.addListener(listener.get());
    p.addListener(listener.get());
    q.addListener(listener.get());
    listener.reset();
    EXPECT_EQ(p.listeners().size(), 0u);
    EXPECT_EQ(q.listeners().size(), 0u);
    p.setValue(flagsUserEdit, 1);
}

// A listener keeps its lists sorted by address: subjects and listeners are
// added, and destroyed, in orders other than that one. Subject k and
// listener k go together; every listener listens to every subject.
TEST(ListenerLists, SubjectsAndListenersGoneOutOfOrderLeaveTheOthersWhole)
{
    constexpr std::size_t count = 5;
    struct Orders {
        std::vector<std::size_t> added;
        std::vector<std::size_t> destroyed;
    };
    const Orders rows[] = {
        {{2, 0, 3, 1, 4}, {1, 3}},
        {{4, 3, 2, 1, 0}, {0, 4, 2}},
        {{1, 3, 0, 4, 2}, {4, 1, 0, 3}},
        {{0, 1, 2, 3, 4}, {3, 0, 4}},
        {{3, 1, 4, 0, 2}, {2}},
    };
    const auto byAddress = [](const auto& a, const auto& b) { return a.get() < b.get(); };
    for (const Orders& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.added) + " " + ::testing::PrintToString(row.destroyed));
        std::vector<std::unique_ptr<FakeParameter>> subjects;
        std::vector<std::unique_ptr<RecordingListener>> listeners;
        for (std::size_t k = 0; k < count; ++k) {
            subjects.push_back(std::make_unique<FakeParameter>(0, 1));
            listeners.push_back(std::make_unique<RecordingListener>());
        }
        std::sort(subjects.begin(), subjects.end(), byAddress);
        std::sort(listeners.begin(), listeners.end(), byAddress);
        for (std::size_t s : row.added)
            for (std::size_t l : row.added)
                subjects[s]->addListener(listeners[l].get());
        for (std::size_t k : row.destroyed) {
            subjects[k].reset();
            listeners[k].reset();
        }
        std::vector<Parameter*> kept;
        for (const auto& subject : subjects) {
            if (subject) {
                subject->notifyListeners(0x20);
                kept.push_back(subject.get());
            }
        }
        for (const auto& listener : listeners) {
            if (!listener)
                continue;
            std::vector<Parameter*> heard;
            for (const RecordingListener::Heard& change : listener->heard)
                heard.push_back(change.parameter);
            EXPECT_EQ(heard, kept);
        }
        // Destroying the listeners now must not touch the dead subjects' lists.
        for (auto& listener : listeners)
            listener.reset();
        for (const auto& subject : subjects) {
            if (subject) {
                EXPECT_EQ(subject->listeners().size(), 0u);
            }
        }
    }
}

TEST(ListenerLists, AListenerRemovedDuringNotificationIsNotToldAfterwards)
{
    ListenerList list;
    RecordingListener victim;
    RemovingListener remover(list, &victim);
    list.add(&remover);
    list.add(&victim);
    list.notifyAll(nullptr, 0x20);
    EXPECT_TRUE(victim.heard.empty());
    EXPECT_EQ(list.size(), 1u);
    EXPECT_FALSE(list.contains(&victim));
}

// A parameter that also listens, as group parameters do.
class ListeningParameter : public FakeParameter, public ParameterListener {
public:
    ListeningParameter() : FakeParameter(0, 1) {}
    void onParameterChanged(Parameter*, std::uint32_t) override { ++heard; }
    int heard = 0;
};

TEST(DestroyedParameter, LeavesListenerDependentAndLinkListsOfOthers)
{
    FakeParameter source(0, 127);
    FakeParameter survivor(0, 127);
    {
        ListeningParameter gone;
        source.addListener(&gone);
        source.addPreDependent(&gone, &survivor);
        source.addPostDependent(&survivor, &gone);
        source.addLink(&gone);
        gone.addLink(&survivor);
        gone.addPostDependent(&source, &survivor);
        source.setValue(flagsUserEdit, 1);
        EXPECT_EQ(gone.heard, 1);
    }
    EXPECT_EQ(source.listeners().size(), 0u);
    EXPECT_TRUE(source.preDependents().empty());
    EXPECT_TRUE(source.postDependents().empty());
    EXPECT_TRUE(source.links().empty());
    source.setValue(flagsUserEdit, 2);
}

TEST(DestroyedParameter, KeepsTheOtherPairsOfAListIntact)
{
    FakeParameter owner(0, 127);
    FakeParameter kept(0, 127);
    auto gone = std::make_unique<FakeParameter>(0, 127);
    owner.addPostDependent(&owner, gone.get());
    owner.addPostDependent(&owner, &kept);
    owner.addLink(gone.get());
    owner.addLink(&kept);
    gone.reset();
    ASSERT_EQ(owner.postDependents().size(), 1u);
    EXPECT_EQ(owner.postDependents()[0].target, &kept);
    ASSERT_EQ(owner.links().size(), 1u);
    owner.setValue(flagsUserEdit, 4);
    EXPECT_EQ(kept.getValue(), 4);
}

TEST(DestroyedParameter, ReferrersDestroyedFirstLeaveNothingBehind)
{
    // Either side may go first; neither may touch the other afterwards.
    auto target = std::make_unique<FakeParameter>(0, 127);
    {
        FakeParameter owner(0, 127);
        owner.addPreDependent(target.get(), target.get());
        owner.addLink(target.get());
    }
    auto owner = std::make_unique<FakeParameter>(0, 127);
    owner->addLink(target.get());
    target.reset();
    owner->setValue(flagsUserEdit, 3);
    EXPECT_TRUE(owner->links().empty());
}

} // namespace
