#pragma once
// Lowers a resource limit of the test process for the lifetime of the
// object: RLIMIT_FSIZE makes writing fail as on a full disk, RLIMIT_NOFILE
// makes opening a file fail, both also for root.

#include <sys/resource.h>

#include <csignal>

namespace zek::testing {

class ScopedResourceLimit {
public:
    ScopedResourceLimit(int resource, rlim_t soft) : resource_(resource) {
        ok_ = getrlimit(resource_, &previous_) == 0;
        rlimit lowered = previous_;
        lowered.rlim_cur = soft;
        // Beyond the file-size limit the system sends SIGXFSZ, which would end the test.
        if (resource_ == RLIMIT_FSIZE) previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ok_ = ok_ && setrlimit(resource_, &lowered) == 0;
    }
    ~ScopedResourceLimit() {
        setrlimit(resource_, &previous_);
        if (resource_ == RLIMIT_FSIZE) std::signal(SIGXFSZ, previousHandler_);
    }
    ScopedResourceLimit(const ScopedResourceLimit&) = delete;
    ScopedResourceLimit& operator=(const ScopedResourceLimit&) = delete;

    bool Ok() const { return ok_; }

private:
    int resource_;
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool ok_ = false;
};

}  // namespace zek::testing
