#include "acquisition/TRigCommand.h"

#include "util/Text.h"

#include <filesystem>

namespace corvane {

namespace {

std::vector<std::string> SplitParameters(const std::string& text) {
    std::vector<std::string> parts;
    std::string current;
    bool quoted = false;
    bool inPart = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inPart = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inPart) parts.push_back(current);
            current.clear();
            inPart = false;
        } else {
            current += c;
            inPart = true;
        }
    }
    if (inPart) parts.push_back(current);
    return parts;
}

} // namespace

TRigCommand TRigCommand::Parse(const std::string& commandLine, const std::string& programFolder) {
    TRigCommand command;
    const std::string line = Trim(commandLine);
    if (line.empty()) return command;
    const std::size_t blank = line.find(' ');
    command.Program = line.substr(0, blank);
    if (blank != std::string::npos) command.Arguments = SplitParameters(line.substr(blank + 1));
    if (command.Program.front() == '.')
        command.Program =
            (std::filesystem::path(programFolder) / command.Program).lexically_normal().string();
    command.WorkingFolder = programFolder;
    return command;
}

} // namespace corvane
