#pragma once
// The wait after a wrong program password. Every wrong entry waits; from the third one on the factor
// grows as f * (f + 1), so the entries 1 to 6 wait 1, 1, 2, 6, 42 and 1806 units of time.

namespace tellmark::shell {

// The bar of the wait runs this many steps; each step lasts factor times the step unit.
inline constexpr int kPasswordWaitSteps = 999;
inline constexpr int kPasswordWaitTotal = 1000;
// The factor stops growing here instead of overflowing (some eleven days per step at the usual unit).
inline constexpr long long kPasswordWaitFactorLimit = 1000000000LL;

class PasswordWait {
public:
    // Counts a wrong entry and gives the factor of its wait.
    long long wrongEntry();
    int wrongEntries() const { return wrong_; }
    long long factor() const { return factor_; }

private:
    int wrong_ = 0;
    long long factor_ = 1;
};

}  // namespace tellmark::shell
