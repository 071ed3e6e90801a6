#include "core/exercise/ExerciseRun.h"

#include <algorithm>

#include "core/exercise/CaseRun.h"

namespace zek {

ExerciseRun::ExerciseRun(Exercise exercise, std::string_view source, unsigned jobs)
    : exercise_(std::move(exercise)), source_(source), jobs_(jobs != 0 ? jobs : std::thread::hardware_concurrency()) {}

ExerciseRun::~ExerciseRun() {
    Cancel();
    Wait();
}

void ExerciseRun::Start() {
    assembled_ = AssembleForExercise(source_);
    results_.assign(exercise_.cases.size(), CaseResult{});
    const std::size_t count = std::clamp<std::size_t>(jobs_, 1, std::max<std::size_t>(1, exercise_.cases.size()));
    for (std::size_t i = 0; i < count; ++i) workers_.emplace_back([this] { Work(); });
}

// Each worker takes the next case not yet taken until none is left; its
// cases run in its own directory, one after the other.
void ExerciseRun::Work() {
    const CaseDirectory directory;
    for (std::size_t index = next_++; index < exercise_.cases.size() && !cancelled_; index = next_++) {
        results_[index] = RunCase(assembled_, exercise_.cases[index], directory, cancelled_);
        ++done_;
    }
    ++finishedWorkers_;
}

void ExerciseRun::Wait() {
    for (std::thread& worker : workers_)
        if (worker.joinable()) worker.join();
}

std::vector<CaseResult> CheckExercise(const Exercise& exercise, std::string_view source, unsigned jobs) {
    ExerciseRun run(exercise, source, jobs);
    run.Start();
    run.Wait();
    return run.Results();
}

}  // namespace zek
