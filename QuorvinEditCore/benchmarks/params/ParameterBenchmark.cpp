// Prints how many user edits per second pass the whole set-value pipeline
// (clamp, record into an open group, apply, ten listeners, a link and a
// dependent), and how long undoing and redoing one group of 512 changes takes.
#include "params/Parameter.h"
#include "params/ParameterListener.h"
#include "undo/CommandHistory.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int listenerCount = 10;
constexpr int editCount = 2'000'000;
constexpr int groupSize = 512;
constexpr int undoRounds = 2'000;

class ValueParameter : public Parameter {
public:
    ValueParameter() : Parameter(0, 127) {}
    std::int32_t getValue() const override { return value_; }
    void apply(std::uint32_t, std::int32_t value) override
    {
        if (value != noValue)
            value_ = value;
    }

private:
    std::int32_t value_ = 0;
};

class CountingListener : public ParameterListener {
public:
    void onParameterChanged(Parameter*, std::uint32_t) override { ++count; }
    std::uint64_t count = 0;
};

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void measureEdits()
{
    CommandHistory history;
    ValueParameter edited;
    ValueParameter linked;
    ValueParameter dependent;
    edited.setCommandList(&history.list());
    edited.setExcludedValue(64);
    edited.addLink(&linked);
    edited.addPostDependent(&edited, &dependent);
    std::vector<CountingListener> listeners(listenerCount);
    for (CountingListener& listener : listeners)
        edited.addListener(&listener);

    beginCommandGroup(RefString(u"Drag"), flagsUserEdit);
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < editCount; ++i)
        edited.setValue(flagsUserEdit, i % 200);
    const double seconds = secondsSince(start);
    endCommandGroup(flagsUserEdit);

    std::printf("user edits: %.0f per second (%d edits, %d listeners, %llu notifications)\n", editCount / seconds,
        editCount, listenerCount, static_cast<unsigned long long>(listeners[0].count * listenerCount));
}

void measureUndoRedo()
{
    CommandHistory history;
    std::vector<std::unique_ptr<ValueParameter>> parameters;
    CountingListener listener;
    for (int i = 0; i < groupSize; ++i) {
        parameters.push_back(std::make_unique<ValueParameter>());
        parameters.back()->setCommandList(&history.list());
        parameters.back()->addListener(&listener);
    }
    const Clock::time_point recordStart = Clock::now();
    beginCommandGroup(RefString(u"Panel init"), flagsUserReset);
    for (auto& parameter : parameters)
        parameter->setValue(flagsUserReset, 100);
    endCommandGroup(flagsUserReset);
    const double recordSeconds = secondsSince(recordStart);

    double undoSeconds = 0;
    double redoSeconds = 0;
    for (int round = 0; round < undoRounds; ++round) {
        Clock::time_point start = Clock::now();
        history.list().undo();
        undoSeconds += secondsSince(start);
        start = Clock::now();
        history.list().redo();
        redoSeconds += secondsSince(start);
    }
    std::printf("group of %d changes: recorded in %.1f us, undo %.1f us, redo %.1f us (mean of %d)\n", groupSize,
        recordSeconds * 1e6, undoSeconds / undoRounds * 1e6, redoSeconds / undoRounds * 1e6, undoRounds);
}

} // namespace

int main()
{
    measureEdits();
    measureUndoRedo();
    return 0;
}
