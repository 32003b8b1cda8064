#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class TMdb;

// One text file of the catalogue as text, as `pack` reads it: the header line of column
// names, then the rows one at a time with their line numbers, so that a large file is never
// held whole. Faults raise EMdbError starting with "FILE:LINE: ", so that the person editing
// the file finds the place.
class TTsvFile {
public:
    // Opens a regular file and reads its header line (a FIFO, device or folder is refused).
    explicit TTsvFile(const std::string& path);
    ~TTsvFile();
    TTsvFile(const TTsvFile&) = delete;
    TTsvFile& operator=(const TTsvFile&) = delete;

    const std::string& Name() const { return name_; }
    const std::vector<std::string>& Header() const { return header_; }

    // Reads the next row: empty lines are skipped; every other line must have as many cells
    // as the header and no NUL byte. False at the end of the file. Cells() are views into the
    // line just read, valid until the next call.
    bool Next();
    std::size_t Line() const { return lineNo_; }
    const std::vector<std::string_view>& Cells() const { return cells_; }

    // The field of each column: every stored field of `table` must be named exactly once
    // (its key, or the German caption of a field without one).
    std::vector<int> MapColumns(const TMdb& table) const;

    // Raises EMdbError "NAME:LINE: what".
    [[noreturn]] void Fail(std::size_t line, const std::string& what) const;
    [[noreturn]] static void Fail(const std::string& name, std::size_t line,
                                  const std::string& what);

    // The name of a stored field's column.
    static std::string ColumnName(const TMdb& table, int field);

private:
    // The next line without its end ("\n" or "\r\n") into line_; false at the end.
    bool ReadLine();
    // Splits line_ into cells_ and refuses a NUL byte, naming its column.
    void SplitCells();

    std::string path_;
    std::string name_;
    int descriptor_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // unread bytes of buffer_: [begin_, end_)
    std::size_t end_ = 0;
    std::size_t bytesRead_ = 0;
    bool atEnd_ = false;
    std::string line_;
    std::size_t lineNo_ = 0;
    std::vector<std::string> header_;
    std::vector<std::string_view> cells_;
};

} // namespace corvane
