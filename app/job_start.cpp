#include "job_start.h"

#include <cstdio>

#include "app_windows.h"
#include "job_recovery.h"

namespace zorvik {
namespace {

class Answering final : public Notices {
public:
    explicit Answering(bool answer) : answer_(answer) {}
    void Beep() override {}
    void Warning(const Text& text) override { Print("warning", English(text)); }
    void Error(const Text& text) override { Print("error", English(text)); }
    bool Question(const Text& text) override {
        Print(answer_ ? "question, answered OK" : "question, answered Cancel", English(text));
        return answer_;
    }
    void CancelWarning(const Text& text) override { Print("warning", English(text)); }

private:
    static void Print(const char* kind, std::string text) {
        for (char& c : text)
            if (c == '\r') c = '\n';
        std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
        std::fflush(stderr);
    }
    bool answer_;
};

}  // namespace

std::unique_ptr<Notices> AnsweringNotices(bool answer) { return std::make_unique<Answering>(answer); }

void StartJobs(AppWindows& windows, Notices& notices, const ProgramOptions& options) {
    JobWindow& jobs = *windows.Jobs;
    if (options.autosaveSeconds > 0) jobs.SetAutosaveInterval(options.autosaveSeconds * 1000);
    OfferLeftJobs(jobs, notices);
    if (!options.jobFile.isEmpty()) {
        jobs.show();
        jobs.OpenFile(options.jobFile);
    }
    if (!options.addItemTag.isEmpty()) {
        jobs.show();
        const int row = jobs.AddItem();
        jobs.Model().setData(jobs.Model().index(row, JobTableModel::TagColumn), options.addItemTag, Qt::EditRole);
    }
}

}  // namespace zorvik
