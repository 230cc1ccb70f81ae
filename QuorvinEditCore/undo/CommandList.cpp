#include "undo/CommandList.h"

#include "params/Parameter.h"
#include "text/WxText.h"
#include "undo/ChangeStep.h"
#include "undo/CommandHistory.h"

#include <algorithm>

#include <wx/log.h>
#include <wx/translation.h>

namespace {

// Never destroyed, so lists that outlive static destruction can still leave.
std::vector<CommandList*>& liveLists()
{
    static auto* lists = new std::vector<CommandList*>;
    return *lists;
}

bool noRecording(std::uint32_t flags) { return (flags & SetValueFlag::doNotRecord) != 0; }

// A value a change passes on to another parameter: not recorded itself, but
// stored, and sent as the change is. Loads from the cache, quiet inits and
// values received are no part of the change (nothing of them is sent).
bool passedOn(std::uint32_t flags)
{
    using namespace SetValueFlag;
    return noRecording(flags) && (flags & (storeBoundData | sendToInstrument)) == (storeBoundData | sendToInstrument);
}

// Depth of the replays under way.
int replayDepth = 0;

class ReplayScope {
public:
    ReplayScope() { ++replayDepth; }
    ReplayScope(const ReplayScope&) = delete;
    ReplayScope& operator=(const ReplayScope&) = delete;
    ~ReplayScope() { --replayDepth; }
};

std::string utf8(const wxString& text) { return text.utf8_string(); }

std::string nameUtf8(const RefString& name)
{
    return name.isEmpty() ? utf8(_("(no name)")) : name.toUtf8();
}

// Replays one command; a copy, since the replay may change the list. Undo
// goes from the parameter changed last back to the one changed first, so
// parameters that share bits leave them as the first one found them; redo
// sets each new value in the order the parameters last changed. Each value is
// put back exactly as it was recorded, unclamped.
void replay(std::vector<Change> changes, bool backwards)
{
    const ReplayScope scope;
    const auto set = [](const Change& change, std::int32_t value) {
        change.parameter->setValue(change.flags | SetValueFlag::doNotRecord | SetValueFlag::noClamp, value);
    };
    if (backwards) {
        for (auto change = changes.rbegin(); change != changes.rend(); ++change)
            set(*change, change->oldValue);
        return;
    }
    std::ranges::stable_sort(changes, {}, &Change::lastChange);
    for (const Change& change : changes)
        set(change, change.newValue);
}

// Asked before anything is set: a replay refused for one change leaves the
// whole command, the values and the instrument as they were.
bool mayReplay(const Command& command)
{
    return std::ranges::all_of(
        command.changes, [](const Change& change) { return change.parameter->allowsReplay(change.flags); });
}

} // namespace

CommandList::CommandList(CommandHistory* owner)
    : owner_(owner)
{
    liveLists().push_back(this);
}

CommandList::~CommandList() { std::erase(liveLists(), this); }

void CommandList::beginGroup(const RefString& name, std::uint32_t flags)
{
    if (noRecording(flags))
        return;
    if (groupDepth_ > 0) {
        ++groupDepth_;
        return;
    }
    eraseRedoTail();
    commands_.push_back(Command{name, {}});
    position_ = commands_.size() - 1;
    groupDepth_ = 1;
}

void CommandList::endGroup(std::uint32_t flags)
{
    if (noRecording(flags) || groupDepth_ == 0)
        return;
    if (--groupDepth_ == 0)
        closeGroup();
}

void CommandList::closeGroup()
{
    if (!commands_.empty() && commands_.back().changes.empty())
        commands_.pop_back();
    position_ = commands_.size();
}

void CommandList::record(Parameter* parameter, std::int32_t oldValue, std::int32_t newValue, std::uint32_t flags)
{
    if (parameter == nullptr || oldValue == newValue)
        return;
    if (!noRecording(flags)) {
        take(parameter, oldValue, newValue, flags, parameter->getName());
        return;
    }
    if (!passedOn(flags) || replaying())
        return;
    const ChangeStep* step = ChangeStep::current();
    if (step != nullptr && isCommandListAlive(&step->list())) {
        step->list().take(parameter, oldValue, newValue, flags, step->parameter().getName());
        markModified();
    } else if (groupDepth_ > 0) {
        take(parameter, oldValue, newValue, flags, RefString());
    }
}

void CommandList::take(Parameter* parameter, std::int32_t oldValue, std::int32_t newValue, std::uint32_t flags,
    const RefString& name)
{
    flags &= ~SetValueFlag::doNotRecord;
    markModified();
    if (groupDepth_ > 0 || (standaloneOpen_ && !commands_.empty())) {
        Command& open = groupDepth_ > 0 ? commands_[position_] : commands_.back();
        if (Change* earlier = open.findChange(parameter)) {
            earlier->newValue = newValue;
            earlier->lastChange = ++changeCount_;
        } else {
            open.changes.push_back({parameter, oldValue, newValue, flags, ++changeCount_});
        }
    } else {
        eraseRedoTail();
        commands_.push_back(Command{name, {{parameter, oldValue, newValue, flags, ++changeCount_}}});
        position_ = commands_.size();
        standaloneOpen_ = true;
    }
    parameter->noteRecordedIn(this);
}

bool CommandList::undo()
{
    if (commands_.empty())
        return false;
    if (groupDepth_ > 0) {
        closeGroup();
        groupDepth_ = 0;
    }
    if (position_ == 0 || !mayReplay(commands_[position_ - 1]))
        return false;
    --position_;
    const Command command = commands_[position_];
    wxLogVerbose("Undo command %s", toWxString(command.name));
    replay(command.changes, true);
    markModified();
    return true;
}

bool CommandList::redo()
{
    // The open command of a group is not a step to redo: close it first, as
    // undo does. Opening it dropped the redo tail, so nothing follows it.
    if (groupDepth_ > 0) {
        closeGroup();
        groupDepth_ = 0;
    }
    if (position_ >= commands_.size() || !mayReplay(commands_[position_]))
        return false;
    const Command command = commands_[position_];
    wxLogVerbose("Redo command %s", toWxString(command.name));
    replay(command.changes, false);
    ++position_;
    markModified();
    return true;
}

void CommandList::clear()
{
    standaloneOpen_ = false;
    commands_.clear();
    position_ = 0;
    groupDepth_ = 0;
    if (owner_ != nullptr)
        owner_->clearModified();
}

std::string CommandList::dump() const
{
    std::string text = utf8(_("Command history:")) + "\n";
    const std::string from = utf8(_(" from "));
    const std::string to = utf8(_(" to "));
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        const Command& command = commands_[i];
        text += (i == position_ ? ">\t" : "\t") + nameUtf8(command.name) + "\n";
        for (const Change& change : command.changes) {
            text += "\t\t" + nameUtf8(change.parameter->getName()) + from + std::to_string(change.oldValue) + to
                + std::to_string(change.newValue) + "\n";
        }
    }
    return text;
}

void CommandList::forgetParameter(const Parameter* parameter)
{
    const bool groupOpen = groupDepth_ > 0;
    for (std::size_t i = commands_.size(); i-- > 0;) {
        const bool emptied = commands_[i].forgetParameter(parameter) && commands_[i].changes.empty();
        const bool isOpenCommand = groupOpen && i + 1 == commands_.size();
        if (!emptied || isOpenCommand)
            continue;
        commands_.erase(commands_.begin() + std::ptrdiff_t(i));
        if (i < position_)
            --position_;
    }
}

bool CommandList::canUndo() const
{
    // An open group is closed first; it is undone itself when it changed something.
    return position_ > 0 || (groupDepth_ > 0 && !commands_[position_].changes.empty());
}

bool CommandList::canRedo() const { return groupDepth_ == 0 && position_ < commands_.size(); }

void CommandList::eraseRedoTail()
{
    commands_.erase(commands_.begin() + std::ptrdiff_t(std::min(position_, commands_.size())), commands_.end());
}

void CommandList::markModified()
{
    if (owner_ != nullptr)
        owner_->markModified();
}

bool CommandList::replaying() { return replayDepth > 0; }

const std::vector<CommandList*>& allCommandLists() { return liveLists(); }

bool isCommandListAlive(const CommandList* list)
{
    const auto& lists = liveLists();
    return std::find(lists.begin(), lists.end(), list) != lists.end();
}

void beginCommandGroup(const RefString& name, std::uint32_t flags)
{
    if (noRecording(flags))
        return;
    const auto& lists = liveLists();
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->beginGroup(name, flags);
}

void endCommandGroup(std::uint32_t flags)
{
    if (noRecording(flags))
        return;
    const auto& lists = liveLists();
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->endGroup(flags);
}
