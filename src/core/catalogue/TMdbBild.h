#pragma once

#include "mdb/TMdb.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TCatalogue;
class TImage;

// Pictures ("BILDER"): a sketch file and a picture file in the picture folder "Bilder" of
// the program folder, referred to by impellers and housings.
class TMdbBild : public TMdb {
public:
    static constexpr std::uint32_t kMdbNo = 1008;
    static constexpr int kFieldCount = 4;
    static constexpr int kMaxStoredNameLength = 20;

    static constexpr int F_BILDNR = 1;
    static constexpr int F_BILDBEZ = 2;
    static constexpr int F_PICS = 3; // sketch file name
    static constexpr int F_PICB = 4; // picture file name

    explicit TMdbBild(TCatalogue* catalogue = nullptr);

    // Refused while an impeller or a housing shows the picture; otherwise asks, deletes the
    // two files and then the record.
    void DeleteRecord(TMdbRecord* record) override;

    // Edit dialog: the generic binding plus the table's own rules.
    bool EditRecord(TMdbBrowser* owner, std::int32_t& key, int flag) override;
    void RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) override;
    bool ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) override;
    void DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) override;
    std::string RecordTitle(const TMdbRecord* record) const override {
        return GetText(record, F_BILDBEZ);
    }
    // The unbound controls of the dialog that hold the files chosen anew (empty: none).
    static constexpr const char* kSketchFileBox = "SketchFile";
    static constexpr const char* kPictureFileBox = "PictureFile";
    // A file was chosen for the sketch or the picture: it is kept for storing, and the empty
    // designation box gets the file's name.
    void FileChosen(TRecordDialog& dialog, bool sketch, const std::string& path) const;

    // In the current text language.
    std::string BrowserCaption() const override;
    // "show picture" when the catalogue is read-only, else "edit picture".
    static std::string DialogCaption(bool readOnly, int language);

    // The picture folder; empty when the table belongs to no catalogue (then no file is
    // ever touched).
    std::string PictureFolder() const;
    // Path of a stored file name (trimmed) in the picture folder; empty when the name is
    // empty or not a plain file name.
    std::string PicturePath(std::string_view storedName) const;

    // Loads the sketch and the picture of picture `key`; an image that cannot be loaded
    // (no record, no name, unreadable file) is left empty.
    void LoadPictures(TImage& sketch, TImage& picture, std::int32_t key) const;
    bool LoadPicture(TImage& image, std::string_view storedName) const;

    // Stores a newly chosen file for the sketch (F_PICS) or picture (F_PICB) of `record`
    // under `newName`: copies `sourcePath` into the picture folder, sets the field and removes
    // the file of the old name. On failure the record and the old file stay as they were.
    bool ReplacePictureFile(TMdbRecord* record, int field, const std::string& sourcePath,
                            std::string_view newName);

    TMdbRecord* CreateRecord();
    void CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber);
    // The designation must differ, ignoring case, from that of every other picture.
    void CheckDesignation(const TMdbRecord* record, std::string_view typedDesignation) const;

private:
    // True when a record other than `record` names the file `name` as sketch or picture.
    bool FileUsedElsewhere(const TMdbRecord* record, const std::string& name) const;
    // Deletes the stored file `name` unless another record still names it.
    void RemovePictureFile(const TMdbRecord* record, std::string_view name) const;

    TCatalogue* catalogue_;
};

} // namespace corvane
