#include "app/command_line.h"

#include <string_view>

#ifndef ZT_VERSION
#define ZT_VERSION "0"
#endif

namespace zt {

namespace {

// The options Qt reads itself (QGuiApplication, QApplication and the X11 platform), without
// their leading dash. Qt takes each with one dash or two.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "style",         "stylesheet", "session",
    "display",      "geometry",           "title",         "icon",       "name",
    "visual"};
constexpr std::string_view kQtOptionsWithAssignedValue[] = {
    "style=", "stylesheet=", "qmljsdebugger="};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb",
                                         "dograb"};

template <std::size_t N> bool listed(const std::string_view (&names)[N], std::string_view name) {
    for (std::string_view known : names)
        if (known == name) return true;
    return false;
}

bool assigned(std::string_view name) {
    for (std::string_view known : kQtOptionsWithAssignedValue)
        if (name.substr(0, known.size()) == known) return true;
    return false;
}

CommandLine refuse(std::string complaint) {
    return {CommandLine::Action::Refuse, "zenthari-trader: " + std::move(complaint)};
}

} // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "--version") {
            if (line.action == CommandLine::Action::Play)
                line.action =
                    arg == "--help" ? CommandLine::Action::Help : CommandLine::Action::Version;
            continue;
        }
        std::string_view name = arg;
        if (name.size() > 1 && name[0] == '-') name.remove_prefix(name[1] == '-' ? 2 : 1);
        if (name.empty() || name.size() == arg.size())
            return refuse("unexpected argument '" + std::string(arg) + "'");
        if (listed(kQtFlags, name) || assigned(name)) continue;
        if (!listed(kQtOptionsWithValue, name))
            return refuse("unknown option '" + std::string(arg) + "'");
        if (++i == argc) return refuse("option '" + std::string(arg) + "' needs a value");
    }
    return line;
}

std::string usageText() {
    return "Usage: zenthari-trader [--help | --version] [Qt options]\n"
           "Zenthari Trader, a turn-based space trading game. Without options the game "
           "starts.\n"
           "\n"
           "  --help       show this help and exit\n"
           "  --version    show the version and exit\n"
           "\n"
           "Qt's own options, such as -platform NAME or -style NAME, are passed to Qt.\n"
           "See zenthari-trader(6) for where the game keeps its files.\n";
}

std::string versionText() {
    return std::string("Zenthari Trader ") + ZT_VERSION + "\n";
}

} // namespace zt
