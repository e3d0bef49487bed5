#pragma once
// The command line: how it is split into arguments, the options read from the second argument on,
// and the language named with "/L=".

#include <string>
#include <vector>

#include "package/RunState.h"
#include "package/SetupModel.h"

namespace tarnwick {

struct CommandLine {
    std::string ProgramPath;             // argument 0: the program's own path (its module file name)
    std::vector<std::string> Arguments;  // arguments 1 .. Count(), in order

    int Count() const { return static_cast<int>(Arguments.size()); }
    // Argument 0 is ProgramPath, 1 .. Count() the arguments; the empty text past the last one.
    const std::string& Argument(int index) const;
};

// The arguments after the program's name in a raw command line (the program's name is its first
// argument and is dropped). Arguments are separated by runs of characters with codes 1 to 32; a
// double-quoted stretch belongs to its argument, spaces and quotes included, and a pair of quotes
// at the start of an argument is skipped; an argument of at least two characters that starts and
// ends with a quote loses those two quotes. The list ends before the first empty argument.
std::vector<std::string> SplitArguments(const std::string& commandLine);

// The name the shell shows for an existing path, or the empty text when it gives none.
using DisplayNameFunction = std::string (*)(const std::string& path);

// The "/P=" value with every folder name after the drive as the shell shows it (PROGRA~1 becomes
// Program Files); a part the shell has no name for stays as typed. The shell may hide the file
// name extension; when the result has no "." at all, the value's text from its last "." is added.
std::string LongPathForm(const std::string& path, DisplayNameFunction displayName);

// Applies the options of arguments 2 .. Count(): "/S", "/NC", "/NR", "/SP", "/P=", "/G=", "/L=",
// compared in ASCII capitals; values keep their case. The first argument is never an option: it
// is reserved for the words "test" and "end".
void ParseOptions(const CommandLine& commandLine, SetupModel& model, RunState& state, DisplayNameFunction displayName);

// Once the LanguageList exists: turns a SelectedLanguageName given with "/L=" into a
// LanguageIndex, the last language whose name contains the value (ASCII capitals). Without a match
// the LanguageIndex is 255 and the SelectedLanguageName becomes empty, so start-up asks.
void MatchLanguageOption(const SetupModel& model, RunState& state);

}  // namespace tarnwick
