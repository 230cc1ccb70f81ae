#pragma once
// The file and save-to-device dialogs answered by the test: every call is
// kept as a line of text, and the answers are set beforehand.
#include "instrument/Fs1rPatchDialogs.h"

#include <algorithm>
#include <deque>

class FakePatchDialogs : public Fs1rPatchDialogs {
public:
    std::string chooseFileToOpen(const RefString& message, const RefString&) override
    {
        return next("open " + message.toUtf8(), openAnswers);
    }
    std::string chooseFileToSave(const RefString& message, const RefString& wildcard, const std::string& folder,
        const RefString& name) override
    {
        return next("save " + message.toUtf8() + " | " + wildcard.toUtf8() + " | " + folder + " | " + name.toUtf8(),
            saveAnswers);
    }
    bool askYesNo(const RefString& caption, const RefString& text) override
    {
        return record("yes/no " + caption.toUtf8() + " " + text.toUtf8(), yes);
    }
    std::int32_t chooseOne(const RefString&, const RefString& text, const std::vector<RefString>&) override
    {
        return record("choose " + text.toUtf8(), choice);
    }
    std::int32_t chooseInternalSlot(Fs1rPart part, const RefString& prompt) override
    {
        return record("slot " + std::to_string(part) + " " + prompt.toUtf8(), slot);
    }
    void showError(const RefString& caption, const RefString& text) override
    {
        record("error " + caption.toUtf8() + " " + text.toUtf8(), 0);
    }

    int count(const std::string& prefix) const
    {
        return int(std::ranges::count_if(calls, [&](const std::string& call) { return call.starts_with(prefix); }));
    }

    std::vector<std::string> calls;
    // Taken in order; none left is Cancel.
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    bool yes = true;
    std::int32_t choice = -1;
    std::int32_t slot = -1;

private:
    template <typename Answer>
    Answer record(std::string call, Answer answer)
    {
        calls.push_back(std::move(call));
        return answer;
    }
    std::string next(std::string call, std::deque<std::string>& answers)
    {
        std::string chosen = answers.empty() ? std::string() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return record(std::move(call), chosen);
    }
};
