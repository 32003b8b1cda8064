#pragma once

#include "catalogue/TDuplicateKey.h"
#include "util/Progress.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdb;
class TMdbMw;
class TMdbBild;
class TMdbTexte;
class TMdbKunde;
class TMdbMotor;
class TMdbLrTyp;
class TMdbDuese;
class TMdbLaufrad;
class TMdbGehaeuse;
class TMdbAuftrag;
class TMdbMessung;
class TStream;
class TMemoryStream;
class TMdbRecord;
class TSeriesPointCache;
class TSeriesReadAhead;

// How TCatalogue::Save writes the data file.
struct TSaveOptions {
    // Series and tables in view order instead of ascending record numbers.
    bool ViewOnly = false;
    // Called for each series while it is written, after its block is ready and before it goes
    // out; meanwhile ReadSeriesPoints serves exactly that block. The fan model derives the
    // series' calibration values here (SaveDataFile in model/DataFileSave.h), so they are
    // stored with the impellers and housings written after the measured-points section.
    std::function<void(TCatalogue& catalogue, std::int32_t seriesNo)> SeriesWritten;
    // Fraction of the series written: reported whenever at least a thousandth of them (at
    // least one) is done since the last report, and 1 at the end.
    TProgressCallback Progress;
};

// All tables of the catalogue and the open data file. Tables refer to one another (delete
// guards, calculated texts, series look-ups) through their owning catalogue.
class TCatalogue {
public:
    TCatalogue();
    ~TCatalogue();
    TCatalogue(const TCatalogue&) = delete;
    TCatalogue& operator=(const TCatalogue&) = delete;

    TMdbMw& Mw() { return *mw_; }
    TMdbBild& Bild() { return *bild_; }
    TMdbTexte& Texte() { return *texte_; }
    TMdbKunde& Kunde() { return *kunde_; }
    TMdbMotor& Motor() { return *motor_; }
    TMdbLrTyp& LrTyp() { return *lrTyp_; }
    TMdbDuese& Duese() { return *duese_; }
    TMdbLaufrad& Laufrad() { return *laufrad_; }
    TMdbGehaeuse& Gehaeuse() { return *gehaeuse_; }
    TMdbAuftrag& Auftrag() { return *auftrag_; }
    TMdbMessung& Messung() { return *messung_; }
    const TMdbMessung& Messung() const { return *messung_; }

    // The eleven tables in data-file order (1..11); nullptr outside.
    TMdb* TableInFileOrder(int position);
    static constexpr int kTableCount = 11;

    // Opens the data file, reads every table in file order (then marks the impeller types
    // that an impeller or housing uses "in Katalog") and keeps the file open for on-demand
    // series loads. Raises EMdbError (or a file error as EMdbError) on failure,
    // leaving the catalogue closed. The file must be a regular file that ends with the last
    // table, and the series blocks must fill the measured-points section one after the
    // other, each claimed by one series. Of records sharing a key only the first is kept;
    // DuplicateKeys lists the others.
    void Open(const std::string& path);
    void Close();
    bool IsOpen() const;
    // Reads the tables from an arbitrary stream kept by the catalogue (tests, memory files).
    void OpenStream(std::unique_ptr<TStream> stream);
    // Called while a data file is read, after each table (its position 1..11 in file order),
    // e.g. to advance a start-up gauge. An empty function removes it.
    void SetTableReadHook(std::function<void(int position)> hook) { tableRead_ = std::move(hook); }
    // Writes the whole data file: the measured-points section and the other tables in file
    // order. Derived values come from the options' series hook; the program writes through
    // SaveDataFile (model), which calibrates every series on the way.
    void Save(TStream& stream, const TSaveOptions& options = {});
    // The same into a file, atomically: a temporary file in the target's folder replaces the
    // target only when it was written completely. Raises EMdbError with the reason.
    void SaveToFile(const std::string& path, const TSaveOptions& options = {});

    // Reads the stored points of a series into `table` (raw readings, no evaluation).
    // Returns false when the series does not exist. A block read from the data file must
    // end exactly where the next block begins, and each of its points must carry the
    // series' number; of points sharing a number the first is kept (see DuplicateKeys).
    // With a point source set the source supplies them; without an open data file and
    // without a source the table is left empty (the series has no stored points to read).
    bool ReadSeriesPoints(std::int32_t seriesNo, TMdbMw& table);

    // Starts reading the blocks of these series from the data file on a second thread, for a
    // caller about to load them (mostly in this order): series whose points ReadSeriesPoints
    // would not take from the file (kept points, a point source, no block) are left out.
    // Replaces an earlier read-ahead. Nothing happens for a stream that cannot be read from
    // two threads.
    void ReadSeriesAhead(const std::vector<std::int32_t>& seriesNos);
    // Moves the points of `seriesNo` read ahead into `cache`, when ReadSeriesPoints would read
    // them from the file now and the read-ahead read them cleanly. False otherwise: the caller
    // reads them itself.
    bool TakeSeriesAhead(std::int32_t seriesNo, TSeriesPointCache& cache);
    // Waits until the read-ahead has gone through every series it was given.
    void WaitForReadAhead();
    // Stops the read-ahead and drops what it read and nobody took.
    void StopReadingAhead();

    // Writers that hold the points of every series in memory (the demo generator, the text
    // import) supply them through this source: Save and ReadSeriesPoints then fill the
    // measured-points table from it instead of reading the open data file. The table is
    // emptied before the call and indexed after it. An empty function removes the source.
    using TSeriesPointSource = std::function<void(std::int32_t seriesNo, TMdbMw& table)>;
    void SetSeriesPointSource(TSeriesPointSource source) { pointSource_ = std::move(source); }

    // Points of a series changed in memory (the measured-values editor): from now on they
    // are the series' points for every load and for Save, until another data file is opened.
    // `table` holds the points of its loaded series; `except` (the point still being
    // measured) is left out. A point cache set on the table is brought up to date.
    void KeepSeriesPoints(const TMdbMw& table, const TMdbRecord* except = nullptr);
    // Drops the kept points of a series (the series was deleted).
    void ForgetKeptPoints(std::int32_t seriesNo);
    // Some series hold points that the open data file does not have yet.
    bool HasKeptPoints() const;
    // Counts KeepSeriesPoints and ForgetKeptPoints calls: a caller compares two readings to
    // learn whether points were changed in between.
    std::uint64_t KeptPointsRevision() const { return keptRevision_; }

    // The records dropped because an earlier record had their key: the tables' at opening,
    // then the measured points' of every series read since, each listed once.
    const std::vector<TDuplicateKey>& DuplicateKeys() const { return duplicateKeys_; }

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The program folder holding Bilder/, Pdf/ (pictures, data sheets).
    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder) { folder_ = std::move(folder); }

private:
    void LoadTables(TStream& stream);
    void ReadPointsSection(TStream& stream);
    // Records which series claims which block of the measured-points section and checks
    // that the blocks follow one another from the section's start to its end.
    void MapSeriesBlocks();
    // Whether ReadSeriesPoints would read the points of `seriesNo` from the data file now,
    // rather than from kept points, a point source or the block being saved.
    bool PointsFromFile(std::int32_t seriesNo) const;
    // The byte range of the block ReadSeriesPoints would read the points of `series` (record
    // of `seriesNo`) from now; none when it would take them from elsewhere or the block is not
    // found or too large to be read in one piece.
    struct TFileBlock {
        std::int64_t Begin = 0;
        std::int64_t End = 0;
    };
    std::optional<TFileBlock> FileBlock(std::int32_t seriesNo, const TMdbRecord* series) const;
    // The block that series `seriesNo` claimed at `offset` when the file was opened.
    std::optional<TFileBlock> MappedBlock(std::int32_t offset, std::int32_t seriesNo) const;
    // Drops the later records of a shared key from `table`, noting them.
    void DropDuplicates(TMdb& table, std::int32_t seriesNo);
    void WritePointsSection(TStream& stream, const TSaveOptions& options,
                            std::vector<std::pair<TMdbRecord*, std::int32_t>>& newOffsets);
    // Frees the records of every table and forgets the title (a failed load).
    void ClearTables();

    std::unique_ptr<TMdbMw> mw_;
    std::unique_ptr<TMdbBild> bild_;
    std::unique_ptr<TMdbTexte> texte_;
    std::unique_ptr<TMdbKunde> kunde_;
    std::unique_ptr<TMdbMotor> motor_;
    std::unique_ptr<TMdbLrTyp> lrTyp_;
    std::unique_ptr<TMdbDuese> duese_;
    std::unique_ptr<TMdbLaufrad> laufrad_;
    std::unique_ptr<TMdbGehaeuse> gehaeuse_;
    std::unique_ptr<TMdbAuftrag> auftrag_;
    std::unique_ptr<TMdbMessung> messung_;
    std::unique_ptr<TStream> file_;
    std::string title_;
    std::string folder_;
    TSeriesPointSource pointSource_;
    std::function<void(int position)> tableRead_;
    std::unique_ptr<TSeriesPointCache> keptPoints_;
    std::uint64_t keptRevision_ = 0;
    // Byte range of the series blocks in the open data file, and the block of each series
    // by its start (a block ends where the next one begins, the last at pointsEnd_).
    std::int64_t pointsBegin_ = 0;
    std::int64_t pointsEnd_ = 0;
    struct TSeriesBlock {
        std::int32_t Offset = 0;
        std::int32_t SeriesNo = 0;
    };
    std::vector<TSeriesBlock> blocks_;
    // A series block read with one read and loaded from memory; reused across series.
    std::vector<unsigned char> blockBuffer_;
    std::vector<TDuplicateKey> duplicateKeys_;
    // Reads series blocks from file_ on a second thread; declared after file_ so that it
    // stops before the file closes.
    std::unique_ptr<TSeriesReadAhead> readAhead_;
    // While Save writes a series: its number and its stored block, from which
    // ReadSeriesPoints serves that series during calibration.
    std::int32_t savingSeries_ = 0;
    const TMemoryStream* savingBlock_ = nullptr;
};

} // namespace corvane
