#pragma once
// Registration of the work-file type with the desktop: at every start the program asks whether
// an open command exists for ".vrel" and, only when none does, writes four entries under the
// user's own classes (HKEY_CURRENT_USER\Software\Classes): ".vrel" -> "vrel-files", "vrel-files"
// in ".vrel\OpenWithProgids" (so "Abrir con" lists the program even after the user chose another
// one), and the DefaultIcon and Shell\Open\Command of "vrel-files".
// The rules live here; the registry itself is reached through FileTypeRegistry.

#include <optional>
#include <string>
#include <string_view>

// Where class keys are read. Windows shows the user's classes merged over the machine's in
// HKEY_CLASSES_ROOT; Wine shows only the machine's there, so the user's are read on their own too.
enum class ClassesView { User, Merged };

// The registry as this registration needs it: values of class keys, as UTF-16 texts (so a program
// folder of any name is registered truly).
class FileTypeRegistry {
  public:
    virtual ~FileTypeRegistry() = default;
    // The key's default value, opened with read access only; nothing when the key can't be
    // opened. A key without a default value reads as the empty text.
    virtual std::optional<std::wstring> ReadDefaultValue(ClassesView view,
                                                         std::wstring_view keyPath) = 0;
    // Creates or opens the key under the user's classes and sets the named value (the default
    // value for an empty name); false when that fails.
    virtual bool WriteValue(std::wstring_view keyPath, std::wstring_view valueName,
                            std::wstring_view text) = 0;
    virtual std::wstring ExpandEnvironmentReferences(std::wstring_view text) = 0;
};

// Every backslash of the text written twice, in place.
void DoubleBackslashes(std::wstring& path);

// The key path without any leading or trailing backslash ("\.vrel" -> ".vrel").
std::wstring StripKeyPathBackslashes(std::wstring_view keyPath);

// The open command registered for an extension given with its dot, with environment references
// expanded: the user's own, else the merged classes'; empty when neither holds a non-blank one.
std::wstring ReadOpenCommand(FileTypeRegistry& registry, std::wstring_view extension);

enum class RegisterResult { Written, ExtensionWithDot, AlreadyRegistered };

// Writes the four entries for an extension given without its dot. The program path is the
// running executable's full path; it is written with doubled backslashes, and quoted in the open
// command so that a path with blanks stays one program name. A failed write does not stop the
// following ones.
RegisterResult RegisterFileType(FileTypeRegistry& registry, std::wstring_view extension,
                                int iconIndex, std::wstring programPath);

// The start-up check: registers the type when no open command exists for ".vrel".
RegisterResult EnsureFileTypeRegistered(FileTypeRegistry& registry,
                                        const std::wstring& programPath);

// The icon of the program file that work files show: its own icon, the first in the file.
inline constexpr int ProgramIconIndex = 0;

inline constexpr wchar_t ExtensionWithDotMessage[] = L"Error : Extension se pone sin punto ...";
