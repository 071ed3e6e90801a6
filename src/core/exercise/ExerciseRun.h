#pragma once
// Checks every case of an exercise against a program, on worker threads of
// its own, so that a window stays responsive meanwhile: it polls CasesDone
// and Finished and may Cancel. Every case has its own state, every worker
// its own directory; the workers touch nothing else.

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

#include "core/exercise/CaseResult.h"
#include "core/exercise/Exercise.h"
#include "core/store/ZekState.h"

namespace zek {

class ExerciseRun {
public:
    // `source`: the program (Windows-1252, CR LF lines). `jobs`: how many
    // cases run at once; 0 means one per processor core.
    ExerciseRun(Exercise exercise, std::string_view source, unsigned jobs = 0);
    ~ExerciseRun();  // cancels and waits
    ExerciseRun(const ExerciseRun&) = delete;
    ExerciseRun& operator=(const ExerciseRun&) = delete;

    // Assembles the program and starts the workers.
    void Start();
    // Aborts the running cases at their next yield and starts no further one.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

    std::size_t CaseCount() const { return exercise_.cases.size(); }
    std::size_t CasesDone() const { return done_; }
    bool Finished() const { return finishedWorkers_ == workers_.size(); }
    void Wait();

    // One result per case, in the order of the file; complete after Wait
    // unless the run was cancelled.
    const std::vector<CaseResult>& Results() const { return results_; }

private:
    void Work();

    Exercise exercise_;
    std::string source_;
    unsigned jobs_;
    ZekState assembled_;
    std::vector<CaseResult> results_;
    std::vector<std::thread> workers_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<std::size_t> finishedWorkers_{0};
    std::atomic<bool> cancelled_{false};
};

// Checks every case and waits for the results.
std::vector<CaseResult> CheckExercise(const Exercise& exercise, std::string_view source, unsigned jobs = 0);

}  // namespace zek
