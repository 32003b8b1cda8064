#include "settings/TIniFile.h"

#include "util/Codepage.h"
#include "util/TAtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace corvane {

namespace {

// Settings files are small; anything beyond this is not ours and is read only partly.
constexpr std::size_t kMaxFileBytes = 16u << 20;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// A value that would lose characters on reading (surrounding blanks, or enclosing quotes
// that the reader strips) is written inside one extra pair of quotes.
std::string QuoteIfNeeded(const std::string& value) {
    if (value.empty()) return value;
    const bool blanks = IsBlank(value.front()) || IsBlank(value.back());
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return blanks || quoted ? '"' + value + '"' : value;
}

std::string SingleLine(std::string_view value) {
    std::string s(value);
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

} // namespace

TOutcome TIniFile::Load(const std::string& path) {
    m_sections.clear();
    const auto failed = [&path](int error) {
        return TOutcome::Failure("Cannot read file \"" + path + "\": " + std::strerror(error));
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return failed(EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return failed(errno != 0 ? errno : ENOENT);
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < kMaxFileBytes && in.read(buffer, sizeof buffer).gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return failed(errno != 0 ? errno : EIO);
    Parse(bytes);
    return {};
}

void TIniFile::Parse(std::string_view bytes) {
    m_sections.clear();
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::string text = Utf8OrCp1252ToUtf8(bytes);
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = TrimView(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name =
                TrimView(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            current = FindSection(name);
            if (!current) {
                m_sections.push_back(Section{std::string(name), {}});
                current = &m_sections.back();
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        const std::string_view key = TrimView(line.substr(0, eq));
        std::string_view value = TrimView(line.substr(eq + 1));
        if (key.empty() || FindEntry(*current, key)) continue;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        current->Entries.push_back(Entry{std::string(key), std::string(value)});
    }
}

std::string TIniFile::Text() const {
    std::string text;
    for (const Section& section : m_sections) {
        if (!text.empty()) text += '\n';
        text += '[' + section.Name + "]\n";
        for (const Entry& entry : section.Entries)
            text += entry.Key + '=' + QuoteIfNeeded(entry.Value) + '\n';
    }
    return text;
}

TOutcome TIniFile::Save(const std::string& path) const {
    return WriteFileAtomically(path, Text(), true);
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    return s && FindEntry(*s, key);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    return e ? e->Value : std::string(defaultValue);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const {
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    if (!e) return defaultValue;
    std::string_view text = TrimView(e->Value);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || text.empty())
        return defaultValue;
    return value;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (!s) {
        m_sections.push_back(Section{std::string(section), {}});
        s = &m_sections.back();
    }
    for (Entry& e : s->Entries) {
        if (SameName(e.Key, key)) {
            e.Value = SingleLine(value);
            return;
        }
    }
    s->Entries.push_back(Entry{std::string(key), SingleLine(value)});
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (!s) return;
    std::erase_if(s->Entries, [key](const Entry& e) { return SameName(e.Key, key); });
}

void TIniFile::EraseSection(std::string_view section) {
    std::erase_if(m_sections, [section](const Section& s) { return SameName(s.Name, section); });
}

TIniFile::Section* TIniFile::FindSection(std::string_view name) {
    for (Section& s : m_sections)
        if (SameName(s.Name, name)) return &s;
    return nullptr;
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    for (const Section& s : m_sections)
        if (SameName(s.Name, name)) return &s;
    return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(const Section& section, std::string_view key) {
    for (const Entry& e : section.Entries)
        if (SameName(e.Key, key)) return &e;
    return nullptr;
}

} // namespace corvane
