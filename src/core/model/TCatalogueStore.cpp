#include "model/TCatalogueStore.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TCatalogueDatabase.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"
#include "measurements/TMdbMessung.h"
#include "model/Calibration.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace corvane {

namespace {

// Keeps the current data file as its backup: a second name for the same file (a copy where
// the file system has no hard links), which then replaces the previous backup at once.
void KeepBackup(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return;
    const std::string backup = TCatalogueStore::BackupPath(path);
    const std::string fresh = backup + ".new";
    fs::remove(fresh, ec);
    if (::link(path.c_str(), fresh.c_str()) != 0) {
        ec.clear();
        fs::copy_file(path, fresh, fs::copy_options::overwrite_existing, ec);
        if (ec)
            throw EMdbError("Die Sicherungskopie \"" + backup +
                            "\" kann nicht angelegt werden: " + ec.message());
    }
    if (std::rename(fresh.c_str(), backup.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        fs::remove(fresh, ec);
        throw EMdbError("Die Sicherungskopie \"" + backup +
                        "\" kann nicht angelegt werden: " + reason);
    }
}

} // namespace

TCatalogueStore::TCatalogueStore(TCatalogue& catalogue) : catalogue_(catalogue) {}

TCatalogueStore::~TCatalogueStore() {
    SetEditable(false);
}

void TCatalogueStore::OpenFile(const std::string& path, bool editable) {
    SetEditable(false);
    mode_ = TMode::ReadOnly;
    database_.reset();
    catalogue_.Open(path);
    dataFile_ = path;
    unsaved_ = false;
    SetEditable(editable);
    mode_ = editable ? TMode::File : TMode::ReadOnly;
}

void TCatalogueStore::OpenDatabase(TMdbQuery& query, bool editable) {
    SetEditable(false);
    mode_ = TMode::ReadOnly;
    database_ = std::make_unique<TCatalogueDatabase>(catalogue_, query);
    database_->Import();
    unsaved_ = false;
    SetEditable(editable);
    mode_ = editable ? TMode::Database : TMode::ReadOnly;
}

void TCatalogueStore::SetEditable(bool editable) {
    // The measured points (position 1) are changed by the measured-values editor only.
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb* table = catalogue_.TableInFileOrder(position);
        table->SetReadOnly(!editable);
        table->SetObserver(editable ? this : nullptr);
    }
}

void TCatalogueStore::SaveDataFile() {
    if (mode_ != TMode::File) throw EMdbError("Der Katalog wird nicht in einer Datei bearbeitet!");
    KeepBackup(dataFile_);
    catalogue_.SaveToFile(dataFile_);
    unsaved_ = false;
}

bool TCatalogueStore::MayClose() {
    if (!unsaved_) return true;
    switch (TConfirmation::AskChoice(kUnsavedQuestion, true)) {
    case TConfirmation::TAnswer::Yes:
        try {
            SaveDataFile();
        } catch (const EMdbError& e) {
            TMessage::Post(e.what());
            return false;
        }
        return true;
    case TConfirmation::TAnswer::No:
        return true;
    case TConfirmation::TAnswer::Cancel:
        break;
    }
    return false;
}

int TCatalogueStore::Subscribe(TListener listener) {
    const int subscription = nextSubscription_++;
    listeners_.emplace(subscription, std::move(listener));
    return subscription;
}

void TCatalogueStore::Unsubscribe(int subscription) {
    listeners_.erase(subscription);
}

void TCatalogueStore::PointsChanged(std::int32_t seriesNo) {
    Changed(catalogue_.Messung(), seriesNo, false);
}

void TCatalogueStore::RecordStored(TMdb& table, int key) {
    Changed(table, key, false);
}

void TCatalogueStore::RecordDeleted(TMdb& table, int key) {
    Changed(table, key, true);
}

void TCatalogueStore::Changed(TMdb& table, std::int32_t key, bool deleted) {
    if (mode_ == TMode::File) unsaved_ = true;
    try {
        Recalibrate(table, key);
    } catch (const EMdbError& e) {
        // The change itself is made; a series that cannot be read keeps its old calibration.
        TMessage::Post(e.what());
    }
    catalogue_.LrTyp().UpdateInCatalogue();
    const TCatalogueChange change{&table, key, deleted};
    // A copy: a listener may unsubscribe while it is told.
    const auto listeners = listeners_;
    for (const auto& [subscription, listener] : listeners)
        listener(change);
}

// The series whose calibration depends on the changed record: its own, and for an impeller
// that of every housing it is fitted in (their calibration uses its diameter).
void TCatalogueStore::Recalibrate(TMdb& table, std::int32_t key) {
    std::set<std::int32_t> series;
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    if (&table == &impellers) {
        if (const TMdbRecord* impeller = impellers.FindByKey(key); impeller != nullptr)
            series.insert(impellers.MeasurementNo(impeller));
        for (const TMdbRecord* h = housings.FirstRecord(); h != nullptr; h = h->Next)
            if (housings.GetInt(h, TMdbGehaeuse::F_LAUFRADNR) == key)
                series.insert(housings.MeasurementNo(h));
    } else if (&table == &housings) {
        if (const TMdbRecord* housing = housings.FindByKey(key); housing != nullptr)
            series.insert(housings.MeasurementNo(housing));
    } else if (&table == &catalogue_.Messung()) {
        series.insert(key);
    }
    for (const std::int32_t seriesNo : series)
        if (seriesNo > 0 && catalogue_.Messung().FindByKey(seriesNo) != nullptr)
            CalibrateSeries(catalogue_, seriesNo);
}

} // namespace corvane
