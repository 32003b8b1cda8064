#include "catalogue/TCatalogueDatabase.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdbQuery.h"
#include "mdb/TSqlTransaction.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

namespace corvane {

namespace {

const std::string kTitleTableName = TCatalogueDatabase::kTitleTable;

[[noreturn]] void LoadFailed(const TMdb& table, const TMdbQuery& query) {
    throw EMdbError("Fehler beim Laden von " + table.TableName() + ": " + query.LastError());
}

void MarkInCatalogue(TMdb& table, int field) {
    for (int i = 0; i < table.KeyIndexCount(); ++i)
        table.SetInt(table.KeyRecord(i), field, 1);
}

} // namespace

TCatalogueDatabase::TCatalogueDatabase(TCatalogue& catalogue, TMdbQuery& query)
    : catalogue_(catalogue), query_(query) {
    for (int position = 1; position <= TCatalogue::kTableCount; ++position)
        catalogue_.TableInFileOrder(position)->SetQuery(&query_);
}

TCatalogueDatabase::~TCatalogueDatabase() {
    for (int position = 1; position <= TCatalogue::kTableCount; ++position)
        catalogue_.TableInFileOrder(position)->SetQuery(nullptr);
    catalogue_.SetSeriesPointSource({});
}

void TCatalogueDatabase::Export() {
    TSqlTransaction transaction(query_);
    ExportTitle();
    for (int position = 2; position <= TCatalogue::kTableCount; ++position)
        catalogue_.TableInFileOrder(position)->SaveToDatabase();
    ExportPoints();
    transaction.Commit();
}

void TCatalogueDatabase::ExportTitle() {
    query_.Prepare("CREATE TABLE IF NOT EXISTS " + kTitleTableName + " (TITEL TEXT)");
    query_.Execute();
    query_.Prepare("DELETE FROM " + kTitleTableName);
    query_.Execute();
    query_.Prepare("INSERT INTO " + kTitleTableName + " (TITEL) VALUES (:TITEL)");
    query_.SetParam("TITEL", catalogue_.Title());
    query_.Execute();
}

// The measured-points table holds one series at a time: it is emptied in the database
// first, then the points of every series are added.
void TCatalogueDatabase::ExportPoints() {
    TMdbMw& mw = catalogue_.Mw();
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    mw.SaveToDatabase();
    const TMdbMessung& series = catalogue_.Messung();
    bool first = true;
    for (int i = 0; i < series.KeyIndexCount(); ++i) {
        if (!catalogue_.ReadSeriesPoints(series.Key(series.KeyRecord(i)), mw)) continue;
        for (int p = 0; p < mw.KeyIndexCount(); ++p) {
            mw.StoreRecord(mw.KeyRecord(p), false, first);
            first = false;
        }
    }
    mw.FreeAllRecords();
    mw.RebuildIndex(false);
    mw.ForgetSeries();
}

void TCatalogueDatabase::Import() {
    catalogue_.SetTitle(ImportTitle());
    for (int position = 2; position <= TCatalogue::kTableCount; ++position) {
        TMdb& table = *catalogue_.TableInFileOrder(position);
        if (!table.LoadFromDatabase("")) LoadFailed(table, query_);
    }
    MarkInCatalogue(catalogue_.Laufrad(), TMdbLaufrad::F_INKATALOG);
    MarkInCatalogue(catalogue_.Gehaeuse(), TMdbGehaeuse::F_INKATALOG);
    catalogue_.LrTyp().UpdateInCatalogue();
    TMdbQuery& query = query_;
    catalogue_.SetSeriesPointSource([&query](std::int32_t seriesNo, TMdbMw& table) {
        if (!table.LoadFromDatabase(" WHERE MESSNR=" + std::to_string(seriesNo)))
            LoadFailed(table, query);
    });
}

// A database without the title table has an empty title.
std::string TCatalogueDatabase::ImportTitle() {
    std::string title;
    try {
        query_.Close();
        query_.Prepare("SELECT TITEL FROM " + kTitleTableName);
        query_.Open();
        if (query_.Next()) title = query_.Value(0).Text;
    } catch (const EMdbError&) {
        title.clear();
    }
    query_.Close();
    return title;
}

} // namespace corvane
