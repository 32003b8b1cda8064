#include "settings/TIniFile.h"

#include "util/Codepage.h"
#include "util/RegularFile.h"
#include "util/TAtomicFile.h"

#include <algorithm>
#include <charconv>

namespace corvane {

namespace {

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

std::size_t TIniFile::TNameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u; // FNV-1a over the lower-cased bytes
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211u;
    return hash;
}

bool TIniFile::TNameEqual::operator()(std::string_view a, std::string_view b) const {
    return SameName(a, b);
}

TOutcome TIniFile::Load(const std::string& path) {
    Clear();
    std::string bytes;
    if (TOutcome read = ReadRegularFile(path, kMaxFileBytes, bytes); !read) return read;
    Parse(bytes);
    return {};
}

void TIniFile::Clear() {
    m_sections.clear();
    m_sectionIndex.clear();
    m_entryIndex.clear();
}

void TIniFile::Parse(std::string_view bytes) {
    Clear();
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
            if (!current) current = &AddSection(name);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        const std::string_view key = TrimView(line.substr(0, eq));
        std::string_view value = TrimView(line.substr(eq + 1));
        if (key.empty() || FindEntry(*current, key)) continue;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        AddEntry(*current, key, std::string(value));
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
    if (!s) s = &AddSection(section);
    const TNameIndex& keys = m_entryIndex[IndexOf(*s)];
    if (const auto it = keys.find(key); it != keys.end()) {
        s->Entries[it->second].Value = SingleLine(value);
        return;
    }
    AddEntry(*s, key, SingleLine(value));
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = FindSection(section);
    if (!s) return;
    if (!FindEntry(*s, key)) return;
    std::erase_if(s->Entries, [key](const Entry& e) { return SameName(e.Key, key); });
    RebuildIndex();
}

void TIniFile::EraseSection(std::string_view section) {
    if (!FindSection(section)) return;
    std::erase_if(m_sections, [section](const Section& s) { return SameName(s.Name, section); });
    RebuildIndex();
}

TIniFile::Section* TIniFile::FindSection(std::string_view name) {
    const auto it = m_sectionIndex.find(name);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const TIniFile::Section* TIniFile::FindSection(std::string_view name) const {
    const auto it = m_sectionIndex.find(name);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const TIniFile::Entry* TIniFile::FindEntry(const Section& section, std::string_view key) const {
    const TNameIndex& keys = m_entryIndex[IndexOf(section)];
    const auto it = keys.find(key);
    return it == keys.end() ? nullptr : &section.Entries[it->second];
}

std::size_t TIniFile::IndexOf(const Section& section) const {
    return static_cast<std::size_t>(&section - m_sections.data());
}

TIniFile::Section& TIniFile::AddSection(std::string_view name) {
    m_sectionIndex.emplace(std::string(name), m_sections.size());
    m_entryIndex.emplace_back();
    return m_sections.emplace_back(Section{std::string(name), {}});
}

void TIniFile::AddEntry(Section& section, std::string_view key, std::string value) {
    m_entryIndex[IndexOf(section)].emplace(std::string(key), section.Entries.size());
    section.Entries.push_back(Entry{std::string(key), std::move(value)});
}

// The first section or key of a name is the one found, as when the file was read.
void TIniFile::RebuildIndex() {
    m_sectionIndex.clear();
    m_entryIndex.assign(m_sections.size(), TNameIndex());
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        m_sectionIndex.emplace(m_sections[s].Name, s);
        const std::vector<Entry>& entries = m_sections[s].Entries;
        for (std::size_t e = 0; e < entries.size(); ++e)
            m_entryIndex[s].emplace(entries[e].Key, e);
    }
}

} // namespace corvane
