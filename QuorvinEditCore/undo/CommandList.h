#pragma once
// The commands of one editor page, oldest first, with the current position
// and the depth of the open group. A group opened by a gesture is opened on
// every list alive at once (beginCommandGroup), so each page the gesture
// touches gets one command for it. Every list registers itself in
// allCommandLists for its lifetime.
#include "undo/Command.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CommandHistory;
class Parameter;

class CommandList {
public:
    explicit CommandList(CommandHistory* owner = nullptr);
    CommandList(const CommandList&) = delete;
    CommandList& operator=(const CommandList&) = delete;
    ~CommandList();

    // At depth 0 discards the redo tail and opens a new command; deeper
    // calls only count. Does nothing for flags with doNotRecord.
    void beginGroup(const RefString& name, std::uint32_t flags);
    // Closes one level; the outermost level closes the command.
    void endGroup(std::uint32_t flags);
    // Drops an open command that holds no change and moves to the end.
    void closeGroup();

    // Called by Parameter::setValue before the value is applied. Inside a
    // group, changes of one parameter merge into one (first old value, last
    // new value, first flags); outside, the change is its own command. A
    // value that a recorded change passes on (not recorded itself, but
    // stored and sent) joins that change's step, whatever page it belongs
    // to (ChangeStep), and marks its own page modified; with no step under
    // way it joins a group open on its own list.
    void record(Parameter* parameter, std::int32_t oldValue, std::int32_t newValue, std::uint32_t flags);
    // Whether the last command is still taking the changes of the step that
    // opened it outside any group.
    bool ownCommandOpen() const { return standaloneOpen_; }
    // The change recorded on its own has run all its steps.
    void endStandaloneChange() { standaloneOpen_ = false; }

    // Replay the recorded flags plus doNotRecord and noClamp, undo from the
    // last change of the command back, redo from the first; false when there
    // was nothing to undo or redo, or a changed parameter's guard refused the
    // replay (then nothing changes). Both close an open group of this list first.
    // A step holds every value it passed on, so while it is replayed no
    // parameter passes its value on (replaying()).
    bool undo();
    bool redo();
    static bool replaying();

    void clear();
    // The history text: a title line, then one line per command (">" marks
    // the current position) and one per change. UTF-8, '\n' line ends.
    std::string dump() const;

    // Removes every change of a parameter that is going away, and every
    // command left empty by that (an open group keeps its command).
    void forgetParameter(const Parameter* parameter);

    const std::vector<Command>& commands() const { return commands_; }
    std::size_t position() const { return position_; }
    std::uint32_t groupDepth() const { return groupDepth_; }
    bool canUndo() const;
    bool canRedo() const;
    CommandHistory* owner() const { return owner_; }

private:
    // Into the open group, the open command of a step, or a new command of
    // that name.
    void take(Parameter* parameter, std::int32_t oldValue, std::int32_t newValue, std::uint32_t flags,
        const RefString& name);
    void eraseRedoTail();
    void markModified();

    std::vector<Command> commands_;
    std::size_t position_ = 0;
    std::uint32_t groupDepth_ = 0;
    // Orders the changes within a command.
    std::uint64_t changeCount_ = 0;
    bool standaloneOpen_ = false;
    CommandHistory* owner_;
};

// Every list alive, in order of construction.
const std::vector<CommandList*>& allCommandLists();
bool isCommandListAlive(const CommandList* list);

// Open and close a group on every list at once; nothing happens for flags
// with doNotRecord. Callers pass the same flags to both calls of a pair.
void beginCommandGroup(const RefString& name, std::uint32_t flags);
void endCommandGroup(std::uint32_t flags);
