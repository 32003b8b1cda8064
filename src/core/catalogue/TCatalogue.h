#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

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

    // Opens the data file, reads every table in file order and keeps the file open for
    // on-demand series loads. Raises EMdbError (or a file error as EMdbError) on failure,
    // leaving the catalogue closed.
    void Open(const std::string& path);
    void Close();
    bool IsOpen() const;
    // Reads the tables from an arbitrary stream kept by the catalogue (tests, memory files).
    void OpenStream(std::unique_ptr<TStream> stream);
    // Writes the whole data file: the measured-points section (calibrating every series on
    // the way) and the other tables in file order.
    void Save(TStream& stream, bool viewOnly = false);
    void SaveToFile(const std::string& path, bool viewOnly = false);

    // Reads the stored points of a series into `table` (raw readings, no evaluation).
    // Returns false when the series does not exist.
    bool ReadSeriesPoints(std::int32_t seriesNo, TMdbMw& table);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The program folder holding Bilder/, Pdf/ (pictures, data sheets).
    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder) { folder_ = std::move(folder); }

private:
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
};

} // namespace corvane
