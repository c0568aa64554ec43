#pragma once
#include <string>

namespace zt {

// What the player asked for on the command line.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    // For Refuse: one line saying which argument is wrong.
    std::string complaint;
};

// Reads the arguments: --help and --version, and Qt's own options (-platform NAME,
// -style NAME, ...), which are left for Qt. Anything else is refused.
CommandLine readCommandLine(int argc, const char* const* argv);

// The text of --help.
std::string usageText();

// The text of --version.
std::string versionText();

} // namespace zt
