#pragma once

#include "util/Outcome.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A small INI document: sections of "key=value" lines, kept in file order. Section and key
// names compare case-insensitively (ASCII), as the Windows profile functions do; values are
// stored as given. Files are written UTF-8 and read as UTF-8, or as Windows-1252 when the file
// is not valid UTF-8. Reading never fails on damaged input: lines that do not parse are
// skipped, and the first occurrence of a duplicate section or key wins.
class TIniFile {
public:
    struct Entry {
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
    };

    TIniFile() = default;

    // Replaces the document with the file's content. When the file cannot be read the
    // document is empty and the outcome names the file and the reason.
    TOutcome Load(const std::string& path);
    // Writes the document atomically (TAtomicFile) and creates missing folders. On failure
    // the previous file is left untouched and the outcome names the file and the reason.
    TOutcome Save(const std::string& path) const;

    // Replaces the document with the parsed text (raw file bytes).
    void Parse(std::string_view bytes);
    // The document as UTF-8 text with "\n" line ends.
    std::string Text() const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal integer (surrounding blanks allowed); the default when absent or not a number.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;

    // Sets a value, appending the section and key when they are new. Line breaks in the value
    // would break the file structure and are written as blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);
    void Clear() { m_sections.clear(); }

    const std::vector<Section>& Sections() const { return m_sections; }

private:
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    static const Entry* FindEntry(const Section& section, std::string_view key);

    std::vector<Section> m_sections;
};

} // namespace corvane
