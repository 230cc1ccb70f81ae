#pragma once
// The path a save writes for the name the user typed. The save dialog of
// GTK does not add the filter's suffix, so a name without the kind's
// extension gets the suffix; a name the user gave that extension is kept.
// The dialog asked about the name as typed only: a suffixed name that
// already exists is asked about here.
#include <functional>
#include <string>
#include <string_view>

class SavePath {
public:
    // Asked before replacing the file at the path (UTF-8); true to replace.
    using ReplaceQuestion = std::function<bool(const std::string& path)>;

    // suffix ends with extension, as ".ctrl.xml" ends with ".xml".
    constexpr SavePath(std::string_view suffix, std::string_view extension) : suffix_(suffix), extension_(extension)
    {
    }

    // The typed path (UTF-8) with the suffix unless it ends with the
    // extension, in any case.
    std::string completed(const std::string& typed) const;
    // The path to write; empty when the completed path names another file
    // that exists and the user does not replace it.
    std::string confirmed(const std::string& typed, const ReplaceQuestion& confirmReplace) const;

private:
    std::string_view suffix_;
    std::string_view extension_;
};
