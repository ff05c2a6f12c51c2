#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace torvane {

// A failed platform operation: a 32-bit code and the platform's description.
struct Failure {
    std::int32_t code;
    std::wstring description;
};

// Result of an operation that yields nothing: empty when it succeeded.
using Outcome = std::optional<Failure>;

// Result of an operation that yields a value or fails.
template <class T>
class Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    const T& value() const { return std::get<0>(state_); }
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// Codes the program dispatches on.
namespace codes {
inline constexpr std::int32_t kInvalidCall = 5;
inline constexpr std::int32_t kBadFileName = 52;
inline constexpr std::int32_t kNotFound = -2147024894;      // 0x80070002
inline constexpr std::int32_t kAccessDenied = -2147024891;  // 0x80070005
inline constexpr std::int32_t kObjectGone = -2147217406;    // 0x80041002
inline constexpr std::int32_t kCancelled = -2147023673;     // 0x800704C7, ERROR_CANCELLED
inline constexpr std::int32_t kPrivilegeNotHeld = -2147023582;  // 0x80070522
inline constexpr std::int32_t kElevationRequired = -2147024156;  // 0x800702E4
}  // namespace codes

// Whether a refusal is for lack of administrator rights.
inline bool NeedsRights(const Failure& failure) {
    return failure.code == codes::kAccessDenied || failure.code == codes::kPrivilegeNotHeld ||
           failure.code == codes::kElevationRequired;
}

}  // namespace torvane
