#pragma once
// Switches the process to a German locale (decimal comma) for the lifetime
// of the object, both the C locale and the C++ global locale. Where no
// German locale is installed the process locale stays as it is.

#include <clocale>
#include <locale>
#include <stdexcept>
#include <string>

namespace zek::testing {

class GermanLocale {
public:
    GermanLocale() : previousC_(std::setlocale(LC_ALL, nullptr)), previousCpp_() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) == nullptr) continue;
            try {
                std::locale::global(std::locale(name));
                active_ = true;
                return;
            } catch (const std::runtime_error&) {
                std::setlocale(LC_ALL, previousC_.c_str());
            }
        }
    }
    ~GermanLocale() {
        std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;

    bool active() const { return active_; }

private:
    std::string previousC_;
    std::locale previousCpp_;
    bool active_ = false;
};

}  // namespace zek::testing
