#include "catalogue/TMdbBild.h"

#include "catalogue/DialogRules.h"
#include "catalogue/PictureFiles.h"
#include "catalogue/RefTableRules.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TImage.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"
#include "util/Text.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace corvane {

namespace {

std::string ByLanguage(const std::array<const char*, 3>& texts, int language) {
    return texts[static_cast<std::size_t>(language >= 0 && language <= 2 ? language : 0)];
}

// Characters of a UTF-8 text.
int CharacterCount(std::string_view text) {
    int count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

} // namespace

TMdbBild::TMdbBild(TCatalogue* catalogue)
    : TMdb(kFieldCount, 1, "BILDER", nullptr, kMdbNo), catalogue_(catalogue) {
    constexpr float nb = kNoUpperBound;
    CheckFieldNumber(AddField(ftInteger, kShownColumn, 0, 0, nb, "BILDNR", "Bild-Nr.", "", 0),
                     F_BILDNR);
    CheckFieldNumber(
        AddField(ftString, kShownColumn, 40, 1, nb, "BILDBEZ", "Bild-Bezeichnung", "", 0),
        F_BILDBEZ);
    CheckFieldNumber(AddField(ftString, kHiddenColumn, 12, -1, nb, "PICS", "Skizzen-Datei", "", 0),
                     F_PICS);
    CheckFieldNumber(AddField(ftString, kHiddenColumn, 12, -1, nb, "PICB", "Bild-Datei", "", 0),
                     F_PICB);
}

std::string TMdbBild::BrowserCaption() const {
    return Txt(TextId::BrowserBild);
}

std::string TMdbBild::DialogCaption(bool readOnly, int language) {
    if (readOnly)
        return ByLanguage({"Bild anzeigen", "show picture", "Показать изобржние"}, language);
    return ByLanguage({"Bild bearbeiten", "edit picture", "Редактировать изображение"}, language);
}

std::string TMdbBild::PictureFolder() const {
    if (catalogue_ == nullptr) return {};
    return (fs::path(catalogue_->Folder()) / "Bilder").string();
}

std::string TMdbBild::PicturePath(std::string_view storedName) const {
    const std::string name = Trim(storedName);
    const std::string folder = PictureFolder();
    if (folder.empty() || !IsPlainFileName(name)) return {};
    return (fs::path(folder) / name).string();
}

bool TMdbBild::LoadPicture(TImage& image, std::string_view storedName) const {
    const std::string path = PicturePath(storedName);
    if (path.empty()) {
        image.Clear();
        return false;
    }
    return image.LoadFromFile(path);
}

void TMdbBild::LoadPictures(TImage& sketch, TImage& picture, std::int32_t key) const {
    sketch.Clear();
    picture.Clear();
    const TMdbRecord* record = key > 0 ? FindByKey(key) : nullptr;
    if (record == nullptr) return;
    LoadPicture(sketch, GetText(record, F_PICS));
    LoadPicture(picture, GetText(record, F_PICB));
}

bool TMdbBild::FileUsedElsewhere(const TMdbRecord* record, const std::string& name) const {
    for (const TMdbRecord* r = FirstRecord(); r != nullptr; r = r->Next) {
        if (r == record) continue;
        if (Trim(GetText(r, F_PICS)) == name || Trim(GetText(r, F_PICB)) == name) return true;
    }
    return false;
}

void TMdbBild::RemovePictureFile(const TMdbRecord* record, std::string_view name) const {
    const std::string trimmed = Trim(name);
    const std::string path = PicturePath(trimmed);
    // Two records may name the same file (copied data); it stays while one still shows it.
    if (path.empty() || FileUsedElsewhere(record, trimmed)) return;
    std::error_code ec;
    // A missing file is no error; a folder of that name is never removed.
    if (fs::is_directory(fs::symlink_status(path, ec))) return;
    fs::remove(path, ec);
}

void TMdbBild::DeleteRecord(TMdbRecord* record) {
    if (record == nullptr) return;
    const std::int32_t number = GetInt(record, F_BILDNR);
    // Impellers and housings without a picture hold 0, which must not count as a use.
    if (catalogue_ != nullptr && number > 0 &&
        (catalogue_->Laufrad().FindByValue(number, "", nullptr, TMdbLaufrad::F_BILDNR) != nullptr ||
         catalogue_->Gehaeuse().FindByValue(number, "", nullptr, TMdbGehaeuse::F_BILDNR) !=
             nullptr))
        throw EMdbError("Dieses Bild wird noch verwendet!");
    if (!TConfirmation::Ask("Bild Nr." + std::to_string(number) + " löschen ?")) return;
    RemovePictureFile(record, GetText(record, F_PICS));
    RemovePictureFile(record, GetText(record, F_PICB));
    TMdb::DeleteRecord(record);
}

bool TMdbBild::ReplacePictureFile(TMdbRecord* record, int field, const std::string& sourcePath,
                                  std::string_view newName) {
    if (record == nullptr || (field != F_PICS && field != F_PICB)) return false;
    const std::string name = Trim(newName);
    const std::string target = PicturePath(name);
    if (target.empty() || CharacterCount(name) > kMaxStoredNameLength) return false;
    std::error_code ec;
    if (!fs::is_regular_file(sourcePath, ec)) return false;
    fs::create_directories(PictureFolder(), ec);
    // Copy first: when the copy fails the old picture is still there. A file chosen from the
    // picture folder under its own stored name is already in place.
    if (!fs::equivalent(sourcePath, target, ec)) {
        ec.clear();
        fs::copy_file(sourcePath, target, fs::copy_options::overwrite_existing, ec);
        if (ec) return false;
    }
    const std::string oldName = Trim(GetText(record, field));
    SetText(record, field, name);
    if (!oldName.empty() && oldName != name) RemovePictureFile(record, oldName);
    return true;
}

TMdbRecord* TMdbBild::CreateRecord() {
    return NewNumberedRecord(*this, 0, 0);
}

void TMdbBild::CheckNewNumber(TMdbRecord* record, std::int32_t typedNumber) {
    CheckNumberIsFree(*this, record, typedNumber, "Diese Bild-Nr. existiert schon!");
}

void TMdbBild::CheckDesignation(const TMdbRecord* record, std::string_view typedDesignation) const {
    CheckTextIsFree(*this, record, F_BILDBEZ, typedDesignation,
                    "Diese Bild-Bezeichnung existiert schon!");
}

bool TMdbBild::EditRecord(TMdbBrowser* owner, std::int32_t& key, int /*flag*/) {
    return EditInDialog(owner, key, [this] { return CreateRecord(); });
}

void TMdbBild::RecordToDialog(TRecordDialog& dialog, const TMdbRecord* record) {
    TMdb::RecordToDialog(dialog, record);
    for (const char* name : {kSketchFileBox, kPictureFileBox})
        if (TDialogControl* box = dialog.Named(name); box != nullptr) box->SetText({});
}

bool TMdbBild::ValidateDialog(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::ValidateDialog(dialog, record);
    if (dialog.IsNewRecord())
        RefuseAt(F_BILDNR, [&] { CheckNewNumber(record, BoundInt(dialog, F_BILDNR)); });
    RefuseAt(F_BILDBEZ, [&] { CheckDesignation(record, BoundText(dialog, F_BILDBEZ)); });
    return true;
}

// A file chosen anew is copied into the picture folder under the name made of its kind, the
// picture number and its extension; the file of the old name goes.
void TMdbBild::DialogToRecord(TRecordDialog& dialog, TMdbRecord* record) {
    TMdb::DialogToRecord(dialog, record);
    const std::string number = std::to_string(GetInt(record, F_BILDNR));
    for (const bool sketch : {true, false}) {
        const TDialogControl* box = dialog.Named(sketch ? kSketchFileBox : kPictureFileBox);
        if (box == nullptr || box->Text().empty()) continue;
        const std::string name = NewPictureName(sketch, number, box->Text());
        if (!ReplacePictureFile(record, sketch ? F_PICS : F_PICB, box->Text(), name))
            throw EMdbError("Die Datei \"" + box->Text() + "\" kann nicht als \"" + name +
                            "\" in den Bilder-Ordner kopiert werden!");
    }
}

void TMdbBild::FileChosen(TRecordDialog& dialog, bool sketch, const std::string& path) const {
    if (TDialogControl* box = dialog.Named(sketch ? kSketchFileBox : kPictureFileBox);
        box != nullptr)
        box->SetText(path);
    TDialogControl* designation = dialog.Bound(F_BILDBEZ);
    if (designation != nullptr && Trim(designation->Text()).empty())
        designation->SetText(fs::path(path).filename().string());
}

} // namespace corvane
