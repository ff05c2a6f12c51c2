#pragma once
#include <string>

namespace torvane {

enum class BoxStyle { Information, Question, Exclamation, Critical };
enum class Answer { Ok, Yes, No };

// Modal message boxes and the system beep.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No boxes answer Yes or No, the others Ok.
    virtual Answer ShowMessage(const std::wstring& prompt, const std::wstring& title, BoxStyle style) = 0;
    virtual void Beep() = 0;
};

}  // namespace torvane
