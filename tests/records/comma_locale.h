#pragma once
// Switches the C locale to one whose decimal separator is a comma, for checking that numbers are
// read and written with "." regardless; restores "C" on destruction.

#include <clocale>

namespace kirvos::testing {

class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "fi_FI.UTF-8", "de_DE.utf8", "fi_FI.utf8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_ALL, name)) {
                active_ = true;
                break;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // false when no such locale is installed.
    bool Active() const { return active_; }

private:
    bool active_ = false;
};

}  // namespace kirvos::testing
