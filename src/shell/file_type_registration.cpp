#include "shell/file_type_registration.h"

#include "platform/path_text.h"

namespace {

// The registration reads values into 128-byte slots: 127 characters at most.
constexpr std::size_t ValueSlotCharacters = 127;

std::string CutToSlot(std::string text) {
    if (text.size() > ValueSlotCharacters) text.resize(ValueSlotCharacters);
    return text;
}

}  // namespace

std::string& DoubleBackslashes(std::string& path) {
    std::string doubled;
    doubled.reserve(path.size() * 2);
    for (char character : path) {
        doubled.push_back(character);
        if (character == '\\') doubled.push_back('\\');
    }
    path = std::move(doubled);
    return path;
}

std::string StripKeyPathBackslashes(std::string_view keyPath) {
    const std::size_t first = keyPath.find_first_not_of('\\');
    if (first == std::string_view::npos) return {};
    const std::size_t last = keyPath.find_last_not_of('\\');
    return std::string(keyPath.substr(first, last - first + 1));
}

std::string ReadOpenCommand(FileTypeRegistry& registry, std::string_view extension) {
    const std::string fileType = CutToSlot(registry.ReadDefaultValue(extension).value_or(""));
    if (fileType.empty()) return {};
    const std::string commandKey = CutToSlot(fileType + "\\shell\\open\\command");
    const std::string command = CutToSlot(registry.ReadDefaultValue(commandKey).value_or(""));
    if (command.empty()) return {};
    return CutToSlot(registry.ExpandEnvironmentReferences(command));
}

RegisterResult RegisterFileType(FileTypeRegistry& registry, std::string_view extension,
                                int iconIndex, std::string programPath) {
    if (extension.find('.') != std::string_view::npos) return RegisterResult::ExtensionWithDot;
    const std::string name(extension);
    DoubleBackslashes(programPath);
    registry.WriteDefaultValue(StripKeyPathBackslashes("\\." + name), name + "-files");
    registry.WriteDefaultValue(StripKeyPathBackslashes("\\" + name + "-files\\DefaultIcon"),
                               programPath + "," + std::to_string(iconIndex));
    registry.WriteDefaultValue(
        StripKeyPathBackslashes("\\" + name + "-files\\Shell\\Open\\Command"),
        "\"" + programPath + "\" %1");
    return RegisterResult::Written;
}

RegisterResult EnsureFileTypeRegistered(FileTypeRegistry& registry,
                                        const std::string& programPath) {
    if (!TrimBlanks(ReadOpenCommand(registry, ".vrel")).empty())
        return RegisterResult::AlreadyRegistered;
    return RegisterFileType(registry, "vrel", ProgramIconIndex, programPath);
}
