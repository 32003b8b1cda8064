#include "TRigSimulator.h"

#include "util/Files.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace corvane {

namespace {

using F = TMdbMw;

// Channels: series, point, complete, readings RT .. RES11 from channel 4 on.
constexpr int kFirstReading = 4;

} // namespace

TRigSimulator::TRigSimulator(const TRigSimOptions& options)
    : options_(options), point_(table_.NewRecord()) {
    // The runtime folder of the exchange files may not exist yet.
    const std::filesystem::path parent = std::filesystem::path(options_.WritePath).parent_path();
    if (!parent.empty()) MakeFolder(parent.string());
    writer_.OpenForWrite(options_.WritePath);
    reader_.OpenForRead(options_.ReadPath);
    for (int field = F::F_RT; field <= F::F_RES11; ++field)
        writer_.SetChannelName(field - F::F_RT + kFirstReading, table_.Field(field).Key,
                               table_.GetUnitText(field, false));
    writer_.SetChannelName(1, "MESSNR", "");
    writer_.SetChannelName(2, "MWNR", "");
    writer_.SetChannelName(3, "FERTIG", "");
}

std::string TRigSimulator::Follow(const TRigSeries& series) {
    series_ = series;
    script_ = std::make_unique<TRigScript>(series, options_.Points);
    index_ = ticks_ = heldAfterAck_ = completed_ = 0;
    awaitingRelease_ = false;
    char line[160];
    std::snprintf(line, sizeof line,
                  "Messreihe %d: Pruefstand %d, D2 %.0f mm, Ab %.4f m2, %d Punkte", series.SeriesNo,
                  series.Rig, series.Diameter, series.OutletArea, script_->PointCount());
    return line;
}

std::string TRigSimulator::Step() {
    if (reader_.Exchange() >= 0) readerValid_ = true;
    TRigSeries wanted;
    if (readerValid_) {
        wanted.SeriesNo = static_cast<std::int32_t>(std::lround(reader_.Value(1)));
        wanted.OutletArea = reader_.Value(4);
        wanted.Nozzle = reader_.Value(5);
        wanted.Pipe = reader_.Value(6);
        wanted.Rig = static_cast<std::int32_t>(std::lround(reader_.Value(7)));
        wanted.RigSize = reader_.Value(8);
        wanted.Diameter = reader_.Value(9);
    }
    if (wanted.SeriesNo <= 0) {
        // The editor is not measuring: nothing to report but being alive.
        for (int channel = 1; channel <= 3; ++channel)
            writer_.SetValue(channel, 0);
        writer_.Exchange();
        return {};
    }

    std::string log;
    if (!script_ || !(wanted == series_)) log = Follow(wanted);
    const bool acknowledged = reader_.Value(3) != 0;
    if (!acknowledged) awaitingRelease_ = false;
    bool complete = false;
    if (index_ < script_->PointCount()) {
        // A point settles from the period the editor has let go of the previous one.
        if (!awaitingRelease_) ++ticks_;
        complete = ticks_ > options_.SettleTicks;
        if (complete && ticks_ == options_.SettleTicks + 1) {
            char line[120];
            std::snprintf(line, sizeof line, "Punkt %d fertig: V %.0f m3/h, pfa %.0f Pa",
                          index_ + 1, script_->Flow(index_), script_->Pressure(index_));
            log += (log.empty() ? "" : "\n") + std::string(line);
        }
        if (complete && acknowledged) ++heldAfterAck_;
    }
    WriteReadings(complete || index_ >= script_->PointCount());
    writer_.SetValue(1, series_.SeriesNo);
    writer_.SetValue(2, std::round(reader_.Value(2))); // the point the editor has open
    writer_.SetValue(3, complete ? 1 : 0);
    writer_.Exchange();

    if (complete && heldAfterAck_ >= options_.HoldTicks) {
        ++completed_;
        ++index_;
        ticks_ = heldAfterAck_ = 0;
        awaitingRelease_ = true;
    }
    return log;
}

void TRigSimulator::WriteReadings(bool settled) {
    script_->Readings(index_, settled, random_, table_, point_);
    for (int field = F::F_RT; field <= F::F_RES11; ++field) {
        const int channel = field - F::F_RT + kFirstReading;
        writer_.SetValue(channel, table_.Field(field).IsFloat()
                                      ? table_.GetFloat(point_, field)
                                      : static_cast<double>(table_.GetInt(point_, field)));
    }
}

} // namespace corvane
