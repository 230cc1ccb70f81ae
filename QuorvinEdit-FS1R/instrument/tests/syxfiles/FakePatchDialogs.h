#pragma once
// The file and save-to-device dialogs answered by the test: each call is
// recorded as a line of text, and the answers are set beforehand.
#include "instrument/Fs1rPatchDialogs.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

class FakePatchDialogs : public Fs1rPatchDialogs {
public:
    std::string chooseFileToOpen(const RefString& message, const RefString&) override
    {
        calls.push_back("open " + message.toUtf8());
        return next(openAnswers);
    }
    std::string chooseFileToSave(const RefString& message, const RefString& wildcard, const std::string& folder,
        const RefString& fileName) override
    {
        calls.push_back("save " + message.toUtf8() + " | " + wildcard.toUtf8() + " | " + folder + " | "
            + fileName.toUtf8());
        return next(saveAnswers);
    }
    bool askYesNo(const RefString& caption, const RefString& text) override
    {
        calls.push_back("yes/no " + caption.toUtf8() + " " + text.toUtf8());
        return yes;
    }
    std::int32_t chooseOne(const RefString& caption, const RefString& text,
        const std::vector<RefString>& choices) override
    {
        calls.push_back("choose " + caption.toUtf8() + " " + text.toUtf8() + " " + std::to_string(choices.size()));
        return choice;
    }
    std::int32_t chooseInternalSlot(Fs1rPart part, const RefString& prompt) override
    {
        calls.push_back("slot " + std::to_string(part) + " " + prompt.toUtf8());
        return slot;
    }
    void showError(const RefString& caption, const RefString& text) override
    {
        calls.push_back("error " + caption.toUtf8() + " " + text.toUtf8());
    }

    int count(const std::string& prefix) const
    {
        return int(std::ranges::count_if(calls, [&](const std::string& call) { return call.starts_with(prefix); }));
    }

    std::vector<std::string> calls;
    // Taken in order; none left answers Cancel.
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    bool yes = true;
    std::int32_t choice = -1;
    std::int32_t slot = -1;

private:
    static std::string next(std::deque<std::string>& answers)
    {
        if (answers.empty())
            return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
