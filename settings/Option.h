#pragma once
#include "platform/Registry.h"

namespace torvane::settings {

// What an option's stored value says, as read at the moment.
enum class Reading { On, Off, Neither };

// What a click offers, judged first by the stored value or by the check mark.
// The stored value consults the mark only when it reads neither way; the mark
// has the value read only when clear, and then offers nothing when the option
// is already in force.
enum class Decides { StoredValue, CheckMark };

// The boxes of an option's command, in the option's name as title. Their
// blanks and full stops belong to them.
struct OptionTexts {
    const wchar_t* askOn;
    const wchar_t* doneOn;
    const wchar_t* askOff;
    const wchar_t* doneOff;
};

// One option: its menu command with the check mark, the boxes, the value
// that keeps it and how an elevated copy is asked to write it.
struct Option {
    int menuId;
    const wchar_t* name;  // the menu command's caption and the boxes' title
    Decides decides;
    OptionTexts texts;
    // The stored value, and its data either way; nullptr: the command line
    // that starts this program.
    const wchar_t* path;
    const wchar_t* on;
    const wchar_t* off;
    Reading (*read)(Registry& store);
    // Switching on also switches Task Manager's records of the Run value on.
    bool switchesStartRecordsOn;
    // Named by the elevated copy's argument, "/opzione:<word>=si" or "=no".
    const wchar_t* argumentWord;
};

// One change of an option, as an option command stores it and as an elevated
// copy of the program is asked to store it.
struct Change {
    const Option* option;
    bool on;
};

}  // namespace torvane::settings
