#pragma once

#include "mdb/TRecordEditor.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace corvane {

class TCatalogue;
class TCatalogueDatabase;
class TMdbQuery;

// One change of the catalogue made through an edit dialog or a deletion.
struct TCatalogueChange {
    TMdb* Table = nullptr;
    std::int32_t Key = 0;
    bool Deleted = false;
};

// Where the catalogue comes from and whether it may be changed. Read-only is the selection
// program's mode: nothing ever writes the catalogue. Editable, the catalogue lives either in
// a database, where every confirmed dialog and every deletion is written at once, or in
// memory, where changes wait for SaveDataFile, the only way the data file is written.
//
// After every change the dependents follow before the listeners hear of it: the touched
// impeller's or housing's calibration (and that of every impeller and housing sharing its
// series) is recomputed and the impeller types' "in Katalog" values are renewed.
class TCatalogueStore : public TMdbObserver {
public:
    enum class TMode { ReadOnly, File, Database };
    static constexpr const char* kUnsavedQuestion =
        "Der Katalog wurde geändert. Änderungen in der Datei speichern?";

    explicit TCatalogueStore(TCatalogue& catalogue);
    ~TCatalogueStore() override;
    TCatalogueStore(const TCatalogueStore&) = delete;
    TCatalogueStore& operator=(const TCatalogueStore&) = delete;

    // Reads the data file; `editable` keeps changes in memory until SaveDataFile. Raises
    // EMdbError (the catalogue is then empty and read-only).
    void OpenFile(const std::string& path, bool editable);
    // Reads the catalogue from a database and binds every table to `query` (not owned; it
    // must outlive the store); `editable` writes every change there. Raises EMdbError.
    void OpenDatabase(TMdbQuery& query, bool editable);

    TMode Mode() const { return mode_; }
    bool Editable() const { return mode_ != TMode::ReadOnly; }
    TCatalogue& Catalogue() { return catalogue_; }
    // The data file read by OpenFile and written by SaveDataFile.
    const std::string& DataFile() const { return dataFile_; }
    static std::string BackupPath(const std::string& dataFile) { return dataFile + ".bak"; }
    // Changes made in file mode and not yet saved.
    bool HasUnsavedChanges() const { return unsaved_; }

    // File mode: keeps the previous data file as "<file>.bak" and replaces the data file by
    // the catalogue at once (readers see the old or the new file, never a part). Raises
    // EMdbError naming the cause; the data file is then untouched and the changes stay unsaved.
    void SaveDataFile();
    // Before edit mode ends: with unsaved changes asks kUnsavedQuestion (Yes, No, Cancel).
    // Yes saves (a failed save is shown and keeps the program open), No drops the changes,
    // Cancel stays. True when the program may go on closing.
    bool MayClose();

    using TListener = std::function<void(const TCatalogueChange&)>;
    // Listeners hear of every change after the dependents have followed; the number given
    // back ends the subscription.
    int Subscribe(TListener listener);
    void Unsubscribe(int subscription);

    // The measured-values editor changed the points of a series (kept in the catalogue, which
    // does not report them): the same follows as for a change of the series record.
    void PointsChanged(std::int32_t seriesNo);

    // TMdbObserver: the tables report their stored and deleted records here.
    void RecordStored(TMdb& table, int key) override;
    void RecordDeleted(TMdb& table, int key) override;

private:
    void SetEditable(bool editable);
    void Changed(TMdb& table, std::int32_t key, bool deleted);
    void Recalibrate(TMdb& table, std::int32_t key);

    TCatalogue& catalogue_;
    TMode mode_ = TMode::ReadOnly;
    std::string dataFile_;
    std::unique_ptr<TCatalogueDatabase> database_;
    bool unsaved_ = false;
    int nextSubscription_ = 1;
    std::map<int, TListener> listeners_;
};

} // namespace corvane
