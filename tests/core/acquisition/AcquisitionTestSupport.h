#pragma once

#include "acquisition/TClock.h"
#include "acquisition/TRigCommand.h"
#include "acquisition/TRigProgram.h"
#include "util/Files.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {

// A fresh folder below the temporary folder, removed with everything in it.
class TTempFolder {
public:
    TTempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvane-acq-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TTempFolder() { RemoveTree(path_); }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Time that moves only when told to.
class TManualClock : public TClock {
public:
    std::int64_t NowMs() const override { return now_; }
    void Advance(std::int64_t ms) { now_ += ms; }

private:
    std::int64_t now_ = 1000000;
};

// Records what the editor asks of the acquisition program.
class TRecordingRig : public TRigProgram {
public:
    void Start(const TRigCommand& command) override {
        Commands.push_back(command);
        running_ = true;
    }
    void Close() override {
        ++Closes;
        running_ = false;
    }
    void Show() override { ++Shows; }
    bool IsRunning() const override { return running_; }

    std::vector<TRigCommand> Commands;
    int Closes = 0;
    int Shows = 0;

private:
    bool running_ = false;
};

} // namespace corvane::test
