#pragma once

#include "mdb/TMdb.h"

#include <string>

namespace corvane::test {

// A small table with one field of every kind, as a catalogue table declares them.
class TTestTable : public TMdb {
public:
    int fNr, fFlow, fDate, fName, fCode, fCalc, fCalcNum, fTemp;

    explicit TTestTable(int maxFields = 20) : TMdb(maxFields, 1, "TESTTAB", nullptr, 77) {
        fNr = AddField(ftInteger, -1, 0, 1, 99999, "nr", "Nr.", "Nummer", 0);
        fFlow = AddField(ftFloat, 60, 2, 0, 1e6, "flow", "V", "Volumenstrom", 11);
        fDate = AddField(ftDate, -1, 0, 0, 0, "datum", "Datum", "", 0);
        fName = AddField(ftString, -1, 30, 1, 0, "name", "Name", "", 0);
        fCode = AddField(ftCode, -1, 0, 0, 0, "art", "Art", "", 0);
        fCalc = AddField(ftCalcText, -1, 0, 0, 0, "", "Text", "", 0);
        fCalcNum = AddField(ftCalcNumber, 0, 0, 0, 0, "", "Zahl", "", 0);
        fTemp = AddField(ftFloatTransient, 0, 1, 0, 0, "temp", "T", "", 6);
    }

    std::string GetCodeText(const TMdbRecord* record, int field) const override {
        static const char* const kNames[] = {"", "Radial", "Axial", "diagonal"};
        const int code = GetInt(record, field);
        return code >= 0 && code < 4 ? kNames[code] : "?";
    }

    std::string GetCalcText(const TMdbRecord* record, int field) const override {
        if (field == fCalc) return "R" + std::to_string(GetInt(record, fNr));
        return std::to_string(GetInt(record, fNr) * 2);
    }

    // Adds a record with the given number and flow and returns it (not yet indexed).
    TMdbRecord* Add(int nr, float flow = 0, const std::string& name = {}) {
        TMdbRecord* r = NewRecord();
        SetInt(r, fNr, nr);
        SetFloat(r, fFlow, flow);
        if (!name.empty()) SetText(r, fName, name);
        return r;
    }

    std::vector<int> ViewKeys() const {
        std::vector<int> keys;
        for (int i = 0; i < ViewCount(); ++i)
            keys.push_back(Key(ViewRecord(i)));
        return keys;
    }
};

} // namespace corvane::test
