#include "catalogue/StallRule.h"

namespace torvane {

bool StallRule::operator()(std::uint64_t answered, std::chrono::milliseconds waited) {
    if (answered != answered_) {
        answered_ = answered;
        lastAnswer_ = waited;
    }
    return waited - lastAnswer_ < limit_;
}

}  // namespace torvane
