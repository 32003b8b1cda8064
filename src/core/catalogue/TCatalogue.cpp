// The catalogue owns the eleven tables and the open data file. The data file is the
// measured-points section followed by the other tables' streams in a fixed order:
//
//   section: uint16 1009, uint16 24, int32 SectionEnd, int32 TitleWordCount, title words,
//            then one table stream of measured points per series, reached only through the
//            offsets stored in the series records;
//   then BILDER, TEXTE, KUNDEN, MOTOR, LRTYPE, DUESE, LAUFRAD, GEHAEUS, AUFTRAG, HDRMAIN.

#include "catalogue/TCatalogue.h"

#include "catalogue/PointsSection.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "catalogue/TSeriesReadAhead.h"
#include "mdb/EMdbError.h"
#include "mdb/TFileStream.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"
#include "util/Codepage.h"
#include "util/TAtomicFile.h"

#include <algorithm>
#include <limits>

namespace corvane {

namespace {

// Runs a clean-up when the scope is left, also by an exception.
template <typename F> class TScopeExit {
public:
    explicit TScopeExit(F f) : f_(std::move(f)) {}
    ~TScopeExit() { f_(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F f_;
};

} // namespace

using namespace points_section;

TCatalogue::TCatalogue()
    : mw_(std::make_unique<TMdbMw>(this)), bild_(std::make_unique<TMdbBild>(this)),
      texte_(std::make_unique<TMdbTexte>(this)), kunde_(std::make_unique<TMdbKunde>(this)),
      motor_(std::make_unique<TMdbMotor>(this)), lrTyp_(std::make_unique<TMdbLrTyp>(this)),
      duese_(std::make_unique<TMdbDuese>(this)), laufrad_(std::make_unique<TMdbLaufrad>(this)),
      gehaeuse_(std::make_unique<TMdbGehaeuse>(this)),
      auftrag_(std::make_unique<TMdbAuftrag>(this)), messung_(std::make_unique<TMdbMessung>(this)),
      keptPoints_(std::make_unique<TSeriesPointCache>()) {}

TCatalogue::~TCatalogue() = default;

TMdb* TCatalogue::TableInFileOrder(int position) {
    switch (position) {
    case 1:
        return mw_.get();
    case 2:
        return bild_.get();
    case 3:
        return texte_.get();
    case 4:
        return kunde_.get();
    case 5:
        return motor_.get();
    case 6:
        return lrTyp_.get();
    case 7:
        return duese_.get();
    case 8:
        return laufrad_.get();
    case 9:
        return gehaeuse_.get();
    case 10:
        return auftrag_.get();
    case 11:
        return messung_.get();
    default:
        return nullptr;
    }
}

void TCatalogue::KeepSeriesPoints(const TMdbMw& table, const TMdbRecord* except) {
    const std::int32_t seriesNo = table.SeriesNo();
    if (seriesNo <= 0) return;
    keptPoints_->Store(seriesNo, table, except);
    ++keptRevision_;
    if (TSeriesPointCache* cache = table.PointCache(); cache != nullptr)
        cache->Store(seriesNo, table, except);
}

void TCatalogue::ForgetKeptPoints(std::int32_t seriesNo) {
    keptPoints_->Forget(seriesNo);
    ++keptRevision_;
}

bool TCatalogue::HasKeptPoints() const {
    return keptPoints_->SeriesCount() > 0;
}

// ---- writing ------------------------------------------------------------------------------

void TCatalogue::Save(TStream& stream, const TSaveOptions& options) {
    // The series records keep the offsets of the open data file: the catalogue goes on
    // reading its points from there after the save. The new offsets exist only while the
    // series table is written.
    std::vector<std::pair<TMdbRecord*, std::int32_t>> newOffsets;
    WritePointsSection(stream, options, newOffsets);

    std::vector<std::int32_t> oldOffsets;
    oldOffsets.reserve(newOffsets.size());
    const auto restore = [&] {
        for (std::size_t i = 0; i < oldOffsets.size(); ++i)
            messung_->SetInt(newOffsets[i].first, TMdbMessung::F_MESSRECORD, oldOffsets[i]);
    };
    TScopeExit guard(restore);
    for (const auto& [record, offset] : newOffsets) {
        oldOffsets.push_back(messung_->GetInt(record, TMdbMessung::F_MESSRECORD));
        messung_->SetInt(record, TMdbMessung::F_MESSRECORD, offset);
    }
    for (int position = 2; position <= kTableCount; ++position)
        TableInFileOrder(position)->SaveToStream(stream, options.ViewOnly);
    if (options.Progress) options.Progress(1.0);
}

void TCatalogue::WritePointsSection(TStream& stream, const TSaveOptions& options,
                                    std::vector<std::pair<TMdbRecord*, std::int32_t>>& newOffsets) {
    const std::string title = Utf8ToCp1252(title_);
    if (title.size() > kMaxTitleBytes)
        throw EMdbError("The catalogue title is longer than 999 characters!");

    const std::int64_t start = stream.Position();
    stream.WriteUInt16(kPointsMdbNo);
    stream.WriteUInt16(kStreamVersion);
    stream.WriteInt32(0); // SectionEnd, patched below

    const std::size_t charWords = title.empty() ? 0 : title.size() / 4 + 1;
    std::vector<unsigned char> titleBytes(title.begin(), title.end());
    titleBytes.resize(4 * charWords, 0); // the zero byte and the padding
    stream.WriteInt32(static_cast<std::int32_t>(1 + charWords));
    stream.WriteInt32(static_cast<std::int32_t>(title.size()));
    stream.WriteBuffer(titleBytes.data(), titleBytes.size());

    // Afterwards the shared table holds raw points, not an evaluated series.
    TScopeExit forget([this] { mw_->ForgetSeries(); });
    const TMdbMessung& series = *messung_;
    const int count = options.ViewOnly ? series.ViewCount() : series.KeyIndexCount();
    newOffsets.reserve(static_cast<std::size_t>(count));
    // The gauge moves when at least a thousandth of the series (at least one) is written.
    const int reportStep = std::max(count / 1000, 1);
    int reported = 0;
    for (int i = 0; i < count; ++i) {
        TMdbRecord* record = options.ViewOnly ? series.ViewRecord(i) : series.KeyRecord(i);
        const std::int32_t seriesNo = series.Key(record);
        // The raw points: from the point source, else from the open data file, else
        // whatever the measured-points table holds.
        if (pointSource_ || file_) ReadSeriesPoints(seriesNo, *mw_);

        TMemoryStream block;
        mw_->SaveToStream(block, false);
        const std::int64_t position = stream.Position();
        if (position > std::numeric_limits<std::int32_t>::max())
            throw EMdbError("The data file grows beyond 2 GB!");
        newOffsets.emplace_back(record, static_cast<std::int32_t>(position));

        // The hook (the calibration) evaluates this series; it reads exactly the block being
        // written.
        if (options.SeriesWritten) {
            savingSeries_ = seriesNo;
            savingBlock_ = &block;
            TScopeExit done([this] { savingBlock_ = nullptr; });
            options.SeriesWritten(*this, seriesNo);
        }
        stream.WriteBuffer(block.Data(), static_cast<std::size_t>(block.Size()));
        if (options.Progress && i + 1 - reported >= reportStep && i + 1 < count) {
            reported = i + 1;
            options.Progress(static_cast<double>(reported) / count);
        }
    }

    const std::int64_t end = stream.Position();
    if (end > std::numeric_limits<std::int32_t>::max())
        throw EMdbError("The data file grows beyond 2 GB!");
    stream.Seek(start + 4);
    stream.WriteInt32(static_cast<std::int32_t>(end));
    stream.Seek(end);
}

void TCatalogue::SaveToFile(const std::string& path, const TSaveOptions& options) {
    TAtomicFile file(path);
    if (!file.Ready()) throw EMdbError(file.Error());
    TFileStream out(file.ReleaseDescriptor(), file.TemporaryPath(), TFileStream::TMode::Create);
    Save(out, options);
    out.Flush();
    out.Close();
    // Only a completely written file replaces the target.
    if (TOutcome replaced = file.Commit(); !replaced) throw EMdbError(replaced.Message());
}

} // namespace corvane
