#include "shell/file_type_registration.h"

#include "persistence/work_file_name.h"

namespace {

// The registration reads values into 128-character slots: 127 characters at most.
constexpr std::size_t ValueSlotCharacters = 127;

std::wstring CutToSlot(std::wstring text) {
    if (text.size() > ValueSlotCharacters) text.resize(ValueSlotCharacters);
    return text;
}

bool IsBlank(std::wstring_view text) {
    return text.find_first_not_of(L' ') == std::wstring_view::npos;
}

// The open command of the extension's type as one view of the classes shows it.
std::wstring OpenCommandIn(FileTypeRegistry& registry, ClassesView view,
                           std::wstring_view extension) {
    const std::wstring fileType =
        CutToSlot(registry.ReadDefaultValue(view, extension).value_or(L""));
    if (fileType.empty()) return {};
    const std::wstring commandKey = CutToSlot(fileType + L"\\shell\\open\\command");
    const std::wstring command =
        CutToSlot(registry.ReadDefaultValue(view, commandKey).value_or(L""));
    if (command.empty()) return {};
    return CutToSlot(registry.ExpandEnvironmentReferences(command));
}

}  // namespace

void DoubleBackslashes(std::wstring& path) {
    std::wstring doubled;
    doubled.reserve(path.size() * 2);
    for (wchar_t character : path) {
        doubled.push_back(character);
        if (character == L'\\') doubled.push_back(L'\\');
    }
    path = std::move(doubled);
}

std::wstring StripKeyPathBackslashes(std::wstring_view keyPath) {
    const std::size_t first = keyPath.find_first_not_of(L'\\');
    if (first == std::wstring_view::npos) return {};
    const std::size_t last = keyPath.find_last_not_of(L'\\');
    return std::wstring(keyPath.substr(first, last - first + 1));
}

std::wstring ReadOpenCommand(FileTypeRegistry& registry, std::wstring_view extension) {
    for (const ClassesView view : {ClassesView::User, ClassesView::Merged}) {
        const std::wstring command = OpenCommandIn(registry, view, extension);
        if (!IsBlank(command)) return command;
    }
    return {};
}

RegisterResult RegisterFileType(FileTypeRegistry& registry, std::wstring_view extension,
                                int iconIndex, std::wstring programPath) {
    if (extension.find(L'.') != std::wstring_view::npos) return RegisterResult::ExtensionWithDot;
    const std::wstring name(extension);
    const std::wstring fileType = name + L"-files";
    DoubleBackslashes(programPath);
    registry.WriteValue(L"." + name, L"", fileType);
    // The documented form of an "Open with" entry: the type's name as an empty value.
    registry.WriteValue(L"." + name + L"\\OpenWithProgids", fileType, L"");
    registry.WriteValue(fileType + L"\\DefaultIcon", L"",
                        programPath + L"," + std::to_wstring(iconIndex));
    registry.WriteValue(fileType + L"\\Shell\\Open\\Command", L"", L"\"" + programPath + L"\" %1");
    return RegisterResult::Written;
}

RegisterResult EnsureFileTypeRegistered(FileTypeRegistry& registry,
                                        const std::wstring& programPath) {
    if (!ReadOpenCommand(registry, std::wstring(L".") + WorkFileExtension).empty())
        return RegisterResult::AlreadyRegistered;
    return RegisterFileType(registry, WorkFileExtension, ProgramIconIndex, programPath);
}
