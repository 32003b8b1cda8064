#include "catalogue/SeriesBlock.h"

#include "mdb/EMdbError.h"
#include "mdb/TMemoryStream.h"
#include "mdb/TStream.h"
#include "measurements/TMdbMw.h"

namespace corvane {

bool LoadSeriesBlock(TStream& file, std::int64_t begin, std::int64_t end,
                     std::vector<unsigned char>& buffer, TMdbMw& table) {
    if (end - begin > kMaxSeriesBlockInMemory) return false;
    const auto size = static_cast<std::size_t>(end - begin);
    if (buffer.size() < size) buffer.resize(size);
    try {
        file.ReadAt(begin, buffer.data(), size);
        TMemoryStream block = TMemoryStream::Over(buffer.data(), size);
        table.TMdb::LoadFromStream(block);
        return block.Position() == block.Size();
    } catch (const EMdbError&) {
        return false;
    }
}

bool HoldsOnlyPointsOf(const TMdbMw& table, std::int32_t seriesNo) {
    for (const TMdbRecord* point = table.FirstRecord(); point != nullptr; point = point->Next)
        if (table.GetInt(point, TMdbMw::F_MESSNR) != seriesNo) return false;
    return true;
}

} // namespace corvane
