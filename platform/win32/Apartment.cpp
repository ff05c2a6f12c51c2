#include "platform/win32/Apartment.h"

#include "platform/win32/SystemFunctions.h"

namespace torvane::win32 {
namespace {

// The one guard of the apartment: entered once, left once.
class Apartment {
public:
    Apartment() {
        const auto enter = Bound<system32::kCoInitializeEx>();
        entered_ = enter != nullptr && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~Apartment() {
        if (entered_) Bound<system32::kCoUninitialize>()();
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;

    bool Entered() const { return entered_; }

private:
    bool entered_ = false;
};

}  // namespace

bool EnterUiApartment() {
    static const Apartment apartment;
    return apartment.Entered();
}

}  // namespace torvane::win32
